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

// The columns of each slot by number: they are copied for every employee.
std::vector<std::vector<int>> slotFields(const db::LocalTable& table, const TransferTableLayout& layout, int slotCount)
{
    std::vector<std::vector<int>> fields(static_cast<size_t>(slotCount));
    for (int slot = 0; slot < slotCount; ++slot)
        for (const TransferColumn& column : layout.columns)
            fields[size_t(slot)].push_back(table.fieldNumber(SlotColumn(column.field.name, slot)));
    return fields;
}

void defineWithSlots(db::LocalTable& table, TransferTableLayout layout, int slotsPerRow)
{
    layout.slotsPerRow = slotsPerRow;
    DefineTransferTable(table, layout);
}

} // namespace

void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow)
{
    defineWithSlots(target, layout, slotsPerRow);
    db::LocalTableUpdate update(target.data());
    const std::vector<std::vector<int>> from = slotFields(source, layout, layout.slotsPerRow), to = slotFields(target, layout, slotsPerRow);
    int next = 0;
    forEachEmployee(source, layout.slotsPerRow, [&](int slot) {
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
        next = (next + 1) % slotsPerRow;
    });
}

EmployeeAlone::EmployeeAlone(const db::LocalTable& source, const TransferTableLayout& layout, const QString& databaseName,
                             const QString& tableName)
    : row_(databaseName, tableName)
{
    defineWithSlots(row_, layout, 1);
    from_ = slotFields(source, layout, layout.slotsPerRow);
    to_ = slotFields(row_, layout, 1).front();
}

// The employee is the row being appended, never stored: the detail records read him from there,
// and the next employee takes his place from a row of nulls.
const db::LocalTable& EmployeeAlone::place(const db::LocalTable& source, int slot)
{
    row_.cancel();
    row_.append();
    SetRowKind(row_, RowKind::Employee);
    for (size_t column = 0; column < to_.size(); ++column)
        row_.setField(to_[column], source.field(from_[size_t(slot)][column]));
    return row_;
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
