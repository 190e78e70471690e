#include "runtime/report/qrprinter.h"
#include "runtime/report/pageoutput.h"

namespace report {

TQRPrinter::TQRPrinter(LaidOutReport pages, TPrinterSettings printer)
    : pages_(std::move(pages)), printer_(std::move(printer))
{
}

TQRPrinter::TQRPrinter(std::function<LaidOutReport()> layOut, TPrinterSettings printer)
    : layOut_(std::move(layOut)), printer_(std::move(printer))
{
}

const LaidOutReport& TQRPrinter::pages() const
{
    if (!pages_) pages_ = layOut_ ? layOut_() : LaidOutReport{};
    return *pages_;
}

QImage TQRPrinter::pageImage(int index, double dotsPerInch) const
{
    return PageImage(pages(), index, dotsPerInch);
}

QString TQRPrinter::print() const
{
    return PrintPages(pages(), printer_.printerName);
}

} // namespace report
