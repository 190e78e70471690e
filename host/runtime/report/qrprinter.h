#pragma once
// The printer object of a report: its laid-out pages and the printer they go to. A preview window
// holds it to show the pages and to print them without laying the report out again, and it outlives
// the report that made it.
// A report written to a PDF file as its pages were made holds none of them: its printer object
// lays the report out again when its pages are asked for, as long as the report is there.
#include "runtime/report/laidout.h"
#include "runtime/report/printersettings.h"
#include <QImage>
#include <functional>
#include <optional>

namespace report {

class TQRPrinter {
public:
    TQRPrinter(LaidOutReport pages, TPrinterSettings printer);
    // Pages laid out by `layOut` when first asked for.
    TQRPrinter(std::function<LaidOutReport()> layOut, TPrinterSettings printer);

    const LaidOutReport& pages() const;
    int pageCount() const { return int(pages().pages.size()); }
    // The report that would lay the pages out is going: none are laid out after this.
    void forgetReport() { layOut_ = nullptr; }
    const TPrinterSettings& printer() const { return printer_; }

    // Page `index` (from 0) as a white image at `dotsPerInch`.
    QImage pageImage(int index, double dotsPerInch) const;
    // Prints every page; returns the PDF written when the printer is "PDF file", else empty.
    QString print() const;

private:
    mutable std::optional<LaidOutReport> pages_;
    std::function<LaidOutReport()> layOut_;
    TPrinterSettings printer_;
};

} // namespace report
