#include "runtime/report/pageoutput.h"
#include "runtime/report/pagepainter.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/print_choice.h"
#include "runtime/report/printers.h"
#include "runtime/ui/silent_abort.h"
#include "runtime/report/reporterror.h"
#include "runtime/language.h"
#include "runtime/safe_file_device.h"
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

namespace report {
namespace {

constexpr double MmPerInch = 25.4;

// Pages `first` to `last` (from 0), `copies` times in order.
void PaintPages(QPagedPaintDevice& device, QPainter& painter, const LaidOutReport& report, double dotsPerInch,
                size_t first, size_t last, int copies = 1)
{
    bool firstSheet = true;
    for (int copy = 0; copy < copies; ++copy)
        for (size_t i = first; i <= last && i < report.pages.size(); ++i) {
            if (!std::exchange(firstSheet, false)) device.newPage();
            PaintPage(painter, report.pages[i], dotsPerInch / MmPerInch);
        }
}

void PaintAllPages(QPagedPaintDevice& device, QPainter& painter, const LaidOutReport& report, double dotsPerInch)
{
    PaintPages(device, painter, report, dotsPerInch, 0, report.pages.size() - 1);
}

// Without a font the pages would come out with their lines and no text: refused, not printed.
void RequireFonts(const LaidOutReport& report)
{
    if (QFontDatabase::families().isEmpty())
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 631).arg(report.title));
}

void PrintOnPrinter(const LaidOutReport& report, const QString& printerName)
{
    RequireFonts(report);
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw ReportError(QStringLiteral("The printer \"%1\" is not available. "
                                         "Check that it is switched on and installed.").arg(printerName));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(report.page.pageLayout());
    printer.setDocName(report.title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("The report \"%1\" could not be sent to the printer \"%2\".")
                              .arg(report.title, printerName));
    PaintAllPages(printer, painter, report, printer.resolution());
    if (!painter.end())
        throw ReportError(QStringLiteral("The report \"%1\" could not be sent to the printer \"%2\".")
                              .arg(report.title, printerName));
}

// The printer the clerk chose in the chooser: its page range and copies; a print to file returns the file.
QString PrintChosen(const LaidOutReport& report, const QString& printerName, const PrintChooser& choose)
{
    RequireFonts(report);
    QPrinter printer(QPrinter::HighResolution);
    if (IsPdfPrinter(printerName)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfOutputPath(report.title));
    } else {
        printer.setPrinterName(printerName);
    }
    printer.setFullPage(true);
    printer.setPageLayout(report.page.pageLayout());
    printer.setDocName(report.title);
    printer.setCreator(QStringLiteral("RAR1"));
    const int pageCount = int(report.pages.size());
    if (!choose(printer, pageCount))
        Abort();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const size_t first = range ? size_t(printer.fromPage() - 1) : 0;
    const size_t last = range ? size_t(std::max(printer.fromPage(), printer.toPage()) - 1) : size_t(pageCount - 1);
    // A printer that makes copies itself gets each page once.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const bool toFile = !printer.outputFileName().isEmpty();
    const QString target = toFile ? printer.outputFileName() : printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(QStringLiteral("The report \"%1\" could not be sent to \"%2\".").arg(report.title, target));
    PaintPages(printer, painter, report, printer.resolution(), first, last, copies);
    if (!painter.end())
        throw ReportError(QStringLiteral("The report \"%1\" could not be sent to \"%2\".").arg(report.title, target));
    return toFile ? target : QString();
}

} // namespace

static void writePdfFile(const LaidOutReport& report, const PageProducer& produce, const QString& path);

// Every page of `report`, one after another.
static PageProducer PagesOf(const LaidOutReport& report)
{
    return [&report](const PageSink& sink) {
        for (const LaidOutPage& page : report.pages) sink(LaidOutPage(page));
    };
}

void WritePdf(const LaidOutReport& report, const QString& path)
{
    WritePdfAsMade(report, PagesOf(report), path);
}

void WritePdfAsMade(const LaidOutReport& report, const PageProducer& produce, const QString& path)
{
    RequireFonts(report);
    // The pages go to a temporary file that replaces the one at the path only when it is whole.
    try {
        writePdfFile(report, produce, path);
    } catch (const ReportError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw ReportError(QString::fromUtf8(e.what()));
    }
}

void writePdfFile(const LaidOutReport& report, const PageProducer& produce, const QString& path)
{
    SafeFileDevice file(path, PdfOutputReplaces() ? Replacing::Allowed : Replacing::Refused);
    {
        QPdfWriter writer(&file);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(report.page.pageLayout());
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("RAR1"));
        QPainter painter;
        const auto failed = [&] {
            return ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 630).arg(path, file.errorString()));
        };
        if (!painter.begin(&writer)) throw failed();
        bool firstSheet = true;
        produce([&](LaidOutPage&& page) {
            if (!std::exchange(firstSheet, false)) writer.newPage();
            PaintPage(painter, page, PdfResolution / MmPerInch);
        });
        if (!painter.end()) throw failed();
    }
    file.Commit();
}

QString PrintPages(const LaidOutReport& report, const QString& printerName)
{
    if (const PrintChooser& choose = CurrentPrintChooser())
        return PrintChosen(report, printerName, choose);
    if (!IsPdfPrinter(printerName)) {
        PrintOnPrinter(report, printerName);
        return QString();
    }
    const QString path = PdfOutputPath(report.title);
    WritePdf(report, path);
    return path;
}

QImage PageImage(const LaidOutReport& report, int index, double dotsPerInch)
{
    const QSizeF sizeMm = report.page.paperSizeMm();
    const double pixelsPerMm = dotsPerInch / MmPerInch;
    QImage image(qMax(1, qRound(sizeMm.width() * pixelsPerMm)), qMax(1, qRound(sizeMm.height() * pixelsPerMm)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PaintPage(painter, report.pages.at(size_t(index)), pixelsPerMm);
    return image;
}

} // namespace report
