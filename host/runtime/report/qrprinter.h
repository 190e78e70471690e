#pragma once
// The printer object of a report: its laid-out pages and the printer they go to. A preview window
// holds it to show the pages and to print them without laying the report out again, and it outlives
// the report that made it.
#include "runtime/report/laidout.h"
#include "runtime/report/printersettings.h"
#include <QImage>

namespace report {

class TQRPrinter {
public:
    TQRPrinter(LaidOutReport pages, TPrinterSettings printer);

    const LaidOutReport& pages() const { return pages_; }
    int pageCount() const { return int(pages_.pages.size()); }
    const TPrinterSettings& printer() const { return printer_; }

    // Page `index` (from 0) as a white image at `dotsPerInch`.
    QImage pageImage(int index, double dotsPerInch) const;
    // Prints every page; returns the PDF written when the printer is "PDF file", else empty.
    QString print() const;

private:
    LaidOutReport pages_;
    TPrinterSettings printer_;
};

} // namespace report
