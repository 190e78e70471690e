// Rules of the banded layout that every form relies on, beyond the transfer list's own figures.
#include "support/reference_list.h"
#include "runtime/report/printersettings.h"
#include "runtime/report/reporterror.h"
#include <gtest/gtest.h>

using namespace report;

namespace {

// A transfer table of its own holding `count` employees (account, name, amount).
std::unique_ptr<db::LocalTable> EmployeeTable(const QString& name, int count)
{
    auto table = std::make_unique<db::LocalTable>(QStringLiteral("REPORT_TEST"), name);
    FillTransferRows(*table, TransferTableLayout::Standard(), Employees(count));
    return table;
}

std::vector<QString> Texts(const LaidOutPage& page, const QString& itemName)
{
    std::vector<QString> texts;
    for (const LaidOutItem& item : page.items)
        if (item.itemName == itemName) texts.push_back(item.text);
    return texts;
}

} // namespace

TEST(LayoutEngine, FaultsInTheDesignAreReportedByNameBeforeAnythingPrints)
{
    auto table = EmployeeTable(QStringLiteral("DESIGN_FAULTS"), 2);
    {
        TQuickRep rep;
        rep.setReportTitle(QStringLiteral("清冊"));
        rep.setDataSet(table.get());
        rep.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), 10)
            .addExpr(QStringLiteral("QRExpr9"), {0, 0, 20, 5}, QStringLiteral("AVERAGE(A_MTN)"));
        try {
            rep.layout();
            FAIL() << "an expression the engine cannot work out was accepted";
        } catch (const ReportError& error) {
            EXPECT_TRUE(error.message().contains(u"QRExpr9"));
            EXPECT_TRUE(error.message().contains(u"AVERAGE(A_MTN)"));
        }
    }
    {
        TQuickRep rep;
        rep.setDataSet(table.get());
        rep.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 5)
            .addDBText(QStringLiteral("QRDBText1"), {0, 0, 20, 5}, QStringLiteral("ID_NO"));
        EXPECT_THROW(rep.layout(), ReportError);
        rep.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), 5)
            .addExpr(QStringLiteral("QRExpr1"), {0, 0, 20, 5}, QStringLiteral("sum( ID_NO )"));
        EXPECT_THROW(rep.layout(), ReportError);
        rep.band(BandType::Summary)->addExpr(QStringLiteral("QRExpr2"), {0, 0, 20, 5}, QStringLiteral("SUM(A_MTN+A_MTN9)"));
        EXPECT_THROW(rep.layout(), ReportError) << "every field of a sum must exist";
    }
    {
        TQuickRep rep;
        rep.setDataSet(table.get());
        rep.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 300);
        try {
            rep.layout();
            FAIL() << "a band taller than the page was accepted";
        } catch (const ReportError& error) {
            EXPECT_TRUE(error.message().contains(u"DetailBand1"));
        }
        EXPECT_THROW(rep.addBand(BandType::Detail, QStringLiteral("DetailBand2"), 5), ReportError);
        EXPECT_THROW(rep.band(BandType::Detail)->addLabel(QStringLiteral("X"), {}, QString());
                     rep.band(BandType::Detail)->addLabel(QStringLiteral("X"), {}, QString()), ReportError);
    }
}

