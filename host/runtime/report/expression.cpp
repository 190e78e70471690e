#include "runtime/report/expression.h"
#include "runtime/db/localtable.h"
#include "runtime/report/fieldtext.h"
#include "runtime/report/items.h"
#include "runtime/report/reporterror.h"
#include <QRegularExpression>

namespace report {

ReportExpression::ReportExpression(const TQRExpr& item, const QString& reportTitle, const db::LocalTable* dataSet)
    : mask_(item.mask())
{
    const QString text = item.expression().simplified().remove(u' ').toUpper();
    static const QRegularExpression sumPattern(QStringLiteral("^SUM\\((\\w+(?:\\+\\w+)*)\\)$"));
    static const QRegularExpression fieldPattern(QStringLiteral("^\\w+$"));
    const QRegularExpressionMatch sum = sumPattern.match(text);
    if (text == u"PAGENUMBER") {
        kind_ = Kind::PageNumber;
    } else if (text == u"COUNT") {
        kind_ = Kind::Count;
    } else if (sum.hasMatch()) {
        kind_ = Kind::Sum;
        fields_ = sum.captured(1).split(u'+');
    } else if (fieldPattern.match(text).hasMatch()) {
        kind_ = Kind::Field;
        fields_ = {text};
    } else {
        throw ReportError(QStringLiteral("The report \"%1\" cannot be printed: its item \"%2\" asks for \"%3\", "
                                         "which the report cannot work out.")
                              .arg(reportTitle, item.name(), item.expression()));
    }
    for (const QString& field : fields_) {
        if (!(dataSet && dataSet->hasField(field)))
            throw ReportError(QStringLiteral("The report \"%1\" cannot be printed: its item \"%2\" needs the field "
                                             "\"%3\", which its data does not have.")
                                  .arg(reportTitle, item.name(), field));
    }
}

void ReportExpression::accumulate(const db::LocalTable* printedRow)
{
    ++count_;
    if (kind_ == Kind::Sum) {
        for (const QString& field : fields_)
            sum_ += printedRow->fieldFloat(field);
    }
}

void ReportExpression::reset()
{
    count_ = 0;
    sum_ = 0;
}

QString ReportExpression::text(int pageNumber, const db::LocalTable* dataSet) const
{
    switch (kind_) {
    case Kind::PageNumber: return ValueText(pageNumber, mask_);
    case Kind::Count: return ValueText(count_, mask_);
    case Kind::Sum: return ValueText(sum_, mask_);
    case Kind::Field: return ValueText(dataSet->field(fields_.front()), mask_);
    }
    return QString();
}

} // namespace report
