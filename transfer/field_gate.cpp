#include "transfer/field_gate.h"

#include "transfer/transfer_table.h"

#include <algorithm>

namespace {

// A date in ROC form with an unpadded year, written whole: one byte more from the year 100 on.
bool dateGrows(const MediaField& field)
{
    const FieldReading& reading = field.source.reading();
    return field.form == FieldForm::Whole && reading.roc && reading.yearDigits == 0;
}

template <class Text>
std::optional<values::Fault> fault(const MediaField& field, const Text& text, qsizetype bytes)
{
    using values::Fault;
    if (values::HasControlCharacter(text))
        return Fault::ControlCharacter;
    if (field.source.holdsAccount()) {
        if (!values::IsDigits(text))
            return Fault::NotDigits;
        const int room = field.source.accountBytes() > 0 ? std::min(field.source.accountBytes(), field.width) : field.width;
        if (bytes > room)
            return Fault::TooLong;
    }
    switch (field.form) {
    case FieldForm::Zeros:
        if (!values::IsDigits(text))
            return Fault::NotDigits;
        if (bytes > field.width)
            return Fault::TooLong;
        break;
    case FieldForm::Right:
    case FieldForm::Code:
    case FieldForm::Padded:
        // Written whole, a longer text would make the record longer than its layout.
        if (bytes > field.width)
            return Fault::TooLong;
        break;
    default:
        break;
    }
    if (field.source.reading().kind == FieldKind::Date && field.form != FieldForm::Zeros
        && (bytes < field.width || bytes > field.width + (dateGrows(field) ? 1 : 0)))
        return Fault::DateLength;
    return std::nullopt;
}

} // namespace

std::optional<values::Fault> FieldFault(const MediaField& field, QStringView text, qsizetype bytes)
{
    return fault(field, text, bytes);
}

std::optional<values::Fault> FieldFault(const MediaField& field, QByteArrayView ascii)
{
    return fault(field, QLatin1StringView(ascii), ascii.size());
}

bool HoldsName(const MediaField& field)
{
    return field.source.column() == NameColumnName;
}