TEST(LayoutEngine, ARowItsBandRefusesIsNeitherPrintedNorCounted)
{
    auto table = EmployeeTable(QStringLiteral("SKIPPED_ROWS"), 5);
    TQuickRep rep;
    rep.setDataSet(table.get());
    TQRBand& detail = rep.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 5);
    detail.addDBText(QStringLiteral("QRDBText2"), {0, 0, 40, 5}, QStringLiteral("YG_NAME"));
    int afterPrintSkipped = 0;
    detail.BeforePrint = [&](TQRBand& band, bool& print) {
        const int row = table->recNo();
        if (row == 1) print = false;
        if (row == 3) band.setHeightMm(0);
    };
    detail.AfterPrint = [&](TQRBand&, bool printed) { afterPrintSkipped += printed ? 0 : 1; };
    TQRBand& summary = rep.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), 5);
    summary.addExpr(QStringLiteral("QRExpr1"), {0, 0, 20, 5}, QStringLiteral("COUNT"));
    summary.addExpr(QStringLiteral("QRExpr2"), {20, 0, 40, 5}, QStringLiteral("SUM(A_MTN)"), QStringLiteral("0.00"));
    summary.addExpr(QStringLiteral("QRExpr3"), {60, 0, 40, 5}, QStringLiteral("Sum(A_MTN + A_MTN)"), QStringLiteral("0.00"));

    const LaidOutReport laid = rep.layout();

    const LaidOutPage& page = laid.pages.at(0);
    EXPECT_EQ(Texts(page, QStringLiteral("QRDBText2")).size(), 3u);
    EXPECT_EQ(afterPrintSkipped, 2);
    EXPECT_EQ(page.find(QStringLiteral("QRExpr1"))->text, QStringLiteral("3"));
    EXPECT_EQ(page.find(QStringLiteral("QRExpr2"))->text, QStringLiteral("3060.75"));   // rows 0, 2 and 4
    EXPECT_EQ(page.find(QStringLiteral("QRExpr3"))->text, QStringLiteral("6121.50")) << "a sum of two fields adds both per row";
    // The band printing after a shrunk row is back at its own height.
    EXPECT_DOUBLE_EQ(detail.heightMm(), 5.0);
}

TEST(LayoutEngine, AnExpressionThatResetsAfterPrintGivesPerPageTotals)
{
    auto table = EmployeeTable(QStringLiteral("RESET_AFTER_PRINT"), 50);
    TQuickRep rep;
    rep.setDataSet(table.get());
    rep.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 6)
        .addDBText(QStringLiteral("QRDBText5"), {0, 0, 40, 6}, QStringLiteral("A_MTN"));
    TQRBand& footer = rep.addBand(BandType::PageFooter, QStringLiteral("PageFooterBand1"), 6);
    footer.addExpr(QStringLiteral("PageSum"), {0, 0, 40, 6}, QStringLiteral("SUM(A_MTN)"), QStringLiteral("#,##0.00"))
        .setResetAfterPrint(true);
    footer.addExpr(QStringLiteral("RunningCount"), {40, 0, 20, 6}, QStringLiteral("COUNT"));

    const LaidOutReport laid = rep.layout();

    // 277 mm less a 6 mm footer leave room for 45 rows of 6 mm.
    ASSERT_EQ(laid.pages.size(), 2u);
    // 45 × 1,000.25 + 10 × (0 + 1 + ... + 44), then 5 × 1,000.25 + 10 × (45 + ... + 49).
    EXPECT_EQ(laid.pages[0].find(QStringLiteral("PageSum"))->text, QStringLiteral("54,911.25"));
    EXPECT_EQ(laid.pages[1].find(QStringLiteral("PageSum"))->text, QStringLiteral("7,351.25"));
    EXPECT_EQ(laid.pages[0].find(QStringLiteral("RunningCount"))->text, QStringLiteral("45"));
    EXPECT_EQ(laid.pages[1].find(QStringLiteral("RunningCount"))->text, QStringLiteral("50"));
}

