#pragma once
// The printer object of a report: its laid-out pages and the printer they go to. A preview window
// holds it to show the pages and to print them without laying the report out again, and it outlives
// the report that made it.
// A report written to a PDF file as its pages were made holds none of them: its printer object
// lays the report out again when its pages are asked for, as long as the report is there.
// A preview's printer object lays its report out a few pages at a time: the window shows the first
// page at once and asks for the others from its event loop, or when the clerk pages ahead to them.
// The pages are kept as laid-out items, never as rendered images.
#include "runtime/report/laidout.h"
#include "runtime/report/printersettings.h"
#include <QImage>
#include <functional>
#include <memory>
#include <optional>

namespace report {

class LayoutEngine;
class TQuickRep;

class TQRPrinter {
public:
    TQRPrinter(LaidOutReport pages, TPrinterSettings printer);
    // Pages laid out by `layOut` when first asked for.
    TQRPrinter(std::function<LaidOutReport()> layOut, TPrinterSettings printer);
    // The pages of `report` laid out as they are asked for; the first page is laid out here.
    TQRPrinter(TQuickRep& report, TPrinterSettings printer);
    ~TQRPrinter();

    // Every page: a layout under way is completed first.
    const LaidOutReport& pages() const;
    // The title, the paper and the pages laid out so far.
    const LaidOutReport& pagesSoFar() const;
    int pageCount() const { return int(pagesSoFar().pages.size()); }
    // Whether pages remain to be laid out.
    bool layingOut() const { return engine_ != nullptr; }
    // Lays out at least `pages` more pages, fewer at the end of the report.
    void layOutMore(int pages) const;
    // Lays out pages until there are `count` of them or the report is complete.
    void layOutTo(int count) const;
    // Nobody will look at the pages still to come: they are not laid out.
    void stopLayout();
    // The report that would lay the pages out is going: none are laid out after this.
    void forgetReport();
    const TPrinterSettings& printer() const { return printer_; }

    // Page `index` (from 0) as a white image at `dotsPerInch`; laid out first when it is still to come.
    QImage pageImage(int index, double dotsPerInch) const;
    // Prints every page; returns the PDF written when the printer is "PDF file", else empty.
    QString print() const;

private:
    mutable std::optional<LaidOutReport> pages_;
    std::function<LaidOutReport()> layOut_;
    mutable std::unique_ptr<LayoutEngine> engine_;
    TPrinterSettings printer_;
};

} // namespace report
