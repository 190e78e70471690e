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
#include <QFile>
#include <algorithm>
#include <limits>
#include <utility>

namespace report {
namespace {

constexpr double MmPerInch = 25.4;

// Without a font the pages would come out with their lines and no text: refused, not printed.
void RequireFonts(const LaidOutReport& report)
{
    if (QFontDatabase::families().isEmpty())
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 631).arg(report.title));
}

int CountPages(const PageProducer& produce)
{
    int pages = 0;
    produce([&pages](LaidOutPage&&) { ++pages; });
    return pages;
}

// Paints pages `first` to `last` (from 0) as they are made, `copies` times in order, each copy laid
// out again: no page is held longer than it takes to paint it. A report that fails halfway is
// withdrawn from the printer, and a file printed to is removed, so that no part of it is taken for
// the whole.
void PaintAsMade(QPrinter& printer, const LaidOutReport& report, const PageProducer& produce, const QString& target,
                 int first = 0, int last = std::numeric_limits<int>::max(), int copies = 1)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 632).arg(report.title, target));
    try {
        bool firstSheet = true;
        for (int copy = 0; copy < copies; ++copy) {
            int index = 0;
            produce([&](LaidOutPage&& page) {
                if (index >= first && index <= last) {
                    if (!std::exchange(firstSheet, false)) printer.newPage();
                    PaintPage(painter, page, printer.resolution() / MmPerInch);
                }
                ++index;
            });
        }
    } catch (...) {
        printer.abort();
        painter.end();
        if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
        throw;
    }
    if (!painter.end())
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 632).arg(report.title, target));
}

void PrintOnPrinter(const LaidOutReport& report, const PageProducer& produce, const QString& printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 633).arg(printerName));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(report.page.pageLayout());
    printer.setDocName(report.title);
    PaintAsMade(printer, report, produce, printerName);
}

// The printer the clerk chose in the chooser: its page range and copies; a print to file returns the
// file. The pages are counted first, for the range the chooser offers, then laid out again as printed.
QString PrintChosen(const LaidOutReport& report, const PageProducer& produce, const QString& printerName,
                    const PrintChooser& choose)
{
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
    if (!choose(printer, CountPages(produce)))
        Abort();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = range ? printer.fromPage() - 1 : 0;
    const int last = range ? std::max(printer.fromPage(), printer.toPage()) - 1 : std::numeric_limits<int>::max();
    // A printer that makes copies itself gets each page once.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const bool toFile = !printer.outputFileName().isEmpty();
    const QString target = toFile ? printer.outputFileName() : printer.printerName();
    PaintAsMade(printer, report, produce, target, first, last, copies);
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
    return PrintPagesAsMade(report, PagesOf(report), printerName);
}

QString PrintPagesAsMade(const LaidOutReport& report, const PageProducer& produce, const QString& printerName)
{
    RequireFonts(report);
    if (const PrintChooser& choose = CurrentPrintChooser())
        return PrintChosen(report, produce, printerName, choose);
    if (!IsPdfPrinter(printerName)) {
        PrintOnPrinter(report, produce, printerName);
        return QString();
    }
    const QString path = PdfOutputPath(report.title);
    WritePdfAsMade(report, produce, path);
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
