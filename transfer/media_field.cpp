#include "transfer/media_field.h"

#include "runtime/compdata.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

QString RocDateText(const QDate& date, int yearDigits)
{
    return QStringLiteral("%1%2%3")
        .arg(date.year() - 1911, yearDigits, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString CalendarDateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

qint64 TruncatedAmount(double amount, source::Unit unit)
{
    const double scale = unit == source::Unit::Whole ? 1 : unit == source::Unit::Tenths ? 10 : 100;
    // A tiny nudge away from zero keeps 1234.56 * 100 from truncating to 123455.
    const double scaled = amount * scale;
    return qint64(std::trunc(scaled + (scaled >= 0 ? 1e-6 : -1e-6)));
}

namespace source {

namespace {
FieldValue amountValue(double amount, Unit unit, IntegerWidth bits, Sign sign = Sign::Any)
{
    const double scale = unit == Unit::Whole ? 1 : unit == Unit::Tenths ? 10 : 100;
    const double limit = bits == IntegerWidth::Bits32 ? double(std::numeric_limits<qint32>::max()) : 9.0e18;
    const std::optional<values::Fault> fault = values::AmountFault(amount, scale, limit, sign == Sign::Any);
    FieldValue value = FieldValue::Number(fault ? 0 : TruncatedAmount(amount, unit), !fault);
    value.shownAmount = amount;
    value.fault = fault;
    return value;
}

FieldReading rocDate(int yearDigits)
{
    return {.kind = FieldKind::Date, .roc = true, .yearDigits = yearDigits};
}
}

FieldSource Steady(FieldSource source)
{
    source.markSteady();
    return source;
}

FieldSource Constant(const QString& text)
{
    return Steady({[text](const RecordContext&) { return FieldValue::Text(text); }, {.kind = FieldKind::Constant, .constant = text}});
}

FieldSource Blank()
{
    return Constant(QString());
}

FieldSource Column(const QString& column)
{
    FieldSource source = [column](const RecordContext& c) { return FieldValue::Text(c.row ? c.row->fieldText(column) : QString()); };
    source.markColumn(column);
    if (column.startsWith(QLatin1String("BACC_NO")))
        source.markAccount();
    return source;
}

FieldSource Parameter(const QString& column)
{
    FieldSource parameter = Steady([column](const RecordContext& c) {
        return FieldValue::Text(c.parameters ? c.parameters->value(column) : QString());
    });
    parameter.markParameters({column});
    return parameter;
}

FieldSource Leading(int count, FieldSource text)
{
    if (text.holdsAccount()) {
        // Whole, for the gate to refuse one longer than `count`.
        FieldSource account = [text](const RecordContext& c) { return text(c); };
        account.markAccount(text.accountBytes() > 0 ? std::min(count, text.accountBytes()) : count);
        return account;
    }
    const bool steady = text.steady();
    const QStringList parameters = text.parameters();
    FieldSource leading = [count, text = std::move(text)](const RecordContext& c) {
        FieldValue value = text(c);
        // By whole characters, so that one Big5 cannot hold is still found by the record.
        value.text = values::Big5Leading(value.text, count);
        return value;
    };
    leading.markParameters(parameters);
    return steady ? Steady(std::move(leading)) : leading;
}

FieldSource Joined(std::vector<FieldSource> parts)
{
    const bool steady = std::all_of(parts.begin(), parts.end(), [](const FieldSource& part) { return part.steady(); });
    QStringList parameters;
    for (const FieldSource& part : parts)
        parameters += part.parameters();
    FieldSource joined = [parts = std::move(parts)](const RecordContext& c) {
        FieldValue joined = FieldValue::Text(QString());
        for (const FieldSource& part : parts) {
            const FieldValue value = part(c);
            joined.text += value.text;
            joined.fits = joined.fits && value.fits;   // a part the bank cannot take refuses the whole
        }
        return joined;
    };
    joined.markParameters(parameters);
    return steady ? Steady(std::move(joined)) : joined;
}

FieldSource CompanyUniformNumber()
{
    return Steady([](const RecordContext&) { return FieldValue::Text(Compdata::CompanyUniformNumber()); });
}

FieldSource TransferDateRoc(int yearDigits)
{
    return Steady({[yearDigits](const RecordContext& c) { return FieldValue::Text(RocDateText(c.values.transferDate, yearDigits)); },
                   rocDate(yearDigits)});
}

FieldSource TodayRoc(int yearDigits)
{
    return Steady({[yearDigits](const RecordContext& c) { return FieldValue::Text(RocDateText(c.today, yearDigits)); }, rocDate(yearDigits)});
}

FieldSource TransferDateCalendar()
{
    return Steady({[](const RecordContext& c) { return FieldValue::Text(CalendarDateText(c.values.transferDate)); }, {.kind = FieldKind::Date}});
}

FieldSource Sequence(int first)
{
    return {[first](const RecordContext& c) { return FieldValue::Number(qint64(c.sequence) + first - 1); },
            {.kind = FieldKind::Sequence, .first = first}};
}

FieldSource TransferCount()
{
    return {[](const RecordContext& c) { return FieldValue::Number(c.values.transferCount); }, {.kind = FieldKind::Count}};
}

FieldSource EmployeeRecordCount()
{
    return {[](const RecordContext& c) { return FieldValue::Number(c.employeeRecords); }, {.kind = FieldKind::Count}};
}

FieldSource RowAmount(Unit unit, IntegerWidth bits, Sign sign)
{
    return {[unit, bits, sign](const RecordContext& c) {
                return amountValue(c.row ? c.row->fieldFloat(QStringLiteral("A_MTN")) : 0, unit, bits, sign);
            },
            {.kind = FieldKind::Amount, .unit = unit}};
}

FieldSource TotalAmount(Unit unit, IntegerWidth bits)
{
    return {[unit, bits](const RecordContext& c) { return amountValue(c.values.transferTotal, unit, bits); },
            {.kind = FieldKind::Total, .unit = unit}};
}

FieldSource EmployeeRecordTotal(Unit unit, IntegerWidth bits)
{
    return {[unit, bits](const RecordContext& c) { return amountValue(c.employeeTotal, unit, bits); },
            {.kind = FieldKind::Total, .unit = unit}};
}

FieldSource CheckCode(FieldSource value, FieldCheck check, CheckFailure failure)
{
    const bool account = value.holdsAccount();
    const int accountBytes = value.accountBytes();
    const QStringList parameters = value.parameters();
    FieldSource checked{[value = std::move(value)](const RecordContext& c) { return value(c); },
                        {.kind = FieldKind::Checked,
                         .check = std::move(check),
                         .acceptedBeforeExport = failure == CheckFailure::ShownBeforeExport}};
    if (account)
        checked.markAccount(accountBytes);
    checked.markParameters(parameters);
    return checked;
}

} // namespace source
