#include "company/row_checker.h"

#include "company/import_texts.h"
#include "runtime/sheet_values.h"
#include "runtime/value_checks.h"

#include <QFileInfo>
#include <cmath>

namespace company {

namespace {

// NUMERIC(12,2): ten digits of whole units.
constexpr double LargestAmount = 9999999999.0;

QString PayMethod(const QString& text)
{
    if (text == u"1" || text == u"現金" || text == u"现金")
        return QStringLiteral("1");
    if (text == u"2" || text == u"轉帳" || text == u"转帐" || text == u"轉賬" || text == u"转账")
        return QStringLiteral("2");
    return QString();
}

// The cell without its surrounding blanks; most cells have none and are shared, not copied.
QString Trimmed(const QString& cell)
{
    const QStringView trimmed = QStringView(cell).trimmed();
    return trimmed.size() == cell.size() ? cell : trimmed.toString();
}

// An amount's text with its two decimals, made from its cents.
QString AmountText(qint64 cents)
{
    return QString::number(cents / 100) + u'.' + QChar(u'0' + int(cents / 10 % 10)) + QChar(u'0' + int(cents % 10));
}

} // namespace

qint64 CentsOf(QStringView amount)
{
    qint64 cents = 0;
    for (const QChar c : amount)
        if (c != u'.')
            cents = cents * 10 + (c.unicode() - u'0');
    return cents;
}

RowChecker::RowChecker(const ImportOptions& options, const QString& sheetName, const std::vector<QString>& headings,
                       SheetLayout layout, ImportSummary& summary)
    : options_(options), sheet_(sheetName), headings_(headings), layout_(std::move(layout)),
      rules_(ColumnsOf(options.kind)), summary_(summary)
{
    for (const SheetLayout::Fault& fault : layout_.faults)
        summary_.failures << ImportString(FailureLine).arg(QFileInfo(options_.file).fileName(), sheet_).arg(1)
                                 .arg(fault.heading, fault.heading, ImportString(fault.reason));
}

int RowChecker::rule(const char* column) const
{
    for (size_t i = 0; i < rules_.size(); ++i)
        if (rules_[i].column == QLatin1String(column))
            return int(i);
    return -1;
}

QString RowChecker::heading(int rule) const
{
    const int at = layout_.sheetColumnOf[size_t(rule)];
    return at >= 0 ? headings_[size_t(at)] : rules_[size_t(rule)].headings.first();
}

void RowChecker::fail(int row, int rule, const QString& value, const QString& reason)
{
    summary_.failures << ImportString(FailureLine)
                             .arg(QFileInfo(options_.file).fileName(), sheet_)
                             .arg(row)
                             .arg(heading(rule), values::Shown(value), reason);
}

const std::vector<QString>& RowChecker::read(const SheetRow& row)
{
    values_.assign(rules_.size(), QString());
    for (size_t rule = 0; rule < rules_.size(); ++rule) {
        const int at = layout_.sheetColumnOf[rule];
        if (at < 0)
            continue;
        const QString cell = size_t(at) < row.cells.size() ? Trimmed(row.cells[size_t(at)]) : QString();
        if (cell.isEmpty()) {
            if (rules_[rule].required)
                fail(row.number, int(rule), cell, ImportString(ValueMissing));
            continue;
        }
        values_[rule] = value(row.number, int(rule), cell);
    }
    return values_;
}

// The value of one cell, or an empty text after noting its failure.
QString RowChecker::value(int row, int rule, const QString& cell)
{
    const ColumnRule& column = rules_[size_t(rule)];
    const auto refuse = [&](const QString& reason) {
        fail(row, rule, cell, reason);
        return QString();
    };
    if (values::HasControlCharacter(cell))
        return refuse(values::FaultText(values::Fault::ControlCharacter));
    switch (column.kind) {
    case ValueKind::Digits:
        if (!values::IsDigits(cell))
            return refuse(values::FaultText(values::Fault::NotDigits));
        break;
    case ValueKind::Date: {
        const QDate date = values::ParseSheetDate(cell);
        return date.isValid() ? date.toString(Qt::ISODate) : refuse(ImportString(NoSuchDate));
    }
    case ValueKind::PayMethod: {
        const QString method = PayMethod(cell);
        return method.isEmpty() ? refuse(ImportString(NotAPayMethod)) : method;
    }
    case ValueKind::Amount: {
        bool tooManyDecimals = false;
        const std::optional<double> amount = values::ParseSheetAmount(cell, &tooManyDecimals);
        if (!amount)
            return refuse(tooManyDecimals ? ImportString(TooManyDecimals) : values::FaultText(values::Fault::NotANumber));
        if (const auto fault = values::AmountFault(*amount, 1, LargestAmount, false))
            return refuse(values::FaultText(*fault));
        return AmountText(std::llround(*amount * 100));
    }
    case ValueKind::Text:
        if (!values::FitsBig5(cell))
            summary_.warnings << ImportString(Big5Warning)
                                     .arg(QFileInfo(options_.file).fileName(), sheet_)
                                     .arg(row)
                                     .arg(heading(rule), cell);
        break;
    }
    if (column.maxLength > 0 && cell.size() > column.maxLength)
        return refuse(values::FaultText(values::Fault::TooLong));
    return cell;
}

} // namespace company
