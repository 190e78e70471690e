#include "transfer/read_field_shapes.h"

#include <QDate>
#include <QRegularExpression>

QByteArray ConstantBytes(const MediaField& field)
{
    ExportFindings findings;
    return MediaRecord({MediaField{1, field.width, field.form, field.source, field.content}}).Render({}, {}, findings);
}

std::optional<qint64> ZerosNumber(const QByteArray& bytes)
{
    static const QRegularExpression form(QStringLiteral("^0*-?[0-9]+$"));
    const QString text = QString::fromLatin1(bytes);
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const qsizetype significant = text.indexOf(QRegularExpression(QStringLiteral("[^0]")));
    return significant < 0 ? 0 : text.mid(significant).toLongLong();
}

bool DateExists(const QString& text, const MediaField& field)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const FieldReading& reading = field.source.reading();
    QString date = text;
    if (field.form == FieldForm::Zeros) {
        while (date.startsWith(u'0'))
            date.remove(0, 1);
        if (reading.roc && reading.yearDigits > 0)
            date = date.rightJustified(reading.yearDigits + 4, u'0');
    }
    if (!digits.match(date).hasMatch())
        return false;
    const qsizetype yearDigits = date.size() - 4;
    if (!reading.roc ? yearDigits != 4
                     : reading.yearDigits > 0 ? yearDigits != reading.yearDigits : yearDigits < 1 || yearDigits > 3 || date.startsWith(u'0'))
        return false;
    const int year = date.left(yearDigits).toInt() + (reading.roc ? 1911 : 0);
    return QDate(year, date.mid(yearDigits, 2).toInt(), date.right(2).toInt()).isValid();
}
