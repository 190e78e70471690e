// The transfer list as it is laid out: header labels, page totals, grand totals, page breaks, the
// table's own filter, localisation.
#include "banks/wagbk10/wagbk10.h"
#include "runtime/report/laidout.h"
#include "support/reference_list.h"
#include "support/test_company.h"
#include "support/transfer_rows.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

struct ListTest : ::testing::Test {
    explicit ListTest(int language = 1) : company(QDate(2026, 3, 1), language) {}

    report::LaidOutReport layOut(int employees)
    {
        DefineTransferTable(table, TransferTableLayout::Standard());
        for (int i = 1; i <= employees; ++i) {
            table.append();
            SetRowKind(table, RowKind::Employee);
            table.setField("BACC_NO", QString::number(1000 + i));
            table.setField("YG_NAME", QStringLiteral("王小明"));
            table.setField("A_MTN", 100.0 * i);
            table.post();
        }
        table.append();
        SetRowKind(table, RowKind::Total);
        table.setField("BACC_NO", QStringLiteral("合計"));
        table.setField("A_MTN", 1.0);
        table.post();
        list.reset(Create<TWagbk10cForm>(nullptr));
        list->Prepare(table, {QDate(2026, 3, 5), false, "正常薪資,年終獎金"});
        return list->QuickRep1.layout();
    }

    static QString text(const report::LaidOutPage& page, const QString& item)
    {
        const report::LaidOutItem* found = page.find(item);
        return found ? found->text : QStringLiteral("<absent>");
    }

    TestCompany company;
    db::LocalTable table{"TEST", "LIST"};
    ReleasedForm<TWagbk10cForm> list;
};

TEST_F(ListTest, OnePageHasNoFooterAndEqualFigures)
{
    const report::LaidOutReport report = layOut(3);
    ASSERT_EQ(report.pages.size(), 1u);
    const report::LaidOutPage& page = report.pages.front();
    EXPECT_EQ(text(page, "YY"), "115");
    EXPECT_EQ(text(page, "MM"), "03");
    EXPECT_EQ(text(page, "Sz_Dd"), "115/03/01");
    EXPECT_EQ(text(page, "ED_SZ_F3"), "正常薪資,年終獎金");
    EXPECT_EQ(text(page, "PageCount"), "<absent>") << "the last page prints no footer";
    EXPECT_EQ(text(page, "PageCount1"), "3");
    EXPECT_EQ(text(page, "PageAmtn1"), "600.00");
    EXPECT_EQ(text(page, "QRExpr4"), "3") << "the total row without a name is not counted";
    EXPECT_EQ(text(page, "QRExpr3"), "600.00");
    EXPECT_EQ(text(page, "QRExpr2"), "1");
    EXPECT_EQ(page.bandItems("DetailBand1").size(), 9u);
}

// A4 with margins of 10 mm leaves 277 mm: under the 24 mm page header and above the 8 mm page footer,
// 40 lines of 6 mm. The last line goes only with the 16 mm summary.
int DetailLines(const report::LaidOutPage& page)
{
    return int(std::count_if(page.items.begin(), page.items.end(),
                             [](const report::LaidOutItem& item) { return item.itemName == "QRDBText3"; }));
}

TEST(ReferenceListPages, TwoPagesCarryPageOneTotalsInTheFooterAndPageTwoTotalsInTheSummary)
{
    ReferenceList list("TWO_PAGES", Employees(50));
    const report::LaidOutReport laid = list.rep().layout();
    ASSERT_EQ(laid.pages.size(), 2u);
    const report::LaidOutPage &first = laid.pages[0], &second = laid.pages[1];
    EXPECT_EQ(DetailLines(first), 40);
    EXPECT_EQ(DetailLines(second), 10);
    EXPECT_EQ(ListTest::text(first, "PageCount"), "40");
    EXPECT_EQ(ListTest::text(first, "PageAmtn"), "47,810.00");
    EXPECT_EQ(ListTest::text(first, "QRExpr3"), "<absent>");
    EXPECT_EQ(ListTest::text(first, "QRExpr1"), "1");
    EXPECT_EQ(ListTest::text(second, "PageCount"), "<absent>") << "the last page prints no footer";
    EXPECT_EQ(ListTest::text(second, "PageCount1"), "10");
    EXPECT_EQ(ListTest::text(second, "PageAmtn1"), "14,452.50");
    EXPECT_EQ(ListTest::text(second, "QRExpr3"), "62,262.50");
    EXPECT_EQ(ListTest::text(second, "QRExpr4"), "50");
    EXPECT_EQ(ListTest::text(second, "QRExpr2"), "2");
    EXPECT_EQ(ListTest::text(second, "QRExpr1"), "2");
    // Page 2 starts with its header again, then the first line that did not fit on page 1.
    EXPECT_EQ(second.items.front().bandName, "PageHeaderBand1");
    EXPECT_EQ(ListTest::text(second, "QRDBText3"), "0123456789040");

    const report::LaidOutReport again = list.rep().layout();
    ASSERT_EQ(again.pages.size(), 2u);
    EXPECT_EQ(ListTest::text(again.pages[0], "PageCount"), "40") << "a second run prints the footer hidden on the last page";
    EXPECT_EQ(ListTest::text(again.pages[1], "QRExpr4"), "50");
}

