#include "support/transfer_rows.h"

void FillTransferRows(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<TransferRow>& rows)
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

ExportValues HandedOverFor(std::initializer_list<TransferRow> rows, const QDate& date)
{
    ExportValues values;
    values.transferDate = date;
    for (const TransferRow& row : rows) {
        if (!row.name.isEmpty() || !row.number.isEmpty()) {
            values.transferTotal += row.amount;
            ++values.transferCount;
        }
    }
    return values;
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

void FillTransferPairs(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<TransferPair>& rows)
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

void FillTransferColumns(db::LocalTable& table, const TransferTableLayout& layout, const std::vector<ColumnRow>& rows)
{
    DefineTransferTable(table, layout);
    for (const ColumnRow& row : rows) {
        table.append();
        SetRowKind(table, row.kind);
        for (auto value = row.values.begin(); value != row.values.end(); ++value)
            table.setField(value.key(), value.value());
        table.post();
    }
}
