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

// The columns of each slot by number, in a table of `slotCount` slots: they are copied for every employee.
std::vector<std::vector<int>> slotFields(const db::LocalTable& table, const TransferTableLayout& layout, int slotCount)
{
    std::vector<std::vector<int>> fields(static_cast<size_t>(slotCount));
    for (int slot = 0; slot < slotCount; ++slot)
        for (const TransferColumn& column : layout.columns)
            fields[size_t(slot)].push_back(table.fieldNumber(SlotColumn(column.field.name, slot)));
    return fields;
}

} // namespace

void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow)
{
    TransferTableLayout targetLayout = layout;
    targetLayout.slotsPerRow = slotsPerRow;
    DefineTransferTable(target, targetLayout);
    db::LocalTableUpdate update(target.data());
    const std::vector<std::vector<int>> from = slotFields(source, layout, layout.slotsPerRow), to = slotFields(target, layout, slotsPerRow);
    int next = 0;
    forEachEmployee(source, layout.slotsPerRow, [&](int slot) {
        BeginEmployeeSlot(target, next);
        for (size_t column = 0; column < layout.columns.size(); ++column)
            target.setField(to[size_t(next)][column], source.field(from[size_t(slot)][column]));
        target.post();
        next = (next + 1) % slotsPerRow;
    });
}

EmployeeAlone::EmployeeAlone(const db::LocalTable& source, const TransferTableLayout& layout)
{
    for (int slot = 0; slot < layout.slotsPerRow; ++slot) {
        QHash<QString, QString> names;
        for (const TransferColumn& column : layout.columns)
            names.insert(SlotColumn(column.field.name, 0).toUpper(), SlotColumn(column.field.name, slot));
        names.insert(SlotColumn(RowKindColumnName, 0).toUpper(), SlotColumn(RowKindColumnName, slot));
        db::LocalTable reader = source;
        reader.readFieldsAs(std::move(names));
        slots_.push_back(std::move(reader));
    }
}

const db::LocalTable& EmployeeAlone::place(const db::LocalTable& source, int slot)
{
    db::LocalTable& reader = slots_[size_t(slot)];
    reader.moveTo(source.recNo());
    return reader;
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
