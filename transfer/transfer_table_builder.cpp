#include "transfer/transfer_table_builder.h"

#include "runtime/db/mquery.h"
#include "runtime/language.h"

namespace {
QString wagbkText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}
}

TransferTableBuilder::TransferTableBuilder(const TransferTableLayout& layout, int sortMode)
    : layout_(layout)
    , sortMode_(sortMode)
{
}

void TransferTableBuilder::appendLabelRow(db::LocalTable& table, RowKind kind, const QString& label, double amount) const
{
    table.append();
    SetRowKind(table, kind);
    table.setField(layout_.labelColumn, label);
    table.setField(AmountColumnName, amount);
    table.post();
}

TransferTableResult TransferTableBuilder::Fill(db::MQuery& rows, db::LocalTable& table, SelectionProgress& progress) const
{
    const int lineCount = rows.recordCount();
    progress.Start(lineCount, wagbkText(10096));

    table.close();
    table.emptyTable();
    table.open();
    if (rows.isEmpty()) {
        progress.Finish();
        return {};
    }
    // Columns are looked up once: the walk reads them for every line.
    const int yg = rows.fieldIndex(QStringLiteral("YG_NO")), dep = rows.fieldIndex(QStringLiteral("DEP_NO"));
    const int name = rows.fieldIndex(NameColumnName), amount = rows.fieldIndex(AmountColumnName);
    std::vector<std::pair<QString, int>> copied;
    for (const TransferColumn& column : layout_.columns) {
        if (!column.source.isEmpty())
            copied.emplace_back(column.field.name, rows.fieldIndex(column.source));
    }
    db::LocalTableUpdate update(table.data());
    // The employee and department of the line the walk stands on, read once per line.
    struct LineKey {
        QString employee, department;
    };
    auto keyOf = [&] { return LineKey{rows.asString(yg), rows.asString(dep)}; };

    TransferTableResult result;
    int counter = 0;
    rows.first();
    LineKey line = keyOf();
    while (!rows.eof()) {
        ++counter;
        if (!progress.Step(counter % lineCount, rows.asString(name))) {
            result.cancelled = true;
            break;
        }
        QString employee = line.employee;
        const QString department = line.department;
        double departmentSum = 0;
        bool newRow = true;
        while (!rows.eof() && (sortMode_ == 0 ? line.employee == employee : line.department == department)) {
            ++result.sourceLines;
            double sofar = 0;
            if (newRow) {
                table.append();
                SetRowKind(table, RowKind::Employee);
                ++result.transferCount;
            } else {
                table.edit();
                sofar = table.fieldFloat(AmountColumnName);
            }
            for (const auto& [field, column] : copied)
                table.setField(field, rows.asString(column));
            const double lineAmount = TransferAmount(rows.asFloat(amount));
            table.setField(AmountColumnName, sofar + lineAmount);
            if (completion_)
                completion_(table);
            table.post();
            result.transferTotal += lineAmount;
            departmentSum += lineAmount;

            rows.next();
            line = keyOf();
            newRow = false;
            if (sortMode_ == 1 && !rows.eof() && line.employee != employee) {
                employee = line.employee;
                newRow = true;
            }
        }
        if (sortMode_ == 1 && departmentSum > 0)
            appendLabelRow(table, RowKind::Subtotal, wagbkText(10102) + u'(' + department + u')', departmentSum);
    }
    if (!result.cancelled && result.transferTotal > 0)
        appendLabelRow(table, RowKind::Total, wagbkText(10101), result.transferTotal);
    progress.Finish();
    return result;
}
