#include "transfer/media_record.h"

#include "runtime/cvcode.h"

#include <stdexcept>

void ExportFindings::refuse(const QString& who, const QString& content, const QString& value)
{
    refusals << QStringLiteral("%1: %2 = %3").arg(who, content, value);
}

MediaRecord::MediaRecord(std::initializer_list<MediaField> fields)
    : fields_(fields)
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

QByteArray LeftAligned(const QByteArray& big5, int width)
{
    QByteArray bytes = CutBig5(big5, width);
    if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}

std::optional<QByteArray> ZeroFilled(qint64 value, int width)
{
    QByteArray digits = QByteArray::number(value);
    if (digits.size() > width)
        return std::nullopt;
    return QByteArray(width - digits.size(), '0') + digits;
}

QByteArray MediaRecord::Render(const RecordContext& context, const QString& who, ExportFindings& findings) const
{
    QByteArray record;
    record.reserve(length() + 4);
    for (const MediaField& field : fields_) {
        const FieldValue value = field.source(context);
        if (value.number) {
            const std::optional<QByteArray> text = value.fits ? ZeroFilled(*value.number, field.width) : std::nullopt;
            if (!text) {
                findings.refuse(who, field.content, QString::number(*value.number));
                record.append(field.width, '0');
            } else {
                record.append(*text);
            }
            continue;
        }
        if (!value.fits)
            findings.refuse(who, field.content, value.text);
        const Big5Text big5 = ToBig5(value.text);
        if (big5.substituted && !findings.substitutedNames.contains(who))
            findings.substitutedNames << who;
        if (field.form == FieldForm::Whole) {
            record.append(big5.bytes);
        } else if (field.form == FieldForm::Zeros) {
            if (big5.bytes.size() > field.width)
                findings.refuse(who, field.content, value.text);
            record.append(QByteArray(qMax(0, field.width - int(big5.bytes.size())), '0') + big5.bytes.left(field.width));
        } else {
            record.append(LeftAligned(big5.bytes, field.width));
        }
    }
    return record;
}
