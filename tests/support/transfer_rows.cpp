#include "support/transfer_rows.h"

void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows)
{
    DefineTransferTable(table, layout);
    const bool numbered = table.hasField("YG_NO") && table.hasField("ID_NO");
    for (const TransferRow& row : rows) {
        table.append();
        const bool label = row.name.isEmpty() && row.number.isEmpty();
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
