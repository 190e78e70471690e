#include "transfer/read_field_shapes.h"

#include <QDate>
#include <algorithm>
#include <limits>

namespace {

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

// The value of a run of digits, known to be digits and few enough to hold.
int digitsValue(QByteArrayView digits)
{
    int value = 0;
    for (const char digit : digits)
        value = value * 10 + (digit - '0');
    return value;
}

} // namespace

QByteArray ConstantBytes(const MediaField& field)
{
    ExportFindings findings;
    return MediaRecord({MediaField{1, field.width, field.form, field.source, field.content}}).Render({}, {}, findings);
}

std::optional<qint64> ZerosNumber(QByteArrayView bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() && bytes[at] == '0')
        ++at;
    const bool negative = at < bytes.size() && bytes[at] == '-';
    if (negative)
        ++at;
    if (at == bytes.size() && (negative || bytes.isEmpty()))
        return std::nullopt;
    qint64 value = 0;
    for (; at < bytes.size(); ++at) {
        if (!isDigit(bytes[at]))
            return std::nullopt;
        const int digit = bytes[at] - '0';
        if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
            return 0;   // too large for a number: read as zero, as a text's conversion gives
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

bool DateExists(QByteArrayView bytes, const MediaField& field)
{
    const FieldReading& reading = field.source.reading();
    QByteArrayView date = bytes;
    // A "0"-filled date: its zeros in front are dropped, and a year of fixed digits takes them back.
    int yearZeros = 0;
    if (field.form == FieldForm::Zeros) {
        while (!date.isEmpty() && date.front() == '0')
            date = date.sliced(1);
        if (reading.roc && reading.yearDigits > 0)
            yearZeros = std::max(0, reading.yearDigits + 4 - int(date.size()));
    }
    if (date.isEmpty() && yearZeros == 0)
        return false;
    if (!std::all_of(date.begin(), date.end(), isDigit))
        return false;
    const int yearDigits = yearZeros + int(date.size()) - 4;
    if (!reading.roc ? yearDigits != 4
                     : reading.yearDigits > 0 ? yearDigits != reading.yearDigits : yearDigits < 1 || yearDigits > 3 || date.front() == '0')
        return false;
    const int value = digitsValue(date);   // at most eight digits here
    return QDate(value / 10000 + (reading.roc ? 1911 : 0), value / 100 % 100, value % 100).isValid();
}
