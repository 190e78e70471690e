#pragma once
// A banded report over a local table. The report walks the rows of its data set that pass the
// table's own filter (e.g. "YG_NAME<>''"), prints a detail band for each, and breaks pages itself:
// a row that does not fit above the page footer starts a new page (page footer first, then the next
// page's header). The last row always shares its page with the summary, so the summary never stands
// alone on a page without rows.
//
//   report::TQuickRep rep(form);
//   rep.setDataSet(&table);
//   auto& detail = rep.addBand(report::BandType::Detail, "DetailBand1", 6);
//   detail.addDBText("QRDBText3", {0, 0, 45, 6}, "BACC_NO");
//   rep.preview();   // or rep.print(), rep.printToPdf(path), rep.layout()
//
// Without a data set the detail band prints once (a form with no rows). Events run during layout:
// OnStartPage before each page's header, the bands' BeforePrint and AfterPrint around each band;
// pageNumber() and dataSetAtEnd() tell them where the walk stands.
#include "runtime/report/band.h"
#include "runtime/report/laidout.h"
#include "runtime/report/pageoutput.h"
#include "runtime/report/pagesettings.h"
#include "runtime/report/printersettings.h"
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace db { class LocalTable; }

namespace report {

class TQRPrinter;

class TQuickRep : public QObject {
    Q_OBJECT
public:
    explicit TQuickRep(QObject* owner = nullptr);
    ~TQuickRep() override;

    const QString& reportTitle() const { return title_; }
    void setReportTitle(const QString& title) { title_ = title; }
    PageSettings& page() { return page_; }
    const PageSettings& page() const { return page_; }
    // The default font of text items that have none of their own: Arial, 10 points.
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }

    // The table is not owned; the walk moves its cursor, so AfterPrint handlers read the printed row.
    void setDataSet(db::LocalTable* table) { dataSet_ = table; }
    db::LocalTable* dataSet() const { return dataSet_; }

    // Takes over the printer's paper and orientation; print() and preview() then go to that printer.
    // Without it they go to the current printer, on the report's own paper.
    void setPrinterSettings(const TPrinterSettings& settings);

    // One band of each type; a second band of a type raises ReportError.
    TQRBand& addBand(BandType type, const QString& name, double heightMm);
    TQRBand* band(BandType type) const;
    // Every item of every band, bands in printing order (the walk a localisation needs).
    std::vector<TQRPrintable*> allItems() const;
    TQRPrintable* findItem(const QString& name) const;

    std::function<void(TQuickRep& report)> OnStartPage;
    // Runs instead of the default preview window: a form shows its own preview (TF6MainForm) with
    // QRPrinter(). Without it, preview() opens a TF6MainForm owned by this report.
    std::function<void(TQuickRep& report)> OnPreview;

    // During layout: the page being laid out, and whether every row of the data set has printed.
    int pageNumber() const { return pageNumber_; }
    bool dataSetAtEnd() const { return atEnd_; }

    LaidOutReport layout();
    // The title and the paper, without pages: what a device needs before the pages come.
    LaidOutReport frame() const;
    // Prints the pages as they are laid out; returns the PDF written when the printer is "PDF file",
    // or the file the clerk printed to, else empty.
    QString print();
    void printToPdf(const QString& path);
    // Shows the first page without waiting; the preview lays out the others as it goes.
    void preview();
    // Lays out the pages the preview has still to come. A form whose report events use what it is
    // about to free calls this first; another layout or print of the report does it itself, since
    // both walk the same data set.
    void finishLayout();
    // The laid-out report of the last print() or preview(), ready to print again; null before.
    std::shared_ptr<TQRPrinter> QRPrinter() const { return qrPrinter_; }

private:
    friend class LayoutEngine;
    TPrinterSettings targetPrinter() const;
    // Lays the report out, handing each page on as soon as it is made; each run starts afresh.
    PageProducer pagesAsMade();

    QString title_;
    PageSettings page_;
    QFont font_;
    db::LocalTable* dataSet_ = nullptr;
    std::optional<TPrinterSettings> printerSettings_;
    std::vector<std::unique_ptr<TQRBand>> bands_;
    int pageNumber_ = 0;
    bool atEnd_ = false;
    std::shared_ptr<TQRPrinter> qrPrinter_;
};

} // namespace report
