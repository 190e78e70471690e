#include "transfer/media_record.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"

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
    if (row.fieldText(nameColumn).trimmed().isEmpty())
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
void appendLeftAligned(QByteArray& record, const QByteArray& big5, int width, char fill = ' ')
{
    if (big5.size() <= width) {
        record.append(big5);
        record.append(width - big5.size(), fill);
        return;
    }
    const QByteArray cut = CutBig5(big5, width);
    record.append(cut);
    record.append(width - cut.size(), fill);
}

// False, appending nothing, when the digits exceed the width.
bool appendZeroFilled(QByteArray& record, qint64 value, int width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int length = int(end - digits);
    if (length > width)
        return false;
    record.append(width - length, '0');
    record.append(digits, length);
    return true;
}

} // namespace

QByteArray LeftAligned(const QByteArray& big5, int width)
{
    QByteArray bytes;
    appendLeftAligned(bytes, big5, width);
    return bytes;
}

std::optional<QByteArray> ZeroFilled(qint64 value, int width)
{
    QByteArray bytes;
    if (!appendZeroFilled(bytes, value, width))
        return std::nullopt;
    return bytes;
}

QByteArray MediaRecord::Render(const RecordContext& context, const RecordOwner& who, ExportFindings& findings) const
{
    QByteArray record;
    record.reserve(length() + 4);
    RenderInto(record, context, who, findings);
    return record;
}

void MediaRecord::RenderInto(QByteArray& record, const RecordContext& context, const RecordOwner& who, ExportFindings& findings,
                             SteadyFields* steady) const
{
    Big5Text big5;   // one room for the record's texts, field after field
    for (const MediaField& field : fields_) {
        if (!steady || !field.source.steady()) {
            RenderField(record, field, context, who, findings, big5);
            continue;
        }
        if (const QByteArray* rendered = steady->find(&field)) {
            record.append(*rendered);
            continue;
        }
        // A field with a finding is rendered again in every record, so that each is named in it.
        const qsizetype start = record.size();
        if (RenderField(record, field, context, who, findings, big5))
            steady->keep(&field, record.sliced(start));
    }
}

bool MediaRecord::RenderField(QByteArray& record, const MediaField& field, const RecordContext& context, const RecordOwner& who,
                              ExportFindings& findings, Big5Text& big5)
{
    const FieldValue value = field.source(context);
    if (value.number) {
        if (!value.fits || !appendZeroFilled(record, *value.number, field.width)) {
            findings.refuse(who.name(), field.content,
                            value.shownAmount ? QString::number(std::trunc(*value.shownAmount) + 0.0, 'f', 0)
                                              : QString::number(*value.number));
            record.append(field.width, '0');
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
    switch (field.form) {
    case FieldForm::Whole:
        record.append(big5.bytes);
        break;
    case FieldForm::Padded:
        record.append(big5.bytes);
        record.append(qMax(0, field.width - int(big5.bytes.size())), ' ');
        break;
    case FieldForm::Cut:
        record.append(big5.bytes.size() <= field.width ? big5.bytes : CutBig5(big5.bytes, field.width));
        break;
    case FieldForm::LeftZeros: {
        const QByteArray cut = big5.bytes.size() <= field.width ? big5.bytes : CutBig5(big5.bytes, field.width);
        record.append(cut);
        record.append(field.width - int(cut.size()), '0');
        break;
    }
    case FieldForm::Right:
    case FieldForm::Code:
        record.append(qMax(0, field.width - int(big5.bytes.size())), field.form == FieldForm::Right ? ' ' : '0');
        record.append(big5.bytes);
        break;
    case FieldForm::Zeros:
        if (big5.bytes.size() > field.width) {
            clean = false;
            findings.refuse(who.name(), field.content, value.text);
        }
        record.append(QByteArray(qMax(0, field.width - int(big5.bytes.size())), '0') + big5.bytes.left(field.width));
        break;
    case FieldForm::Left:
        appendLeftAligned(record, big5.bytes, field.width);
        break;
    }
    return clean;
}
