#include "support/transfer_rows.h"

void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows)
{
    DefineTransferTable(table, layout);
    const bool numbered = table.hasField("YG_NO") && table.hasField("ID_NO");
    for (const TransferRow& row : rows) {
        table.append();
        const bool label = row.name.isEmpty() && row.number.isEmpty();
        SetRowKind(table, label ? RowKind::Total : RowKind::Employee);
        table.setField(label ? layout.labelColumn : QStringLiteral("BACC_NO"), row.account);
        table.setField("YG_NAME", row.name);
        table.setField("A_MTN", row.amount);
        if (numbered && !label) {
            table.setField("YG_NO", row.number);
            table.setField("ID_NO", row.idNo);
        }
        table.post();
    }
}

void MarkEmployeeRow(db::LocalTable& table, int index)
{
    table.first();
    for (int i = 0; i < index; ++i)
        table.next();
    table.edit();
    SetRowKind(table, RowKind::Employee);
    table.post();
}

namespace {
void setSlot(db::LocalTable& table, int slot, const TransferRow& row)
{
    table.setField(SlotColumn("BACC_NO", slot), row.account);
    table.setField(SlotColumn("YG_NAME", slot), row.name);
    table.setField(SlotColumn("A_MTN", slot), row.amount);
    if (table.hasField(SlotColumn("ID_NO", slot)))
        table.setField(SlotColumn("ID_NO", slot), row.idNo);
}
}

void FillTransferPairs(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferPair> rows)
{
    DefineTransferTable(table, layout);
    for (const TransferPair& pair : rows) {
        table.append();
        if (pair.first.name.isEmpty() && pair.first.number.isEmpty()) {
            SetRowKind(table, RowKind::Subtotal);
            table.setField(layout.labelColumn, pair.first.account);
            table.setField("A_MTN", pair.first.amount);
        } else {
            SetRowKind(table, RowKind::Employee);
            setSlot(table, 0, pair.first);
        }
        if (pair.second) {
            MarkSlotEmployee(table, 1);
            setSlot(table, 1, *pair.second);
        }
        table.post();
    }
}
