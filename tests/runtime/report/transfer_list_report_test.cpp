// The transfer list as the bank report forms build it: page totals, grand totals, page breaks,
// the table's own filter.
#include "transfer_list_fixture.h"
#include "runtime/report/numbermask.h"
#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

QString TextOf(const LaidOutPage& page, const QString& item)
{
    const LaidOutItem* found = page.find(item);
    return found ? found->text : QStringLiteral("<not printed>");
}

int DetailRows(const LaidOutPage& page)
{
    int rows = 0;
    for (const LaidOutItem* item : page.bandItems(QStringLiteral("DetailBand1")))
        if (item->itemName == u"QRDBText3") ++rows;
    return rows;
}

double SumOf(const std::vector<Transfer>& rows, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += rows[i].amount;
    return sum;
}

QString Money(double amount)
{
    return FormatMask(amount, QStringLiteral("#,##0.00"));
}

} // namespace

TEST(TransferListReport, OnePageListHasNoPageFooterAndEqualPageAndGrandTotals)
{
    const std::vector<Transfer> rows{{QStringLiteral("001"), QStringLiteral("陳大文"), 1000},
                                     {QStringLiteral("002"), QStringLiteral("林小美"), 2000.5},
                                     {QStringLiteral("003"), QStringLiteral("黃志明"), 3500}};
    auto table = MakeTransferTable(QStringLiteral("ONE_PAGE"), rows);
    TransferListReport list(*table);

    const LaidOutReport laid = list.rep().layout();

    ASSERT_EQ(laid.pages.size(), 1u);
    const LaidOutPage& page = laid.pages[0];
    EXPECT_TRUE(page.bandItems(QStringLiteral("PageFooterBand1")).empty());
    EXPECT_EQ(DetailRows(page), 3);
    EXPECT_EQ(TextOf(page, QStringLiteral("PageAmtn1")), QStringLiteral("6,500.50"));
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr3")), QStringLiteral("6,500.50"));
    EXPECT_EQ(TextOf(page, QStringLiteral("PageCount1")), QStringLiteral("3"));
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr4")), QStringLiteral("3"));
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr2")), QStringLiteral("1"));
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr1")), QStringLiteral("1"));
}

TEST(TransferListReport, TwoPageListCarriesPageOneTotalsInItsFooterAndPageTwoTotalsInTheSummary)
{
    const std::vector<Transfer> rows = Employees(50);
    auto table = MakeTransferTable(QStringLiteral("TWO_PAGES"), rows);
    TransferListReport list(*table);

    const LaidOutReport laid = list.rep().layout();

    ASSERT_EQ(laid.pages.size(), 2u);
    const LaidOutPage& first = laid.pages[0];
    const LaidOutPage& second = laid.pages[1];
    ASSERT_EQ(DetailRows(first), RowsPerPage);
    EXPECT_EQ(DetailRows(second), 50 - RowsPerPage);

    EXPECT_EQ(TextOf(first, QStringLiteral("PageCount")), QString::number(RowsPerPage));
    EXPECT_EQ(TextOf(first, QStringLiteral("PageAmtn")), Money(SumOf(rows, 0, RowsPerPage)));
    EXPECT_EQ(first.find(QStringLiteral("QRExpr3")), nullptr);
    EXPECT_TRUE(second.bandItems(QStringLiteral("PageFooterBand1")).empty());

    EXPECT_EQ(TextOf(second, QStringLiteral("PageCount1")), QString::number(50 - RowsPerPage));
    EXPECT_EQ(TextOf(second, QStringLiteral("PageAmtn1")), Money(SumOf(rows, RowsPerPage, 50)));
    EXPECT_EQ(TextOf(second, QStringLiteral("QRExpr3")), Money(SumOf(rows, 0, 50)));
    EXPECT_EQ(TextOf(second, QStringLiteral("QRExpr4")), QStringLiteral("50"));
    EXPECT_EQ(TextOf(second, QStringLiteral("QRExpr2")), QStringLiteral("2"));
    EXPECT_EQ(TextOf(first, QStringLiteral("QRExpr1")), QStringLiteral("1"));
    EXPECT_EQ(TextOf(second, QStringLiteral("QRExpr1")), QStringLiteral("2"));

    // Page 2 starts with its header again, then the first row that did not fit on page 1.
    EXPECT_EQ(second.items.front().bandName, QStringLiteral("PageHeaderBand1"));
    EXPECT_EQ(TextOf(second, QStringLiteral("QRDBText3")), rows[RowsPerPage].account);
}

