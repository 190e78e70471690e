#include "transfer/employee_slots.h"

namespace {

// Calls `each(slot)` for every slot that holds an employee, row by row; the table stands on its row.
// `eachRow(position)` runs first on every row.
template <class Each, class EachRow = void (*)(int)>
void forEachEmployee(db::LocalTable& table, int slotsPerRow, Each each, EachRow eachRow = [](int) {})
{
    int position = 0;
    for (table.first(); !table.eof(); table.next()) {
        eachRow(position++);
        for (int slot = 0; slot < slotsPerRow; ++slot) {
            if (SlotHoldsEmployee(table, slot))
                each(slot);
        }
    }
}

// Relays every employee of `source` into the slots of `target` in turn. With `placed`, each employee
// takes the emptied table's one row, and `placed` runs once he is posted there.
void relay(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow,
           const std::function<void(const db::LocalTable&)>* placed)
{
    TransferTableLayout targetLayout = layout;
    targetLayout.slotsPerRow = slotsPerRow;
    DefineTransferTable(target, targetLayout);
    db::LocalTableUpdate update(target.data());
    // The columns of each slot by number, in both tables: they are copied for every employee.
    auto slotFields = [&layout](const db::LocalTable& table, int slotCount) {
        std::vector<std::vector<int>> fields(static_cast<size_t>(slotCount));
        for (int slot = 0; slot < slotCount; ++slot)
            for (const TransferColumn& column : layout.columns)
                fields[size_t(slot)].push_back(table.fieldNumber(SlotColumn(column.field.name, slot)));
        return fields;
    };
    const std::vector<std::vector<int>> from = slotFields(source, layout.slotsPerRow), to = slotFields(target, slotsPerRow);
    int next = 0;
    forEachEmployee(source, layout.slotsPerRow, [&](int slot) {
        if (placed)
            target.emptyTable();
        if (next == 0) {
            target.append();
            SetRowKind(target, RowKind::Employee);
        } else {
            target.edit();
            MarkSlotEmployee(target, next);
        }
        for (size_t column = 0; column < layout.columns.size(); ++column)
            target.setField(to[size_t(next)][column], source.field(from[size_t(slot)][column]));
        target.post();
        if (placed)
            (*placed)(target);
        next = (next + 1) % slotsPerRow;
    });
}

} // namespace

void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow)
{
    relay(source, layout, target, slotsPerRow, nullptr);
}

void ForEachEmployeeAlone(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& row,
                          const std::function<void(const db::LocalTable&)>& each)
{
    relay(source, layout, row, 1, &each);
}

int CountEmployees(db::LocalTable& table, int slotsPerRow)
{
    int count = 0;
    forEachEmployee(table, slotsPerRow, [&count](int) { ++count; });
    return count;
}

EmployeeTally TallyEmployees(db::LocalTable& table, int slotsPerRow, int rowsPerBlock)
{
    std::vector<QString> amounts;
    for (int slot = 0; slot < slotsPerRow; ++slot)
        amounts.push_back(SlotColumn(AmountColumnName, slot));
    EmployeeTally tally;
    forEachEmployee(
        table, slotsPerRow,
        [&](int slot) {
            ++tally.count;
            tally.total += table.fieldFloat(amounts[size_t(slot)]);
        },
        [&](int position) {
            if (rowsPerBlock > 0 && position % rowsPerBlock == 0)
                tally.employeesBefore.push_back(tally.count);
        });
    return tally;
}