TEST(LayoutEngine, AFormWithoutDataPrintsItsDetailOnceAndTitleOnTheFirstPageOnly)
{
    TQuickRep rep;
    rep.addBand(BandType::Title, QStringLiteral("TitleBand1"), 20)
        .addLabel(QStringLiteral("Title"), {0, 0, 100, 10}, QStringLiteral("委 託 郵 政 代 存 薪 資 總 表 (407)"));
    TQRBand& header = rep.addBand(BandType::PageHeader, QStringLiteral("PageHeaderBand1"), 10);
    header.addExpr(QStringLiteral("QRExpr1"), {0, 0, 20, 10}, QStringLiteral("PageNumber"));
    TQRBand& detail = rep.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 50);
    detail.addMemo(QStringLiteral("QRMemo1"), {0, 0, 190, 50},
                   {QStringLiteral("第一行"), QStringLiteral("第二行")});
    detail.addShape(QStringLiteral("QRShape1"), {0, 0, 190, 50}, ShapeKind::Rectangle).setPenWidthMm(0.5);
    detail.addLabel(QStringLiteral("Hidden"), {0, 0, 10, 5}, QStringLiteral("x")).setEnabled(false);

    const LaidOutReport laid = rep.layout();

    ASSERT_EQ(laid.pages.size(), 1u);
    const LaidOutPage& page = laid.pages[0];
    EXPECT_EQ(page.find(QStringLiteral("QRMemo1"))->text, QStringLiteral("第一行\n第二行"));
    EXPECT_EQ(page.find(QStringLiteral("QRShape1"))->kind, ItemKind::Shape);
    EXPECT_DOUBLE_EQ(page.find(QStringLiteral("QRShape1"))->penWidthMm, 0.5);
    EXPECT_EQ(page.find(QStringLiteral("Hidden")), nullptr);
    // Page header first, the title under it, then the detail.
    EXPECT_DOUBLE_EQ(page.find(QStringLiteral("QRExpr1"))->rectMm.top(), 10.0);
    EXPECT_DOUBLE_EQ(page.find(QStringLiteral("Title"))->rectMm.top(), 20.0);
    EXPECT_DOUBLE_EQ(page.find(QStringLiteral("QRMemo1"))->rectMm.top(), 40.0);
}

TEST(LayoutEngine, ThePrinterSettingsGiveThePaperAndTheWalkGivesEveryItemForLocalisation)
{
    ReferenceList list(QStringLiteral("LANDSCAPE"), Employees(30));
    TPrinterSettings printer;
    printer.printerName = QStringLiteral("PDF file");
    printer.orientation = QPageLayout::Landscape;
    list.rep().setPrinterSettings(printer);

    // What a localisation does: convert every label, give labels, memos and expressions another face.
    int labels = 0, expressions = 0, fields = 0, shapes = 0;
    for (TQRPrintable* item : list.rep().allItems()) {
        switch (item->kind()) {
        case ItemKind::Label: {
            auto* label = static_cast<TQRLabel*>(item);
            label->setCaption(QString(label->caption()).replace(u'資', u'资'));
            label->setFontFamily(QStringLiteral("宋体"));
            ++labels;
            break;
        }
        case ItemKind::Expr: static_cast<TQRExpr*>(item)->setFontFamily(QStringLiteral("宋体")); ++expressions; break;
        case ItemKind::DBText: ++fields; break;
        case ItemKind::Shape: ++shapes; break;
        case ItemKind::Memo: break;
        }
    }
    EXPECT_EQ(list.rep().allItems().front()->band().type(), BandType::PageHeader);
    EXPECT_EQ(expressions, 4);
    EXPECT_EQ(fields, 3);
    EXPECT_EQ(shapes, 4);
    EXPECT_EQ(labels, 30);

    const LaidOutReport laid = list.rep().layout();

    EXPECT_DOUBLE_EQ(laid.page.paperSizeMm().width(), 297.0);
    const LaidOutPage& page = laid.pages.at(0);
    EXPECT_EQ(page.find(QStringLiteral("QRLabel2"))->text, QStringLiteral("月薪资轉存清冊"));
    EXPECT_EQ(page.find(QStringLiteral("QRLabel2"))->font.family(), QStringLiteral("宋体"));
    EXPECT_TRUE(page.find(QStringLiteral("QRLabel2"))->font.underline());
    EXPECT_EQ(page.find(QStringLiteral("QRExpr1"))->font.family(), QStringLiteral("宋体"));
    EXPECT_EQ(page.find(QStringLiteral("QRDBText2"))->font.family(), QStringLiteral("Arial"));
    // Landscape A4 is 210 mm long: 158 mm between the 24 mm header and the 8 mm footer hold 26 lines,
    // and the footer's label sits 1 mm into its band above the 10 mm margin.
    ASSERT_EQ(laid.pages.size(), 2u);
    EXPECT_EQ(page.find(QStringLiteral("PageCount"))->text, QStringLiteral("26"));
    EXPECT_DOUBLE_EQ(page.find(QStringLiteral("PageCount"))->rectMm.top(), 200.0 - 8.0 + 1.0);
}
