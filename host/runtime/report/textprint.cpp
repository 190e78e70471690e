#include "runtime/report/textprint.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/pageoutput.h"
#include "runtime/report/printers.h"
#include "runtime/report/printersettings.h"
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {
namespace {

constexpr double MmPerInch = 25.4;
// The printed description and lists keep a document's margin all round, on paper as in the PDF.
const QMarginsF TextMarginsMm{20, 20, 20, 20};

// The text height of "X" (the font's full line height, as a printer canvas reports it) plus 2 dots,
// in millimetres, on a device of that resolution.
double LineHeightMm(const QFont& font, double dotsPerInch)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const QFontMetricsF metrics(ResolveFont(font), &device);
    return (metrics.height() + 2) / dotsPerInch * MmPerInch;
}

double PrinterResolution(const QString& printerName)
{
    if (IsPdfPrinter(printerName)) return PdfResolution;
    return QPrinter(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution).resolution();
}

} // namespace

LaidOutReport LayoutTextLines(const QStringList& lines, const PageSettings& page, double dotsPerInch,
                              const QString& documentTitle)
{
    const QFont font;
    const QRectF area = page.printableRectMm();
    const double lineMm = LineHeightMm(font, dotsPerInch);
    const int linesPerPage = qMax(1, int(area.height() / lineMm));

    LaidOutReport laid{documentTitle, page, {}};
    for (int i = 0; i < lines.size() || laid.pages.empty(); ++i) {
        if (i % linesPerPage == 0) laid.pages.push_back(LaidOutPage{int(laid.pages.size()) + 1, {}});
        if (i >= lines.size()) break;
        LaidOutItem item;
        item.page = laid.pages.back().number;
        item.bandName = QStringLiteral("Text");
        item.itemName = QStringLiteral("Line%1").arg(i + 1);
        item.text = lines.at(i);
        item.rectMm = QRectF(area.left(), area.top() + (i % linesPerPage) * lineMm, area.width(), lineMm);
        item.font = font;
        laid.pages.back().items.push_back(std::move(item));
    }
    return laid;
}

TextPrintout PrintTextLines(const QStringList& lines, const TextPrintTarget& target)
{
    PageSettings page;
    page.marginsMm = TextMarginsMm;
    if (!target.pdfPath.isEmpty()) {
        TextPrintout printout{LayoutTextLines(lines, page, PdfResolution, target.documentTitle), target.pdfPath};
        WritePdf(printout.layout, printout.pdfPath);
        return printout;
    }
    const QString printer = target.printerName.isEmpty() ? CurrentPrinter() : target.printerName;
    page.applyPrinterSettings(TPrinterSettings::FromPrinter(printer));
    TextPrintout printout{LayoutTextLines(lines, page, PrinterResolution(printer), target.documentTitle), {}};
    printout.pdfPath = PrintPages(printout.layout, printer);
    return printout;
}

} // namespace report
