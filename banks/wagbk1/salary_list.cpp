#include "banks/wagbk1/salary_list.h"

#include "runtime/report/band.h"
#include "transfer/bank_row.h"

namespace {
// The transfer item the bank gives salaries.
const QString SalaryItem = QStringLiteral("51");
}

QString RocUnpaddedDate(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.year() - 1911).arg(date.month()).arg(date.day());
}

TWagBk1dForm::TWagBk1dForm(QWidget* owner)
    : TransferListReport(owner)
{
    setWindowTitle(QStringLiteral("打印予覽"));
    // The caption already says "preview": the preview and the PDF take the list's own title.
    QuickRep1.setReportTitle(QStringLiteral("各受款帳戶明細表"));
}

std::vector<ListColumn> TWagBk1dForm::Columns() const
{
    return {
        {QStringLiteral("往來分行"), QStringLiteral("QRDBText1"), QStringLiteral("BACC_NO"), 22},
        {QStringLiteral("受款人帳支號"), QStringLiteral("QRDBText2"), QStringLiteral("BACC_NO1"), 38},
        {QStringLiteral("識  別  欄"), QStringLiteral("QRDBText3"), QStringLiteral("YG_NAME"), 45},
        {QStringLiteral("存  款  金  額"), QStringLiteral("QRDBText4"), QStringLiteral("A_MTN"), 40, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        // The remark stands apart from the right-aligned amount before it.
        {QStringLiteral("   備      註"), QStringLiteral("QRDBText5"), QStringLiteral("REM"), 42, Qt::AlignLeft, {}, {}, {}, 3},
    };
}

void TWagBk1dForm::BuildPageHeader(const std::vector<ListColumn>& columns)
{
    report::TQRBand& header = QuickRep1.addBand(report::BandType::ColumnHeader, QStringLiteral("ColumnHeaderBand1"), 5 * LineMm);
    Caption(header, {0, 0, 20, LineMm}, QStringLiteral("企業編號"));
    header.addLabel(QStringLiteral("Id1"), {20, 0, 25, LineMm}, QString());
    Caption(header, {50, 0, 20, LineMm}, QStringLiteral("撥帳日期"));
    header.addLabel(QStringLiteral("Sz_Dd"), {70, 0, 25, LineMm}, QString());
    Caption(header, {100, 0, 20, LineMm}, QStringLiteral("委託項目"));
    header.addLabel(QStringLiteral("Id2"), {120, 0, 15, LineMm}, QString());
    Caption(header, {160, 0, 14, LineMm}, QStringLiteral("頁次:"));
    header.addExpr(QStringLiteral("QRExpr1"), {174, 0, 16, LineMm}, QStringLiteral("PAGENUMBER"));
    report::TQRLabel& title = Caption(header, {55, 1.5 * LineMm, 80, 1.5 * LineMm}, QStringLiteral("各受款帳戶明細表"));
    QFont titleFont = title.font();
    titleFont.setPixelSize(20);
    title.setFont(titleFont);
    title.setAlignment(Qt::AlignHCenter);
    Rule(header, 3 * LineMm + 2);
    ColumnHeadings(header, 4 * LineMm, columns);
}

// "** 本頁合計 **  件 數 : n  金 額 : amount".
void TWagBk1dForm::PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem)
{
    Caption(band, {0, y, 35, LineMm}, QStringLiteral("** 本頁合計 **"));
    Caption(band, {40, y, 22, LineMm}, QStringLiteral("件   數 :"));
    band.addLabel(countItem, {62, y, 20, LineMm}, QString()).setAlignment(Qt::AlignRight);
    Caption(band, {95, y, 22, LineMm}, QStringLiteral("金   額 :"));
    band.addLabel(amountItem, {117, y, 40, LineMm}, QString()).setAlignment(Qt::AlignRight);
}

// "** 總    計 **  件 數 : count  金 額 : sum  共 n 頁".
void TWagBk1dForm::GrandTotalsLine(report::TQRBand& band, double y)
{
    Caption(band, {0, y, 35, LineMm}, QStringLiteral("** 總    計 **"));
    Caption(band, {40, y, 22, LineMm}, QStringLiteral("件   數 :"));
    band.addExpr(QStringLiteral("QRExpr4"), {62, y, 20, LineMm}, QStringLiteral("COUNT")).setAlignment(Qt::AlignRight);
    Caption(band, {95, y, 22, LineMm}, QStringLiteral("金   額 :"));
    band.addExpr(QStringLiteral("QRExpr3"), {117, y, 40, LineMm}, QStringLiteral("SUM(A_MTN)"), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);
    Caption(band, {166, y, 6, LineMm}, QStringLiteral("共"));
    band.addExpr(QStringLiteral("QRExpr2"), {172, y, 12, LineMm}, QStringLiteral("PAGENUMBER")).setAlignment(Qt::AlignHCenter);
    Caption(band, {184, y, 6, LineMm}, QStringLiteral("頁"));
}

void TWagBk1dForm::PrepareRun(const TransferListRun& run)
{
    const auto row = BankRow(QStringLiteral("1")).Read();
    label(QStringLiteral("Id1")).setCaption(row ? row->value(QStringLiteral("ID1")) : QString());
    label(QStringLiteral("Sz_Dd")).setCaption(RocUnpaddedDate(run.transferDate));
    label(QStringLiteral("Id2")).setCaption(SalaryItem);
}
