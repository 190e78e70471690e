#include "support/transfer_rows.h"

void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, std::initializer_list<TransferRow> rows)
{
    DefineTransferTable(table, layout);
    for (const TransferRow& row : rows) {
        table.append();
        const bool label = row.name.isEmpty() && row.number.isEmpty();
        SetRowKind(table, label ? RowKind::Total : RowKind::Employee);
        table.setField(label ? layout.labelColumn : QStringLiteral("BACC_NO"), row.account);
        table.setField("YG_NAME", row.name);
        table.setField("A_MTN", row.amount);
        const std::pair<const char*, QString> employeeColumns[] = {
            {"YG_NO", row.number}, {"ID_NO", row.idNo}, {"DEP_NO", row.department}};
        for (const auto& [column, value] : employeeColumns) {
            if (!label && table.hasField(column))
                table.setField(column, value);
        }
        table.post();
    }
}

std::vector<QStringList> ColumnTexts(db::LocalTable& table, const QStringList& columns)
{
    std::vector<QStringList> rows;
    for (table.first(); !table.eof(); table.next()) {
        QStringList texts;
        for (const QString& column : columns)
            texts << table.fieldText(column);
        rows.push_back(texts);
    }
    return rows;
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
