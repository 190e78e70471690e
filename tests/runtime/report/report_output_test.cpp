// Laid-out reports on devices: PDF files with Chinese text, preview images, the printers offered.
#include "config_guard.h"
#include "pdf_text.h"
#include "support/reference_list.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/print_choice.h"
#include "runtime/report/printers.h"
#include "runtime/report/qrprinter.h"
#include "runtime/report/reporterror.h"
#include "runtime/ui/silent_abort.h"
#include <QPrinter>
#include <QFile>
#include <QFontDatabase>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

using namespace report;
using namespace reporttest;

namespace {

RuntimeConfig PdfOnlyConfig(const QString& mediaDir)
{
    RuntimeConfig config;
    config.mediaDir = mediaDir;
    config.printer.clear();
    config.pdfPrinter = true;
    return config;
}

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

TEST(ReportOutput, APdfOfTheTransferListHoldsItsPagesAndItsChineseText)
{
    QTemporaryDir dir;
    ReferenceList list(QStringLiteral("PDF_OUT"), Employees(50));
    list.rep().band(BandType::Summary)->addLabel(QStringLiteral("Simplified"), {0, 14, 60, 5},
                                                 QStringLiteral("总计转帐金额"));
    static_cast<TQRLabel*>(list.rep().findItem(QStringLiteral("Simplified")))->setFontFamily(QStringLiteral("宋体"));
    const QString path = dir.filePath(QStringLiteral("清冊.pdf"));

    list.rep().printToPdf(path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_EQ(PdfPageCount(path), 2);
    SKIP_UNLESS_PDFTOTEXT();
    const QString text = PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("月薪資轉存清冊")));
    EXPECT_TRUE(text.contains(QStringLiteral("本頁合計")));
    EXPECT_TRUE(text.contains(QStringLiteral("陳員工1")));      // a name in the Arial data font
    EXPECT_TRUE(text.contains(QStringLiteral("总计转帐金额")));  // simplified characters in the Song face
    EXPECT_TRUE(text.contains(QStringLiteral("1,000.25")));
}

// Pages go to the file as they are laid out: a list that cannot be laid out on its second page
// leaves the file that was at the path as it was, by every way of printing to PDF (the print
// dialog's file too: its pages are counted before any is painted).
TEST(ReportOutput, AListThatFailsHalfWayLeavesNoHalfPdf)
{
    QTemporaryDir dir;
    ConfigGuard guard(PdfOnlyConfig(dir.path()));
    enum Way { PrintToPdf, Print, PrintChosen };
    for (const Way way : {PrintToPdf, Print, PrintChosen}) {
        SCOPED_TRACE(way);
        ReferenceList list(QStringLiteral("PDF_HALF"), Employees(50));
        list.rep().setPrinterSettings(TPrinterSettings::FromPrinter(PdfPrinterName));
        TQRBand& detail = *list.rep().band(BandType::Detail);
        detail.BeforePrint = [&list](TQRBand& band, bool&) {
            if (list.rep().pageNumber() == 2) band.setHeightMm(1000);
        };
        const QString path = dir.filePath(QStringLiteral("list.pdf"));
        QFile kept(path);
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly | QIODevice::Truncate) && kept.write("kept") == 4);
        kept.close();
        SetPdfOutputPath(path);
        if (way == PrintChosen)
            SetPrintChooser([&path](QPrinter& printer, int) {
                printer.setOutputFileName(path);
                return true;
            });
        EXPECT_THROW(way == PrintToPdf ? list.rep().printToPdf(path) : void(list.rep().print()), ReportError);
        SetPrintChooser(nullptr);
        SetPdfOutputPath(QString());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("kept"));
        kept.close();
    }
}

TEST(ReportOutput, TheReportFacesMapToInstalledChineseFaces)
{
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(QStringLiteral("AR PL UMing TW")) || !installed.contains(QStringLiteral("AR PL UMing CN")))
        GTEST_SKIP() << "the AR PL UMing faces are not installed";
    QFont ming(QStringLiteral("細明體"));
    ming.setPixelSize(13);
    const QFont mingResolved = ResolveFont(ming);
    EXPECT_EQ(mingResolved.families().front(), QStringLiteral("AR PL UMing TW"));
    EXPECT_DOUBLE_EQ(mingResolved.pointSizeF(), 9.75);
    EXPECT_EQ(ResolveFont(QFont(QStringLiteral("MingLiU"))).families().front(), QStringLiteral("AR PL UMing TW"));
    EXPECT_EQ(ResolveFont(QFont(QStringLiteral("宋体"))).families().front(), QStringLiteral("AR PL UMing CN"));
    // A Latin face prints in itself or an installed stand-in, with the Chinese face behind it.
    const QFont arial = ResolveFont(QFont(QStringLiteral("Arial"), 10));
    ASSERT_EQ(arial.families().size(), 2);
    EXPECT_TRUE(installed.contains(arial.families()[0]));
    EXPECT_NE(arial.families()[0], QStringLiteral("AR PL UMing TW"));
    EXPECT_EQ(arial.families()[1], QStringLiteral("AR PL UMing TW"));
    EXPECT_DOUBLE_EQ(arial.pointSizeF(), 10.0);
}