TEST(TransferListReport, RowsWithoutANameAreNeitherPrintedNorCountedButStayInTheTable)
{
    std::vector<Transfer> rows = Employees(4);
    rows.insert(rows.begin() + 2, {QStringLiteral("部門小計"), QString(), 2020.5});
    rows.push_back({QStringLiteral("總計"), QString(), 4081});
    auto table = MakeTransferTable(QStringLiteral("FILTERED"), rows);
    TransferListReport list(*table);

    const LaidOutReport laid = list.rep().layout();

    ASSERT_EQ(laid.pages.size(), 1u);
    const LaidOutPage& page = laid.pages[0];
    EXPECT_EQ(DetailRows(page), 4);
    for (const LaidOutItem* item : page.bandItems(QStringLiteral("DetailBand1")))
        EXPECT_FALSE(item->text.contains(u'計')) << item->text.toStdString();
    const double employees = 1000.25 + 1010.25 + 1020.25 + 1030.25;
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr4")), QStringLiteral("4"));
    EXPECT_EQ(TextOf(page, QStringLiteral("QRExpr3")), Money(employees));
    EXPECT_EQ(TextOf(page, QStringLiteral("PageAmtn1")), Money(employees));
    EXPECT_EQ(table->data()->rows.size(), 6u);
}

TEST(TransferListReport, BandsStackFromTheTopMarginAndThePageFooterSitsAtThePageFoot)
{
    auto table = MakeTransferTable(QStringLiteral("GEOMETRY"), Employees(45));
    TransferListReport list(*table);

    const LaidOutReport laid = list.rep().layout();

    const LaidOutPage& first = laid.pages[0];
    EXPECT_DOUBLE_EQ(first.find(QStringLiteral("YY"))->rectMm.top(), 10.0);
    std::vector<double> rowTops;
    for (const LaidOutItem* item : first.bandItems(QStringLiteral("DetailBand1")))
        if (item->itemName == u"QRDBText5") rowTops.push_back(item->rectMm.top());
    ASSERT_EQ(rowTops.size(), size_t(RowsPerPage));
    EXPECT_DOUBLE_EQ(rowTops.front(), 10.0 + 30.0);
    for (size_t i = 1; i < rowTops.size(); ++i) EXPECT_DOUBLE_EQ(rowTops[i] - rowTops[i - 1], DetailHeightMm);
    // The footer's band ends at the bottom margin: 297 - 10 = 287, its label line 4 mm into the 12 mm band.
    EXPECT_DOUBLE_EQ(first.find(QStringLiteral("PageCount"))->rectMm.top(), 287.0 - 12.0 + 4.0);
    // Amounts are right-aligned and the summary's items on one line keep their left-to-right order.
    EXPECT_EQ(first.find(QStringLiteral("QRDBText5"))->alignment, Qt::AlignRight);
    const LaidOutPage& last = laid.pages.back();
    const QStringList line{QStringLiteral("QRLabel17"), QStringLiteral("QRLabel18"), QStringLiteral("QRExpr3"),
                           QStringLiteral("QRLabel19"), QStringLiteral("QRExpr4"), QStringLiteral("QRLabel20"),
                           QStringLiteral("QRLabel21"), QStringLiteral("QRExpr2"), QStringLiteral("QRLabel22")};
    for (int i = 1; i < line.size(); ++i) {
        EXPECT_DOUBLE_EQ(last.find(line[i])->rectMm.top(), last.find(line[0])->rectMm.top());
        EXPECT_LT(last.find(line[i - 1])->rectMm.left(), last.find(line[i])->rectMm.left());
    }
}

TEST(TransferListReport, TheLastRowTakesTheSummaryAlongSoTheSummaryNeverStandsAlone)
{
    // One full page of rows: the last row would fit, but not together with the summary.
    const std::vector<Transfer> rows = Employees(RowsPerPage);
    auto table = MakeTransferTable(QStringLiteral("KEEP_WITH"), rows);
    TransferListReport list(*table);

    const LaidOutReport laid = list.rep().layout();

    ASSERT_EQ(laid.pages.size(), 2u);
    EXPECT_EQ(DetailRows(laid.pages[0]), RowsPerPage - 1);
    EXPECT_EQ(TextOf(laid.pages[0], QStringLiteral("PageCount")), QString::number(RowsPerPage - 1));
    EXPECT_EQ(DetailRows(laid.pages[1]), 1);
    EXPECT_EQ(TextOf(laid.pages[1], QStringLiteral("PageCount1")), QStringLiteral("1"));
    EXPECT_EQ(TextOf(laid.pages[1], QStringLiteral("PageAmtn1")), Money(rows.back().amount));
    EXPECT_EQ(TextOf(laid.pages[1], QStringLiteral("QRExpr4")), QString::number(RowsPerPage));
}

TEST(TransferListReport, ASecondRunPrintsThePageFooterAgainThoughTheFirstRunHidItOnItsLastPage)
{
    auto table = MakeTransferTable(QStringLiteral("RERUN"), Employees(50));
    TransferListReport list(*table);

    list.rep().layout();
    const LaidOutReport again = list.rep().layout();

    ASSERT_EQ(again.pages.size(), 2u);
    EXPECT_EQ(TextOf(again.pages[0], QStringLiteral("PageCount")), QString::number(RowsPerPage));
    EXPECT_EQ(TextOf(again.pages[1], QStringLiteral("QRExpr4")), QStringLiteral("50"));
    EXPECT_DOUBLE_EQ(list.rep().band(BandType::PageFooter)->heightMm(), 12.0);
}