TEST(ReferenceListPages, RowsWithoutANameAreNeitherPrintedNorCountedButStayInTheTable)
{
    std::vector<TransferRow> rows = Employees(4);
    rows.insert(rows.begin() + 2, {"部門小計", "", 2020.5});
    rows.push_back({"總計", "", 4081});
    ReferenceList list("FILTERED", rows);
    const report::LaidOutReport laid = list.rep().layout();
    ASSERT_EQ(laid.pages.size(), 1u);
    const report::LaidOutPage& page = laid.pages[0];
    EXPECT_EQ(DetailLines(page), 4);
    for (const report::LaidOutItem* item : page.bandItems("DetailBand1"))
        EXPECT_FALSE(item->text.contains(u'計')) << item->text.toStdString();
    EXPECT_EQ(ListTest::text(page, "QRExpr4"), "4");
    EXPECT_EQ(ListTest::text(page, "QRExpr3"), "4,061.00");
    EXPECT_EQ(ListTest::text(page, "PageAmtn1"), "4,061.00");
    EXPECT_EQ(list.table().data()->rows.size(), 6u);
}

TEST(ReferenceListPages, BandsStackFromTheTopMarginAndTheFooterSitsAtThePageFoot)
{
    ReferenceList list("GEOMETRY", Employees(45));
    const report::LaidOutReport laid = list.rep().layout();
    const report::LaidOutPage& first = laid.pages.at(0);
    EXPECT_DOUBLE_EQ(first.find("YY")->rectMm.top(), 10.0);
    std::vector<double> lineTops;
    for (const report::LaidOutItem* item : first.bandItems("DetailBand1"))
        if (item->itemName == "QRDBText5")
            lineTops.push_back(item->rectMm.top());
    ASSERT_EQ(lineTops.size(), 40u);
    EXPECT_DOUBLE_EQ(lineTops.front(), 34.0);
    EXPECT_DOUBLE_EQ(lineTops.back(), 34.0 + 39 * 6.0);
    EXPECT_EQ(first.find("QRDBText5")->alignment, Qt::AlignRight);
    // The footer's band ends at the bottom margin, 287 mm; its totals line 1 mm into the 8 mm band.
    EXPECT_DOUBLE_EQ(first.find("PageCount")->rectMm.top(), 280.0);
    // The grand totals line of the summary, left to right.
    const report::LaidOutPage& last = laid.pages.back();
    const double grandLine = last.find("QRExpr3")->rectMm.top();
    std::vector<const report::LaidOutItem*> line;
    for (const report::LaidOutItem* item : last.bandItems("SummaryBand1"))
        if (item->rectMm.top() == grandLine)
            line.push_back(item);
    std::sort(line.begin(), line.end(), [](auto a, auto b) { return a->rectMm.left() < b->rectMm.left(); });
    QStringList texts;
    for (const report::LaidOutItem* item : line)
        texts << item->text;
    EXPECT_EQ(texts, (QStringList{"** 總    計 **", "金        額 ：", "54,911.25", "本頁合計", "45", "人", "共", "2", "頁"}));
}

TEST(ReferenceListPages, TheLastRowTakesTheSummaryAlongSoTheSummaryNeverStandsAlone)
{
    ReferenceList list("KEEP_WITH", Employees(40));   // a full page: the last line fits, but not with the summary
    const report::LaidOutReport laid = list.rep().layout();
    ASSERT_EQ(laid.pages.size(), 2u);
    EXPECT_EQ(DetailLines(laid.pages[0]), 39);
    EXPECT_EQ(ListTest::text(laid.pages[0], "PageCount"), "39");
    EXPECT_EQ(DetailLines(laid.pages[1]), 1);
    EXPECT_EQ(ListTest::text(laid.pages[1], "PageCount1"), "1");
    EXPECT_EQ(ListTest::text(laid.pages[1], "PageAmtn1"), "1,390.25");
    EXPECT_EQ(ListTest::text(laid.pages[1], "QRExpr4"), "40");
}

TEST_F(ListTest, TheTitleLineIsUnderlinedWholeYearAndMonthIncluded)
{
    const report::LaidOutPage page = layOut(1).pages.front();
    ASSERT_NE(page.find("YY"), nullptr);
    const double titleTop = page.find("YY")->rectMm.top();
    QStringList title;
    for (const report::LaidOutItem& item : page.items) {
        if (item.bandName == "PageHeaderBand1" && item.rectMm.top() == titleTop)
            title << item.text + (item.font.underline() ? "" : " (not underlined)");
    }
    EXPECT_EQ(title, (QStringList{"115", "年", "03", "月薪資轉存清冊"}));
}

struct SimplifiedListTest : ListTest {
    SimplifiedListTest() : ListTest(0) {}
};

TEST_F(SimplifiedListTest, CaptionsTurnSimplifiedInASongFaceAndDataStays)
{
    const report::LaidOutPage page = layOut(1).pages.front();
    bool title = false;
    for (const report::LaidOutItem& item : page.items) {
        if (item.text == QStringLiteral("月薪资转存清册")) {
            title = true;
            EXPECT_EQ(item.font.family(), QStringLiteral("宋体"));
        }
        EXPECT_NE(item.text, QStringLiteral("月薪資轉存清冊"));
    }
    EXPECT_TRUE(title);
    EXPECT_EQ(text(page, "QRDBText2"), QStringLiteral("王小明")) << "data fields are not converted";
}

} // namespace
