// The transfer list as it is laid out: header labels, page totals, grand totals, localisation.
#include "banks/wagbk10/wagbk10.h"
#include "runtime/report/laidout.h"
#include "support/test_company.h"
#include "support/transfer_rows.h"

#include <gtest/gtest.h>

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

TEST_F(ListTest, TwoPagesCarryTheirOwnTotals)
{
    const report::LaidOutReport report = layOut(60);
    ASSERT_EQ(report.pages.size(), 2u);
    const int first = text(report.pages[0], "PageCount").toInt();
    const int second = text(report.pages[1], "PageCount1").toInt();
    EXPECT_GT(first, 0);
    EXPECT_EQ(first + second, 60);
    double firstAmount = 0;
    for (int i = 1; i <= first; ++i)
        firstAmount += 100.0 * i;
    EXPECT_EQ(text(report.pages[0], "PageAmtn"), QLocale(QLocale::English).toString(firstAmount, 'f', 2));
    EXPECT_EQ(text(report.pages[1], "PageCount"), "<absent>");
    EXPECT_EQ(text(report.pages[1], "QRExpr4"), "60");
    EXPECT_EQ(text(report.pages[1], "QRExpr3"), "183,000.00");
    EXPECT_EQ(text(report.pages[1], "QRExpr2"), "2");
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