TEST(ReportOutput, APreviewImageIsTheWholeSheetWithInkOnIt)
{
    ReferenceList list(QStringLiteral("IMAGE_OUT"), Employees(3));
    const TQRPrinter printer(list.rep().layout(), TPrinterSettings());

    const QImage image = printer.pageImage(0, 72);

    EXPECT_EQ(image.width(), qRound(210 / 25.4 * 72));
    EXPECT_EQ(image.height(), qRound(297 / 25.4 * 72));
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 500);
    // The margins stay blank.
    for (int x = 0; x < image.width(); ++x) EXPECT_EQ(image.pixel(x, 5), qRgb(255, 255, 255));
}

TEST(ReportOutput, ThePdfFilePrinterIsOfferedUnlessSwitchedOffAndTheConfiguredPrinterMustExist)
{
    QTemporaryDir dir;
    RuntimeConfig config = PdfOnlyConfig(dir.path());
    {
        ConfigGuard guard(config);
        ASSERT_FALSE(Printers().empty());
        EXPECT_EQ(Printers().front().name, PdfPrinterName);
        EXPECT_TRUE(Printers().front().isPdf);
        EXPECT_TRUE(HasPrinter());
        if (QPrinterInfo::defaultPrinterName().isEmpty()) EXPECT_EQ(CurrentPrinter(), PdfPrinterName);
        const TPrinterSettings settings = TPrinterSettings::FromCurrentPrinter();
        EXPECT_FALSE(settings.printerName.isEmpty());
    }
    config.printer = QStringLiteral("No Such Printer");
    {
        ConfigGuard guard(config);
        EXPECT_THROW(CurrentPrinter(), ReportError);
        EXPECT_THROW(TPrinterSettings::FromPrinter(QStringLiteral("No Such Printer")), ReportError);
    }
    config.printer.clear();
    config.pdfPrinter = false;
    {
        ConfigGuard guard(config);
        EXPECT_TRUE(std::none_of(Printers().begin(), Printers().end(), [](const PrinterInfo& p) { return p.isPdf; }));
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            EXPECT_FALSE(HasPrinter());
            EXPECT_THROW(CurrentPrinter(), ReportError);
        }
    }
}

TEST(ReportOutput, PrintingOnThePdfFilePrinterWritesANewFileInTheMediaFolderOrTheFixedPath)
{
    QTemporaryDir dir;
    ConfigGuard guard(PdfOnlyConfig(dir.path()));
    ReferenceList list(QStringLiteral("PDF_PRINTER"), Employees(3));
    list.rep().setPrinterSettings(TPrinterSettings::FromPrinter(PdfPrinterName));

    const QString first = list.rep().print();
    const QString second = list.rep().print();

    EXPECT_TRUE(first.startsWith(dir.path()));
    EXPECT_TRUE(first.endsWith(QStringLiteral(".pdf")));
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(second));
    EXPECT_EQ(list.rep().QRPrinter()->pageCount(), 1);

    const QString fixed = dir.filePath(QStringLiteral("fixed.pdf"));
    SetPdfOutputPath(fixed);
    const QString third = list.rep().print();
    SetPdfOutputPath(QString());
    EXPECT_EQ(third, fixed);
    EXPECT_TRUE(QFile::exists(fixed));
}

TEST(ReportOutput, APdfThatCannotBeWrittenIsReportedWithItsPath)
{
    ReferenceList list(QStringLiteral("PDF_FAIL"), Employees(1));
    const QString path = QStringLiteral("/no/such/folder/list.pdf");
    try {
        list.rep().printToPdf(path);
        FAIL() << "writing into a missing folder succeeded";
    } catch (const ReportError& error) {
        EXPECT_TRUE(error.message().contains(path));
    }
}

TEST(ReportOutput, TheClerksPrintChoiceSetsThePagesTheCopiesAndTheFile)
{
    QTemporaryDir dir;
    ConfigGuard guard(PdfOnlyConfig(dir.path()));
    ReferenceList list(QStringLiteral("PRINT_CHOICE"), Employees(50));
    list.rep().setPrinterSettings(TPrinterSettings::FromPrinter(PdfPrinterName));
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    struct Choice {
        int from, to, copies;
        bool accept;
        int pages;   // in the file written; -1: nothing written
    };
    for (const Choice& choice : {Choice{0, 0, 1, true, 2}, Choice{2, 2, 3, true, 3}, Choice{1, 1, 1, false, -1}}) {
        QFile::remove(chosen);
        QString proposed;
        int offered = 0;
        SetPrintChooser([&](QPrinter& printer, int pageCount) {
            proposed = printer.outputFileName();
            offered = pageCount;
            printer.setOutputFileName(chosen);
            printer.setCopyCount(choice.copies);
            if (choice.from > 0) {
                printer.setPrintRange(QPrinter::PageRange);
                printer.setFromTo(choice.from, choice.to);
            }
            return choice.accept;
        });
        QString written;
        bool cancelled = false;
        try {
            written = list.rep().print();
        } catch (const SilentAbort&) {
            cancelled = true;
        }
        SetPrintChooser(nullptr);
        EXPECT_TRUE(proposed.startsWith(dir.path())) << "the configured PDF printer is the dialog's default";
        EXPECT_EQ(offered, 2);
        EXPECT_EQ(cancelled, !choice.accept);
        EXPECT_EQ(written, choice.accept ? chosen : QString());
        EXPECT_EQ(PdfPageCount(chosen), choice.pages) << choice.from << "-" << choice.to << " x" << choice.copies;
    }
}
