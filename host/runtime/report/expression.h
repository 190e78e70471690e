#pragma once
// The expressions a TQRExpr prints, without regard to case or blanks:
//   PAGENUMBER   the number of the page being printed (in the summary: the last page's number)
//   COUNT        the detail rows printed so far
//   SUM(FIELD)   the sum of a number field over the detail rows printed so far; SUM(A+B) sums the
//                fields of each row
//   FIELD        a field of the current row (after the last row: of the last row, as a data set stands)
// COUNT and SUM run over the whole report, or over what printed since the item's band last
// printed when the item resets after print.
#include <QString>
#include <QStringList>

namespace db { class LocalTable; }

namespace report {

class TQRExpr;

class ReportExpression {
public:
    // Raises ReportError for an expression it cannot evaluate or a field the data set lacks.
    ReportExpression(const TQRExpr& item, const QString& reportTitle, const db::LocalTable* dataSet);

    // After a detail band printed; the data set stands on the printed row (null for a report without one).
    void accumulate(const db::LocalTable* printedRow);
    void reset();
    QString text(int pageNumber, const db::LocalTable* dataSet) const;

private:
    enum class Kind { PageNumber, Count, Sum, Field };
    Kind kind_ = Kind::PageNumber;
    QStringList fields_;
    QString mask_;
    double sum_ = 0;
    long long count_ = 0;
};

} // namespace report
