#include "transfer/employee_slots.h"

namespace {

// Calls `each(slot)` for every slot that holds an employee, row by row; the table stands on its row.
template <class Each>
void forEachEmployee(db::LocalTable& table, int slotsPerRow, Each each)
{
    for (table.first(); !table.eof(); table.next()) {
        for (int slot = 0; slot < slotsPerRow; ++slot) {
            if (SlotHoldsEmployee(table, slot))
                each(slot);
        }
    }
}

} // namespace

void RelayEmployees(db::LocalTable& source, const TransferTableLayout& layout, db::LocalTable& target, int slotsPerRow)
{
    TransferTableLayout targetLayout = layout;
    targetLayout.slotsPerRow = slotsPerRow;
    DefineTransferTable(target, targetLayout);
    db::LocalTableUpdate update(target.data());
    int next = 0;
    forEachEmployee(source, layout.slotsPerRow, [&](int from) {
        if (next == 0) {
            target.append();
            SetRowKind(target, RowKind::Employee);
        } else {
            target.edit();
            MarkSlotEmployee(target, next);
        }
        for (const TransferColumn& column : layout.columns)
            target.setField(SlotColumn(column.field.name, next), source.field(SlotColumn(column.field.name, from)));
        target.post();
        next = (next + 1) % slotsPerRow;
    });
}

int CountEmployees(db::LocalTable& table, int slotsPerRow)
{
    int count = 0;
    forEachEmployee(table, slotsPerRow, [&count](int) { ++count; });
    return count;
}
