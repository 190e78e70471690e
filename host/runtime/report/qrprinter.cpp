#include "runtime/report/qrprinter.h"
#include "runtime/report/layoutengine.h"
#include "runtime/report/pageoutput.h"
#include "runtime/report/quickrep.h"
#include <limits>

namespace report {

TQRPrinter::TQRPrinter(LaidOutReport pages, TPrinterSettings printer)
    : pages_(std::move(pages)), printer_(std::move(printer))
{
}

TQRPrinter::TQRPrinter(std::function<LaidOutReport()> layOut, TPrinterSettings printer)
    : layOut_(std::move(layOut)), printer_(std::move(printer))
{
}

TQRPrinter::TQRPrinter(TQuickRep& report, TPrinterSettings printer)
    : pages_(report.frame()),
      engine_(std::make_unique<LayoutEngine>(report)),
      printer_(std::move(printer))
{
    engine_->begin([this](LaidOutPage&& page) { pages_->pages.push_back(std::move(page)); });
    layOutMore(1);
}

TQRPrinter::~TQRPrinter() = default;

const LaidOutReport& TQRPrinter::pagesSoFar() const
{
    if (!pages_) pages_ = layOut_ ? layOut_() : LaidOutReport{};
    return *pages_;
}

const LaidOutReport& TQRPrinter::pages() const
{
    layOutMore(std::numeric_limits<int>::max());
    return pagesSoFar();
}

void TQRPrinter::layOutMore(int pages) const
{
    if (!engine_) return;
    // A layout that fails leaves the pages made so far and makes no more.
    std::unique_ptr<LayoutEngine> engine = std::move(engine_);
    if (!engine->layOut(pages)) engine_ = std::move(engine);
}

void TQRPrinter::layOutTo(int count) const
{
    while (engine_ && pageCount() < count) layOutMore(count - pageCount());
}

void TQRPrinter::stopLayout()
{
    engine_.reset();
}

void TQRPrinter::forgetReport()
{
    layOut_ = nullptr;
    engine_.reset();
}

QImage TQRPrinter::pageImage(int index, double dotsPerInch) const
{
    layOutTo(index + 1);
    return PageImage(pagesSoFar(), index, dotsPerInch);
}

QString TQRPrinter::print() const
{
    return PrintPages(pages(), printer_.printerName);
}

} // namespace report
