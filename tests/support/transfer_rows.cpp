#include "support/transfer_rows.h"

void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows)
{
    DefineTransferTable(table, layout);
    for (const TransferRow& row : rows) {
        table.append();
        table.setField(row.name.isEmpty() ? layout.labelColumn : QStringLiteral("BACC_NO"), row.account);
        table.setField("YG_NAME", row.name);
        table.setField("A_MTN", row.amount);
        table.post();
    }
}
