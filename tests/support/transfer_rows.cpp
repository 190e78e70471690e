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
