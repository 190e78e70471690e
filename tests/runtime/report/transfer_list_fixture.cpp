#include "transfer_list_fixture.h"
#include "runtime/report/numbermask.h"

using namespace report;

namespace reporttest {

std::unique_ptr<db::LocalTable> MakeTransferTable(const QString& tableName, const std::vector<Transfer>& rows)
{
    auto table = std::make_unique<db::LocalTable>(QStringLiteral("REPORT_TEST"), tableName);
    table->clearFields();
    table->addField({QStringLiteral("BACC_NO"), db::FieldDef::Type::Text, 20});
    table->addField({QStringLiteral("YG_NAME"), db::FieldDef::Type::Text, 30});
    table->addField({QStringLiteral("A_MTN"), db::FieldDef::Type::Float});
    table->createTable();
    table->open();
    for (const Transfer& row : rows) {
        table->append();
        table->setField(QStringLiteral("BACC_NO"), row.account);
        table->setField(QStringLiteral("YG_NAME"), row.name);
        table->setField(QStringLiteral("A_MTN"), row.amount);
        table->post();
    }
    table->setFilter(QStringLiteral("YG_NAME<>''"));
    table->setFiltered(true);
    return table;
}

std::vector<Transfer> Employees(int count)
{
    static const QStringList surnames{QStringLiteral("陳"), QStringLiteral("林"), QStringLiteral("黃"), QStringLiteral("張")};
    std::vector<Transfer> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("0123456789%1").arg(i, 3, 10, QChar(u'0')),
                        surnames.at(i % surnames.size()) + QStringLiteral("員工%1").arg(i + 1), 1000.25 + 10 * i});
    return rows;
}

