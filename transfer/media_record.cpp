#include "transfer/media_record.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "transfer/field_gate.h"
#include "transfer/record_bytes.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

QString RefusalLine(const QString& who, const QString& content, const QString& value, const QString& reason)
{
    const QString shown = values::Shown(value);
    return QStringLiteral("%1: %2 = %3")
        .arg(values::Shown(who), content, reason.isEmpty() ? shown : LoadFormResourceStr(QStringLiteral("WAGBK"), 15910).arg(shown, reason));
}

namespace {
QString reasonOf(std::optional<values::Fault> fault)
{
    return fault ? values::FaultText(*fault) : QString();
}
}

void ExportFindings::refuse(const QString& who, const QString& content, const QString& value, std::optional<values::Fault> fault)
{
    refusals << RefusalLine(who, content, value, reasonOf(fault));
}

void ExportFindings::refuseOnce(const QString& who, const QString& content, const QString& value, std::optional<values::Fault> fault)
{
    const QString line = RefusalLine(who, content, value, reasonOf(fault));
    if (!once_.contains(line)) {
        once_.insert(line);
        refusals << line;
    }
}

void ExportFindings::substituted(const QString& who)
{
    if (!listed_.contains(who)) {
        listed_.insert(who);
        substitutedNames << who;
    }
}

void ExportFindings::append(const ExportFindings& later)
{
    for (const QString& line : later.refusals) {
        if (later.once_.contains(line)) {
            if (once_.contains(line))
                continue;
            once_.insert(line);
        }
        refusals << line;
    }
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

// Places a field's text, as Big5 bytes, in its form, once the gate has let it pass.
void placeText(RecordBytes& record, const MediaField& field, QByteArrayView big5)
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
    case FieldForm::Zeros:
        record.fill(field.width - size, field.form == FieldForm::Right ? ' ' : '0');
        record.append(big5);
        break;
    case FieldForm::Left:
        appendLeftAligned(record, big5, field.width);
        break;
    }
}

// Lists a refused value: one of a steady field is the same in every record and is named once.
void refuseValue(const MediaField& field, const RecordOwner& who, ExportFindings& findings, const QString& value,
                 std::optional<values::Fault> fault)
{
    if (field.source.steady())
        findings.refuseOnce(LoadFormResourceStr(QStringLiteral("WAGBK"), 15919), field.content, value, fault);
    else
        findings.refuse(who.name(), field.content, value, fault);
}

// Stands for a refused value in a record that will not be written.
bool refusedField(RecordBytes& record, const MediaField& field)
{
    record.fill(field.width, ' ');
    return false;
}

// Places a text in Big5 once the gate let it pass; false when it gave a finding (a refusal or a
// substituted name). `refused` tells that the source refused it already.
bool placeBig5(RecordBytes& record, const MediaField& field, const QString& text, bool refused, std::optional<values::Fault> fault,
               const RecordOwner& who, ExportFindings& findings, Big5Text& big5)
{
    ToBig5(text, big5);
    if (const std::optional<values::Fault> found = FieldFault(field, text, big5.bytes.size()))
        fault = found;
    else if (big5.substituted && !HoldsName(field))
        fault = values::Fault::NotBig5;
    if (refused || fault) {
        refuseValue(field, who, findings, text, fault);
        return refusedField(record, field);
    }
    if (big5.substituted)
        findings.substituted(who.name());
    placeText(record, field, big5.bytes);
    return !big5.substituted;
}

// Appends one field; false when it gave a finding (a refusal or a substituted name).
bool renderField(RecordBytes& record, const MediaField& field, const RecordContext& context, const RecordOwner& who,
                 ExportFindings& findings, RenderRoom& room)
{
    // A column is taken from the row as it is stored: plain ASCII byte for byte, as Big5 holds it,
    // and any other text in the room kept for it.
    if (context.row && !field.source.column().isEmpty()) {
        if (const std::optional<QByteArrayView> ascii = context.row->fieldAscii(field.source.column())) {
            if (const std::optional<values::Fault> fault = FieldFault(field, *ascii)) {
                refuseValue(field, who, findings, QString::fromLatin1(*ascii), fault);
                return refusedField(record, field);
            }
            placeText(record, field, *ascii);
            return true;
        }
        context.row->fieldTextInto(field.source.column(), room.text);
        return placeBig5(record, field, room.text, false, std::nullopt, who, findings, room.big5);
    }
    const FieldValue value = field.source(context);
    if (value.number) {
        if (!value.fits || !appendZeroFilled(record, *value.number, field.width)) {
            refuseValue(field, who, findings,
                        value.shownAmount ? QString::number(std::trunc(*value.shownAmount) + 0.0, 'f', 0) : QString::number(*value.number),
                        value.fault);
            record.fill(field.width, '0');
            return false;
        }
        return true;
    }
    return placeBig5(record, field, value.text, !value.fits, value.fault, who, findings, room.big5);
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
                             RenderRoom* kept) const
{
    RecordBytes record(out);
    RenderRoom own;   // for a record rendered on its own
    RenderRoom& room = kept ? *kept : own;
    SteadyFields* const steady = kept ? &kept->steady : nullptr;
    for (size_t i = 0; i < fields_.size();) {
        const MediaField& field = fields_[i];
        if (!steady || !field.source.steady()) {
            renderField(record, field, context, who, findings, room);
            ++i;
            continue;
        }
        if (const SteadyFields::Run* run = steady->find(&field)) {
            record.append(run->bytes);
            i += run->fields;
            continue;
        }
        // A run with a finding is rendered again in every record, so that each is named in it.
        const qsizetype start = record.size();
        const size_t first = i;
        bool clean = true;
        for (; i < fields_.size() && fields_[i].source.steady(); ++i)
            clean = renderField(record, fields_[i], context, who, findings, room) && clean;
        if (clean)
            steady->keep({&field, i - first, record.since(start)});
    }
}
