#include "transfer/media_record.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "transfer/record_bytes.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

void ExportFindings::refuse(const QString& who, const QString& content, const QString& value)
{
    refusals << QStringLiteral("%1: %2 = %3").arg(who, content, value);
}

void ExportFindings::substituted(const QString& who)
{
    if (!substitutedNames.contains(who))
        substitutedNames << who;
}

void ExportFindings::append(const ExportFindings& later)
{
    refusals << later.refusals;
    for (const QString& name : later.substitutedNames)
        substituted(name);
}

void RefuseNameless(const db::LocalTable& row, const QString& nameColumn, const RecordOwner& who, ExportFindings& findings)
{
    if (row.fieldBlank(nameColumn))
        findings.refuse(who.name(), LoadFormResourceStr(QStringLiteral("WAGBK"), 15900), LoadFormResourceStr(QStringLiteral("WAGBK"), 15901));
}

MediaRecord::MediaRecord(std::initializer_list<MediaField> fields)
    : MediaRecord(std::vector<MediaField>(fields))
{
}

MediaRecord::MediaRecord(std::vector<MediaField> fields)
    : fields_(std::move(fields))
{
    int next = 1;
    for (const MediaField& field : fields_) {
        if (field.position != next)
            throw std::logic_error(QStringLiteral("Media record field \"%1\" starts at %2, expected %3")
                                       .arg(field.content).arg(field.position).arg(next).toStdString());
        next += field.width;
    }
}

int MediaRecord::length() const
{
    return fields_.empty() ? 0 : fields_.back().position + fields_.back().width - 1;
}

namespace {

// The field rules append to the record in place: a file of many records is mostly these.
void appendLeftAligned(RecordBytes& record, QByteArrayView big5, int width, char fill = ' ')
{
    const qsizetype kept = Big5Prefix(big5, width);
    record.append(big5.first(kept));
    record.fill(width - kept, fill);
}

// False, appending nothing, when the digits exceed the width.
bool appendZeroFilled(RecordBytes& record, qint64 value, int width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int length = int(end - digits);
    if (length > width)
        return false;
    record.fill(width - length, '0');
    record.append(QByteArrayView(digits, length));
    return true;
}

// Places a field's text, as Big5 bytes, in its form; false when the form refuses it. `text` gives
// the text for the clerk's list.
template <class Text>
bool placeText(RecordBytes& record, const MediaField& field, QByteArrayView big5, const Text& text, const RecordOwner& who,
               ExportFindings& findings)
{
    const qsizetype size = big5.size();
    switch (field.form) {
    case FieldForm::Whole:
        record.append(big5);
        break;
    case FieldForm::Padded:
        record.append(big5);
        record.fill(field.width - size, ' ');
        break;
    case FieldForm::Cut:
        record.append(big5.first(Big5Prefix(big5, field.width)));
        break;
    case FieldForm::LeftZeros:
        appendLeftAligned(record, big5, field.width, '0');
        break;
    case FieldForm::Right:
    case FieldForm::Code:
        record.fill(field.width - size, field.form == FieldForm::Right ? ' ' : '0');
        record.append(big5);
        break;
    case FieldForm::Zeros:
        record.fill(field.width - size, '0');
        record.append(big5.first(std::min<qsizetype>(size, field.width)));
        if (size > field.width) {
            findings.refuse(who.name(), field.content, text());
            return false;
        }
        break;
    case FieldForm::Left:
        appendLeftAligned(record, big5, field.width);
        break;
    }
    return true;
}

// Appends one field; false when it gave a finding (a refusal or a substituted name).
bool renderField(RecordBytes& record, const MediaField& field, const RecordContext& context, const RecordOwner& who,
                 ExportFindings& findings, Big5Text& big5)
{
    // A column of plain ASCII is copied from the row as it is stored: Big5 holds it byte for byte.
    if (context.row && !field.source.column().isEmpty()) {
        if (const std::optional<QByteArrayView> ascii = context.row->fieldAscii(field.source.column()))
            return placeText(record, field, *ascii, [&ascii] { return QString::fromLatin1(*ascii); }, who, findings);
    }
    const FieldValue value = field.source(context);
    if (value.number) {
        if (!value.fits || !appendZeroFilled(record, *value.number, field.width)) {
            findings.refuse(who.name(), field.content,
                            value.shownAmount ? QString::number(std::trunc(*value.shownAmount) + 0.0, 'f', 0)
                                              : QString::number(*value.number));
            record.fill(field.width, '0');
            return false;
        }
        return true;
    }
    bool clean = value.fits;
    if (!value.fits)
        findings.refuse(who.name(), field.content, value.text);
    ToBig5(value.text, big5);
    if (big5.substituted) {
        clean = false;
        findings.substituted(who.name());
    }
    return placeText(record, field, big5.bytes, [&value] { return value.text; }, who, findings) && clean;
}

} // namespace

QByteArray LeftAligned(const QByteArray& big5, int width)
{
    QByteArray bytes;
    RecordBytes record(bytes);
    appendLeftAligned(record, big5, width);
    return bytes;
}

std::optional<QByteArray> ZeroFilled(qint64 value, int width)
{
    QByteArray bytes;
    {
        RecordBytes record(bytes);
        if (!appendZeroFilled(record, value, width))
            return std::nullopt;
    }
    return bytes;
}

QByteArray MediaRecord::Render(const RecordContext& context, const RecordOwner& who, ExportFindings& findings) const
{
    QByteArray record;
    record.reserve(length() + 4);
    RenderInto(record, context, who, findings);
    return record;
}

void MediaRecord::RenderInto(QByteArray& out, const RecordContext& context, const RecordOwner& who, ExportFindings& findings,
                             SteadyFields* steady) const
{
    RecordBytes record(out);
    Big5Text big5;   // one room for the record's texts, field after field
    for (const MediaField& field : fields_) {
        if (!steady || !field.source.steady()) {
            renderField(record, field, context, who, findings, big5);
            continue;
        }
        if (const QByteArray* rendered = steady->find(&field)) {
            record.append(*rendered);
            continue;
        }
        // A field with a finding is rendered again in every record, so that each is named in it.
        const qsizetype start = record.size();
        if (renderField(record, field, context, who, findings, big5))
            steady->keep(&field, record.since(start));
    }
}