TransferListReport::TransferListReport(db::LocalTable& table)
{
    rep_.setReportTitle(QStringLiteral("月薪資轉存清冊"));
    rep_.setDataSet(&table);
    const QFont ming(QStringLiteral("細明體"), 10);

    TQRBand& header = rep_.addBand(BandType::PageHeader, QStringLiteral("PageHeaderBand1"), 30);
    header.addLabel(QStringLiteral("YY"), {60, 0, 10, 8}, QStringLiteral("115"));
    header.addLabel(QStringLiteral("QRLabel1"), {70, 0, 6, 8}, QStringLiteral("年"));
    header.addLabel(QStringLiteral("MM"), {76, 0, 8, 8}, QStringLiteral("03"));
    header.addLabel(QStringLiteral("QRLabel2"), {84, 0, 50, 8}, QStringLiteral("月薪資轉存清冊")).setUnderline(true);
    header.addLabel(QStringLiteral("QRLabel3"), {0, 10, 16, 6}, QStringLiteral("印表日:"));
    header.addLabel(QStringLiteral("Sz_Dd"), {16, 10, 25, 6}, QStringLiteral("115/03/01"));
    header.addLabel(QStringLiteral("QRLabel4"), {60, 10, 20, 6}, QStringLiteral("薪資期別:"));
    header.addLabel(QStringLiteral("ED_SZ_F3"), {80, 10, 50, 6}, QStringLiteral("薪資"));
    header.addLabel(QStringLiteral("QRLabel5"), {150, 10, 12, 6}, QStringLiteral("頁次:"));
    header.addExpr(QStringLiteral("QRExpr1"), {162, 10, 20, 6}, QStringLiteral("PAGENUMBER"));
    header.addShape(QStringLiteral("QRShape1"), {0, 17, 190, 1}, ShapeKind::HorizontalLine);
    header.addLabel(QStringLiteral("QRLabel6"), {0, 20, 40, 6}, QStringLiteral("帳      號")).setUnderline(true);
    header.addLabel(QStringLiteral("QRLabel7"), {60, 20, 40, 6}, QStringLiteral("姓       名")).setUnderline(true);
    header.addLabel(QStringLiteral("QRLabel8"), {130, 20, 40, 6}, QStringLiteral("轉 帳 金 額")).setUnderline(true);

    TQRBand& detail = rep_.addBand(BandType::Detail, QStringLiteral("DetailBand1"), DetailHeightMm);
    detail.addDBText(QStringLiteral("QRDBText3"), {0, 0, 50, 6}, QStringLiteral("BACC_NO"));
    detail.addDBText(QStringLiteral("QRDBText2"), {60, 0, 50, 6}, QStringLiteral("YG_NAME"));
    detail.addDBText(QStringLiteral("QRDBText5"), {120, 0, 50, 6}, QStringLiteral("A_MTN"), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);

    TQRBand& footer = rep_.addBand(BandType::PageFooter, QStringLiteral("PageFooterBand1"), 12);
    footer.addShape(QStringLiteral("QRShape2"), {0, 0, 190, 1}, ShapeKind::HorizontalLine);
    footer.addLabel(QStringLiteral("QRLabel9"), {0, 4, 30, 6}, QStringLiteral("** 本頁合計 **"));
    footer.addLabel(QStringLiteral("QRLabel10"), {32, 4, 28, 6}, QStringLiteral("金        額 ："));
    footer.addLabel(QStringLiteral("PageAmtn"), {60, 4, 40, 6}, QString()).setAlignment(Qt::AlignRight);
    footer.addLabel(QStringLiteral("QRLabel11"), {110, 4, 20, 6}, QStringLiteral("本頁小計"));
    footer.addLabel(QStringLiteral("PageCount"), {130, 4, 15, 6}, QString()).setAlignment(Qt::AlignHCenter);
    footer.addLabel(QStringLiteral("QRLabel12"), {145, 4, 6, 6}, QStringLiteral("人"));

    TQRBand& summary = rep_.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), SummaryHeightMm);
    summary.addLabel(QStringLiteral("QRLabel13"), {0, 0, 30, 6}, QStringLiteral("** 本頁合計 **"));
    summary.addLabel(QStringLiteral("QRLabel14"), {32, 0, 28, 6}, QStringLiteral("金        額 ："));
    summary.addLabel(QStringLiteral("PageAmtn1"), {60, 0, 40, 6}, QString()).setAlignment(Qt::AlignRight);
    summary.addLabel(QStringLiteral("QRLabel15"), {110, 0, 20, 6}, QStringLiteral("本頁小計"));
    summary.addLabel(QStringLiteral("PageCount1"), {130, 0, 15, 6}, QString()).setAlignment(Qt::AlignHCenter);
    summary.addLabel(QStringLiteral("QRLabel16"), {145, 0, 6, 6}, QStringLiteral("人"));
    summary.addLabel(QStringLiteral("QRLabel17"), {0, 7, 30, 6}, QStringLiteral("** 總    計 **"));
    summary.addLabel(QStringLiteral("QRLabel18"), {32, 7, 28, 6}, QStringLiteral("金        額 ："));
    summary.addExpr(QStringLiteral("QRExpr3"), {60, 7, 40, 6}, QStringLiteral("SUM(A_MTN)"), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);
    summary.addLabel(QStringLiteral("QRLabel19"), {110, 7, 20, 6}, QStringLiteral("本頁合計"));
    summary.addExpr(QStringLiteral("QRExpr4"), {130, 7, 15, 6}, QStringLiteral("COUNT"));
    summary.addLabel(QStringLiteral("QRLabel20"), {145, 7, 6, 6}, QStringLiteral("人"));
    summary.addLabel(QStringLiteral("QRLabel21"), {155, 7, 6, 6}, QStringLiteral("共"));
    summary.addExpr(QStringLiteral("QRExpr2"), {161, 7, 10, 6}, QStringLiteral("PAGENUMBER"));
    summary.addLabel(QStringLiteral("QRLabel22"), {171, 7, 6, 6}, QStringLiteral("頁"));
    summary.addShape(QStringLiteral("QRShape3"), {0, 15, 190, 1}, ShapeKind::HorizontalLine);

    for (TQRPrintable* item : rep_.allItems())
        if (item->kind() == ItemKind::Label) static_cast<TQRLabel*>(item)->setFont(ming);

    rep_.OnStartPage = [this](TQuickRep&) {
        pageCount = 0;
        pageAmount = 0;
    };
    detail.AfterPrint = [this, &table](TQRBand&, bool printed) {
        if (!printed) return;
        ++pageCount;
        pageAmount += table.fieldFloat(QStringLiteral("A_MTN"));
    };
    footer.BeforePrint = [this](TQRBand& band, bool&) {
        if (rep_.dataSetAtEnd()) {
            band.setHeightMm(0);
            return;
        }
        static_cast<TQRLabel*>(rep_.findItem(QStringLiteral("PageCount")))->setCaption(QString::number(pageCount));
        static_cast<TQRLabel*>(rep_.findItem(QStringLiteral("PageAmtn")))
            ->setCaption(FormatMask(pageAmount, QStringLiteral("#,##0.00")));
    };
    summary.BeforePrint = [this](TQRBand&, bool&) {
        static_cast<TQRLabel*>(rep_.findItem(QStringLiteral("PageCount1")))->setCaption(QString::number(pageCount));
        static_cast<TQRLabel*>(rep_.findItem(QStringLiteral("PageAmtn1")))
            ->setCaption(FormatMask(pageAmount, QStringLiteral("#,##0.00")));
    };
}

} // namespace reporttest
