#include "runtime/report/qrpreview.h"
#include "runtime/report/qrprinter.h"
#include "runtime/report/reporterror.h"
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace report {
namespace {

constexpr double MmPerInch = 25.4;
constexpr int FramePixels = 16;   // grey space left around the page
// How long one idle step lays pages out: short enough for the window to answer the clerk at once.
constexpr int LayoutSliceMs = 30;

} // namespace

TQRPreview::TQRPreview(QWidget* parent) : QScrollArea(parent), page_(new QLabel)
{
    setObjectName(QStringLiteral("QRPreview"));
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignCenter);
    page_->setAlignment(Qt::AlignCenter);
    setWidget(page_);
    setWidgetResizable(false);
    layoutTimer_.setInterval(0);
    connect(&layoutTimer_, &QTimer::timeout, this, &TQRPreview::layOutSome);
}

TQRPreview::~TQRPreview()
{
    if (printer_) printer_->stopLayout();
}

void TQRPreview::SetQRPrinter(std::shared_ptr<TQRPrinter> printer)
{
    if (printer_ && printer_ != printer) printer_->stopLayout();
    printer_ = std::move(printer);
    pageNumber_ = pageCount() > 0 ? 1 : 0;
    renderPage();
    if (printer_ && printer_->layingOut()) layoutTimer_.start();
}

template <class Step>
void TQRPreview::layOutGuarded(Step step)
{
    try {
        step();
    } catch (const ReportError& error) {
        layoutTimer_.stop();
        emit layoutFailed(error.message());
    }
}

void TQRPreview::layOutSome()
{
    QElapsedTimer slice;
    slice.start();
    layOutGuarded([&] {
        while (printer_ && printer_->layingOut() && slice.elapsed() < LayoutSliceMs) printer_->layOutMore(1);
    });
    if (!printer_ || !printer_->layingOut()) layoutTimer_.stop();
    emit pageChanged(pageNumber_, pageCount());
}

int TQRPreview::pageCount() const
{
    return printer_ ? printer_->pageCount() : 0;
}

void TQRPreview::setPageNumber(int number)
{
    if (pageCount() == 0) return;
    if (number > pageCount()) layOutGuarded([&] { printer_->layOutTo(number); });
    pageNumber_ = std::clamp(number, 1, pageCount());
    renderPage();
}

void TQRPreview::setZoom(Zoom zoom)
{
    zoom_ = zoom;
    renderPage();
}

void TQRPreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (zoom_ != Zoom::ActualSize) renderPage();
}

double TQRPreview::dotsPerInch() const
{
    const QSizeF paper = printer_->pagesSoFar().page.paperSizeMm();
    const double widthFit = std::max(1, viewport()->width() - FramePixels) / paper.width() * MmPerInch;
    const double heightFit = std::max(1, viewport()->height() - FramePixels) / paper.height() * MmPerInch;
    switch (zoom_) {
    case Zoom::WholePage: return std::min(widthFit, heightFit);
    case Zoom::PageWidth: return widthFit;
    case Zoom::ActualSize: return logicalDpiX();
    }
    return widthFit;
}

void TQRPreview::renderPage()
{
    if (pageNumber_ == 0) {
        page_->clear();
    } else {
        page_->setPixmap(QPixmap::fromImage(printer_->pageImage(pageNumber_ - 1, dotsPerInch())));
    }
    page_->adjustSize();
    emit pageChanged(pageNumber_, pageCount());
}

} // namespace report
