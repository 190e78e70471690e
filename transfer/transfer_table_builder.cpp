#include "transfer/transfer_table_builder.h"

#include "runtime/db/mquery.h"
#include "runtime/language.h"
#include "transfer/paid_lines.h"
#include "transfer/media_record.h"

#include <QStringBuilder>
#include <algorithm>

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

TransferTableResult TransferTableBuilder::FillCancelled(db::LocalTable& table) const
{
    table.close();
    table.emptyTable();
    table.open();
    TransferTableResult result;
    result.cancelled = true;
    appendLabelRow(table, RowKind::Total, wagbkText(10139), 0);
    return result;
}

TransferTableResult TransferTableBuilder::Fill(db::MQuery& rows, db::LocalTable& table, SelectionProgress& progress) const
{
    progress.Start([&rows] { return rows.recordCount(); }, wagbkText(10096));

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
    // A selected column the table copies, read once for each line. An employee's lines repeat his
    // columns: a column whose text is the one read before is not formed into its parts again.
    struct Source {
        int column;
        QString text;
        bool read = false;
        bool changed = true;   // on the line being taken
    };
    // A field of the table by number, set for every line: the text of its source, or a part of it.
    struct Copied {
        int field;
        size_t source;
        const std::function<QString(const QString&)>* keep;
        QString kept;
    };
    struct SlotColumns {
        QString amount;
        int amountField;
        int payeeNumber, payeeAccount;
        std::vector<Source> sources;
        std::vector<Copied> copied;
    };
    std::vector<SlotColumns> slotColumns(layout_.slotsPerRow);
    for (int slot = 0; slot < layout_.slotsPerRow; ++slot) {
        SlotColumns& columns = slotColumns[slot];
        columns.amount = SlotColumn(AmountColumnName, slot);
        columns.amountField = table.fieldNumber(columns.amount);
        columns.payeeNumber = table.fieldNumber(SlotColumn(PayeeNumberColumnName, slot));
        columns.payeeAccount = table.fieldNumber(SlotColumn(PayeeAccountColumnName, slot));
        for (const TransferColumn& column : layout_.columns) {
            if (column.source.isEmpty())
                continue;
            const int read = rows.fieldIndex(column.source);
            auto source = std::find_if(columns.sources.begin(), columns.sources.end(), [read](const Source& s) { return s.column == read; });
            if (source == columns.sources.end())
                source = columns.sources.insert(source, {read, {}, false, true});
            columns.copied.push_back({table.fieldNumber(SlotColumn(column.field.name, slot)), size_t(source - columns.sources.begin()),
                                      column.keep ? &column.keep : nullptr, {}});
        }
    }
    db::LocalTableUpdate update(table.data());
    // The employee and department of the line the walk stands on, read once per line.
    struct LineKey {
        QString employee, department;
    };
    auto keyOf = [&] { return LineKey{rows.asString(yg), rows.asString(dep)}; };
    // The whole account the employee is paid into, as his record holds it.
    const int account = rows.fieldNames().contains(QStringLiteral("BACC_NO"), Qt::CaseInsensitive) ? rows.fieldIndex(QStringLiteral("BACC_NO")) : -1;

    // A bank that orders by account may change department at nearly every line: the label of a
    // department's subtotal is looked up once.
    const QString subtotalLabel = wagbkText(10102);
    TransferTableResult result;
    int counter = 0;
    int nextSlot = 0;
    rows.first();
    LineKey line = keyOf();
    while (!rows.eof()) {
        ++counter;
        if (!progress.Step(counter, [&rows, name] { return rows.asString(name); })) {
            result.cancelled = true;
            break;
        }
        QString employee = line.employee;
        const QString department = line.department;
        double departmentSum = 0;
        bool newRow = true;
        if (sortMode_ == 1)
            nextSlot = 0;
        int slot = 0;
        while (!rows.eof() && (sortMode_ == 0 ? line.employee == employee : line.department == department)) {
            ++result.sourceLines;
            double sofar = 0;
            if (newRow) {
                slot = nextSlot;
                nextSlot = (nextSlot + 1) % layout_.slotsPerRow;
                BeginEmployeeSlot(table, slot);
                table.setField(slotColumns[slot].payeeNumber, line.employee);
                if (account >= 0)
                    table.setField(slotColumns[slot].payeeAccount, rows.asString(account));
                ++result.transferCount;
            } else {
                table.edit();
                sofar = table.fieldFloat(slotColumns[slot].amount);
            }
            // Columns that keep parts of one selected column (an account's branch, kind and number)
            // read it once.
            std::vector<Source>& sources = slotColumns[slot].sources;
            for (Source& source : sources) {
                QString text = rows.asString(source.column);
                source.changed = !source.read || !text.isSharedWith(source.text);
                source.read = true;
                if (source.changed)
                    source.text = std::move(text);
            }
            for (Copied& copied : slotColumns[slot].copied) {
                const Source& source = sources[copied.source];
                if (!copied.keep) {
                    table.setField(copied.field, source.text);
                    continue;
                }
                if (source.changed)
                    copied.kept = (*copied.keep)(source.text);
                table.setField(copied.field, copied.kept);
            }
            if (observer_)
                observer_(rows, newRow);
            const std::optional<double> netPay = rows.asAmount(amount);
            if (!netPay)
                result.refusals << RefusalLine(line.employee + u' ' + rows.asString(name), wagbkText(15920), rows.asString(amount),
                                               values::FaultText(values::Fault::NotANumber));
            const double lineAmount = TransferAmount(netPay.value_or(0));
            table.setField(slotColumns[slot].amountField, sofar + lineAmount);
            if (completion_)
                completion_(table);
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
        // A row is posted once, after the last line of its last employee: the lines before leave it
        // being edited, so that it is not stored and read back again for every line or employee.
        if (nextSlot == 0)
            table.post();
        if (sortMode_ == 1 && departmentSum > 0)
            appendLabelRow(table, RowKind::Subtotal, subtotalLabel % QLatin1Char('(') % department % QLatin1Char(')'), departmentSum);
    }
    table.post();   // a row whose further slots stay empty
    // A cancelled table says so in its last row, where its total would stand.
    if (result.cancelled)
        appendLabelRow(table, RowKind::Total, wagbkText(10139), result.transferTotal);
    else if (result.transferTotal > 0)
        appendLabelRow(table, RowKind::Total, wagbkText(10101), result.transferTotal);
    progress.Finish();
    return result;
}
