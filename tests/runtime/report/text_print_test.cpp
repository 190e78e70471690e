// The plain printout of the format description windows.
#include "pdf_text.h"
#include "runtime/report/pageoutput.h"
#include "runtime/report/textprint.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;

namespace {

QStringList NumberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("第%1行 欄位 %1").arg(i);
    return lines;
}

} // namespace

TEST(TextPrint, ALongDescriptionGoesOnAsManyPagesAsItNeedsInsteadOfBeingCut)
{
    const QStringList lines = NumberedLines(200);
    const PageSettings a4;

    const LaidOutReport laid = LayoutTextLines(lines, a4, PdfResolution, QStringLiteral("格式說明"));

    ASSERT_GE(laid.pages.size(), 2u);
    QStringList printed;
    for (const LaidOutPage& page : laid.pages)
        for (const LaidOutItem& item : page.items) {
            EXPECT_EQ(item.page, page.number);
            printed << item.text;
        }
    EXPECT_EQ(printed, lines);

    // Each page is filled: its lines fit inside the margins and one more would not.
    const LaidOutPage& first = laid.pages[0];
    const double lineMm = first.items[1].rectMm.top() - first.items[0].rectMm.top();
    EXPECT_GT(lineMm, 2.0);
    EXPECT_DOUBLE_EQ(first.items.front().rectMm.top(), a4.printableRectMm().top());
    EXPECT_DOUBLE_EQ(first.items.front().rectMm.left(), a4.printableRectMm().left());
    EXPECT_LE(first.items.back().rectMm.bottom(), a4.printableRectMm().bottom() + 1e-9);
    EXPECT_GT(first.items.back().rectMm.bottom() + lineMm, a4.printableRectMm().bottom());
    EXPECT_DOUBLE_EQ(laid.pages[1].items.front().rectMm.top(), a4.printableRectMm().top());
    EXPECT_EQ(laid.pages.size(), size_t((lines.size() + first.items.size() - 1) / first.items.size()));
}

TEST(TextPrint, TheLineHeightIsTheFontHeightPlusTwoDeviceDots)
{
    const QStringList lines = NumberedLines(3);
    const LaidOutReport fine = LayoutTextLines(lines, PageSettings(), 1200, QString());
    const LaidOutReport coarse = LayoutTextLines(lines, PageSettings(), 100, QString());

    auto lineMm = [](const LaidOutReport& laid) {
        return laid.pages[0].items[1].rectMm.top() - laid.pages[0].items[0].rectMm.top();
    };
    // The two dots weigh 24 times more at 100 dpi than at 1200 dpi; the font's own height barely differs.
    const double twoDotsDifference = 2 * 25.4 / 100 - 2 * 25.4 / 1200;
    EXPECT_NEAR(lineMm(coarse) - lineMm(fine), twoDotsDifference, 0.2);
}

TEST(TextPrint, NoLinesStillGiveOnePage)
{
    const LaidOutReport laid = LayoutTextLines({}, PageSettings(), PdfResolution, QString());
    ASSERT_EQ(laid.pages.size(), 1u);
    EXPECT_TRUE(laid.pages[0].items.empty());
}

TEST(TextPrint, PrintingToAPdfPathWritesEveryPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("description.pdf"));
    const QStringList lines = NumberedLines(150);

    const TextPrintout printout = PrintTextLines(lines, {QString(), path, QStringLiteral("媒体资料格式说明")});

    EXPECT_EQ(printout.pdfPath, path);
    EXPECT_TRUE(QFile::exists(path));
    // A document's margin all round, not the sheet's edge.
    const QRectF first = printout.layout.pages.front().items.front().rectMm;
    EXPECT_GE(first.left(), 20.0);
    EXPECT_GE(first.top(), 20.0);
    EXPECT_LE(first.right(), printout.layout.page.paperSizeMm().width() - 20.0 + 1e-9);
    SKIP_UNLESS_PDFTOTEXT();
    const QString text = reporttest::PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("第1行 欄位 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("第150行 欄位 150")));
    EXPECT_EQ(text.count(u'\f'), int(printout.layout.pages.size()));
}
