#pragma once
// A band of a report: a strip of the page that prints as a whole. Per page: the page header, on the
// first page the title, the column header, then one detail band per row of the data set, on the last
// page the summary, and the page footer at the foot of the page.
//
// Events, each optional:
//   BeforePrint(band, printBand)  may change the band's items, its height, or set printBand to false;
//                                 a band left with height 0 does not print either.
//   AfterPrint(band, bandPrinted) runs after the band was placed (bandPrinted) or skipped.
#include "runtime/report/items.h"
#include <functional>
#include <memory>
#include <vector>

namespace report {

class TQuickRep;

enum class BandType { PageHeader, Title, ColumnHeader, Detail, Summary, PageFooter };

class TQRBand {
public:
    TQRBand(TQuickRep& report, BandType type, const QString& name, double heightMm);
    TQRBand(const TQRBand&) = delete;
    TQRBand& operator=(const TQRBand&) = delete;

    TQuickRep& report() const { return report_; }
    BandType type() const { return type_; }
    const QString& name() const { return name_; }
    double heightMm() const { return heightMm_; }
    void setHeightMm(double height) { heightMm_ = height; }

    // Item names are unique within the report; a name used twice raises ReportError.
    TQRLabel& addLabel(const QString& name, const QRectF& geometryMm, const QString& caption);
    TQRDBText& addDBText(const QString& name, const QRectF& geometryMm, const QString& dataField,
                         const QString& mask = QString());
    TQRExpr& addExpr(const QString& name, const QRectF& geometryMm, const QString& expression,
                     const QString& mask = QString());
    TQRMemo& addMemo(const QString& name, const QRectF& geometryMm, const QStringList& lines);
    TQRShape& addShape(const QString& name, const QRectF& geometryMm, ShapeKind shape);

    const std::vector<std::unique_ptr<TQRPrintable>>& items() const { return items_; }

    std::function<void(TQRBand& band, bool& printBand)> BeforePrint;
    std::function<void(TQRBand& band, bool bandPrinted)> AfterPrint;

private:
    template <class Item, class... Args>
    Item& add(const QString& name, Args&&... args);

    TQuickRep& report_;
    BandType type_;
    QString name_;
    double heightMm_;
    std::vector<std::unique_ptr<TQRPrintable>> items_;
};

} // namespace report
