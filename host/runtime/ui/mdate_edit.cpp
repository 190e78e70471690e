#include "runtime/ui/mdate_edit.h"

#include "runtime/getdate.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

MDateEdit::MDateEdit(QWidget* parent) : QLineEdit(parent)
{
    // Up to "yyy/mm/dd": digits and slashes; the check of the date itself comes with date().
    static const QRegularExpression shape(QStringLiteral("[0-9 ]{0,3}(/[0-9 ]{0,2}(/[0-9 ]{0,2})?)?|[0-9]{0,7}"));
    setValidator(new QRegularExpressionValidator(shape, this));
    setMaxLength(9);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QLineEdit::editingFinished, this, &MDateEdit::Normalise);
}

void MDateEdit::Normalise()
{
    const QString formed = WithSlashes(text());
    if (formed != text())
        setText(formed);
}

QDate MDateEdit::date(const QString& fieldCaption) const
{
    return R_TWtoChina(WithSlashes(text()), fieldCaption);
}

void MDateEdit::setDate(const QDate& date)
{
    setText(R_ChinaToTWData(date));
}

QSize MDateEdit::sizeHint() const
{
    QSize hint = QLineEdit::sizeHint();
    const QMargins margins = textMargins();
    // The text, the edit's frame and its inner margins on both sides, and room for the cursor.
    hint.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("000/00/00")) + margins.left() + margins.right() + 16);
    return hint;
}

bool MDateEdit::IsEmpty() const
{
    return DateIsEmpty(text());
}

QString MDateEdit::WithSlashes(const QString& text)
{
    static const QRegularExpression digitsOnly(QStringLiteral("^\\s*(\\d{2,3})(\\d{2})(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = digitsOnly.match(text);
    if (!match.hasMatch())
        return text;
    return match.captured(1) + u'/' + match.captured(2) + u'/' + match.captured(3);
}
