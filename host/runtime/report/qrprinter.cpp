#include "runtime/report/qrprinter.h"
#include "runtime/report/pageoutput.h"

namespace report {

TQRPrinter::TQRPrinter(LaidOutReport pages, TPrinterSettings printer)
    : pages_(std::move(pages)), printer_(std::move(printer))
{
}

QImage TQRPrinter::pageImage(int index, double dotsPerInch) const
{
    return PageImage(pages_, index, dotsPerInch);
}

QString TQRPrinter::print() const
{
    return PrintPages(pages_, printer_.printerName);
}

} // namespace report
