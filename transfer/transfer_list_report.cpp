#include "transfer/transfer_list_report.h"

#include "runtime/clock.h"
#include "runtime/report/band.h"
#include "runtime/report/numbermask.h"
#include "transfer/bank_row.h"
#include "transfer/transfer_table.h"

namespace {
using report::BandType;
}

ListWording RecordCountWording()
{
    ListWording wording;
    wording.pageCount = wording.grandCount = QStringLiteral("筆數共");
    wording.countUnit = QStringLiteral("筆");
    return wording;
}

QString RocSlashedDate(const QDate& date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.year() - 1911)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString AmountText(double amount)
{
    return report::FormatMask(amount, QStringLiteral("#,##0.00"));
}

ListColumn LineLabelColumn(const QString& heading, const QString& itemName, double widthMm,
                           std::function<std::optional<QString>(const TransferListRun&)> text)
{
    ListColumn column{heading, itemName, QString(), widthMm};
    column.text = std::move(text);
    return column;
}

ListColumn TransferDateColumn(const QString& heading, double widthMm)
{
    return LineLabelColumn(heading, QStringLiteral("YMD"), widthMm,
                           [](const TransferListRun& run) { return RocSlashedDate(run.transferDate); });
}

ListColumn BankParameterColumn(const QString& heading, const QString& itemName, double widthMm, const QString& rowKey,
                               const QString& column, const QString& designCaption)
{
    ListColumn parameter = LineLabelColumn(heading, itemName, widthMm, [rowKey, column](const TransferListRun&) {
        const auto row = BankRow(rowKey).Read();
        return row ? std::optional<QString>(row->value(column)) : std::nullopt;
    });
    parameter.designCaption = designCaption;
    return parameter;
}

std::vector<ListColumn> EmployeeListColumns(const QString& numberHeading, const QString& accountHeading)
{
    return {
        {numberHeading, QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 30},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 45},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 32},
        {accountHeading, QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 40},
        {QStringLiteral("轉  帳  金  額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 38, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}

TransferListReport::TransferListReport(QWidget* owner)
    : ReportForm(owner)
{
}

std::vector<ListColumn> TransferListReport::Columns() const
{
    return {
        {QStringLiteral("帳      號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 55},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 70},
        {QStringLiteral("轉 帳 金 額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 45, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}

void TransferListReport::FormCreate()
{
    buildBands();
    setCaptionIfPresent(QStringLiteral("Sz_Dd"), RocSlashedDate(Today()));
    LocalizeReport();
}

void TransferListReport::ColumnHeadings(report::TQRBand& band, double y, const std::vector<ListColumn>& columns)
{
    double x = 0;
    for (const ListColumn& column : columns) {
        x += column.gapBeforeMm;
        const QStringList lines = column.heading.split(u'\n');
        if (lines.size() > 1) {
            CaptionMemo(band, {x, y, column.widthMm, double(lines.size()) * LineMm}, lines).setAlignment(column.alignment);
        } else {
            report::TQRLabel& heading = Caption(band, {x, y, column.widthMm, LineMm}, column.heading);
            heading.setUnderline(true);
            heading.setAlignment(column.alignment);
        }
        x += column.widthMm;
    }
}

void TransferListReport::BuildPageHeader(const std::vector<ListColumn>& columns)
{
    qsizetype headingLines = 1;
    for (const ListColumn& column : columns)
        headingLines = qMax(headingLines, column.heading.count(u'\n') + 1);
    report::TQRBand& header =
        QuickRep1.addBand(BandType::PageHeader, QStringLiteral("PageHeaderBand1"), double(3 + headingLines) * LineMm);
    // The title line, underlined whole: year, "年", month, "月薪資轉存清冊".
    report::TQRLabel& year = header.addLabel(QStringLiteral("YY"), {60, 0, 12, LineMm}, QString());
    year.setAlignment(Qt::AlignRight);
    year.setUnderline(true);
    Caption(header, {72, 0, 8, LineMm}, QStringLiteral("年")).setUnderline(true);
    header.addLabel(QStringLiteral("MM"), {80, 0, 8, LineMm}, QString()).setUnderline(true);
    Caption(header, {88, 0, 50, LineMm}, QStringLiteral("月薪資轉存清冊")).setUnderline(true);
    Caption(header, {0, LineMm, 18, LineMm}, QStringLiteral("印表日:"));
    header.addLabel(QStringLiteral("Sz_Dd"), {18, LineMm, 25, LineMm}, QString());
    if (ShowsSalaryKinds()) {
        Caption(header, {48, LineMm, 22, LineMm}, QStringLiteral("薪資期別:"));
        header.addLabel(QStringLiteral("ED_SZ_F3"), {70, LineMm, 90, LineMm}, QStringLiteral("薪資"));
    }
    Caption(header, {160, LineMm, 14, LineMm}, QStringLiteral("頁次:"));
    header.addExpr(QStringLiteral("QRExpr1"), {174, LineMm, 16, LineMm}, QStringLiteral("PAGENUMBER"));
    Rule(header, 2 * LineMm + 2);
    ColumnHeadings(header, 3 * LineMm, columns);
}

// "** 本頁合計 **  金額 ： n  本頁小計 n 人", in the bank's wording.
void TransferListReport::PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem)
{
    const ListWording wording = Wording();
    Caption(band, {0, y, 35, LineMm}, QStringLiteral("** 本頁合計 **"));
    Caption(band, {40, y, 30, LineMm}, wording.amount);
    band.addLabel(amountItem, {70, y, 40, LineMm}, QString()).setAlignment(Qt::AlignRight);
    Caption(band, {120, y, 22, LineMm}, wording.pageCount);
    band.addLabel(countItem, {142, y, 20, LineMm}, QString()).setAlignment(Qt::AlignHCenter);
    Caption(band, {162, y, 8, LineMm}, wording.countUnit);
}

// "** 總    計 **  金額 ： sum  本頁合計 count 人  共 n 頁".
void TransferListReport::GrandTotalsLine(report::TQRBand& band, double y)
{
    const ListWording wording = Wording();
    Caption(band, {0, y, 35, LineMm}, wording.grandTotal);
    Caption(band, {40, y, 30, LineMm}, wording.amount);
    band.addExpr(QStringLiteral("QRExpr3"), {70, y, 40, LineMm}, GrandTotalExpression(), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);
    Caption(band, {120, y, 22, LineMm}, wording.grandCount);
    AddGrandCount(band, {142, y, 20, LineMm});
    Caption(band, {162, y, 8, LineMm}, wording.countUnit);
    Caption(band, {172, y, 6, LineMm}, QStringLiteral("共"));
    band.addExpr(QStringLiteral("QRExpr2"), {178, y, 8, LineMm}, QStringLiteral("PAGENUMBER")).setAlignment(Qt::AlignHCenter);
    Caption(band, {186, y, 6, LineMm}, QStringLiteral("頁"));
}

void TransferListReport::buildBands()
{
    const std::vector<ListColumn> columns = Columns();
    BuildPageHeader(columns);

    // Detail: one line per employee row.
    report::TQRBand& detail = QuickRep1.addBand(BandType::Detail, QStringLiteral("DetailBand1"), LineMm);
    double x = 0;
    for (const ListColumn& column : columns) {
        x += column.gapBeforeMm;
        const QRectF place(x, 0, column.widthMm, LineMm);
        if (column.dataField.isEmpty())
            detail.addLabel(column.itemName, place, column.designCaption).setAlignment(column.alignment);
        else
            detail.addDBText(column.itemName, place, column.dataField, column.mask).setAlignment(column.alignment);
        x += column.widthMm;
    }
    detail.BeforePrint = [this](report::TQRBand&, bool&) { DetailBeforePrint(); };
    detail.AfterPrint = [this](report::TQRBand&, bool printed) {
        if (printed)
            DetailBand1AfterPrint();
    };

    report::TQRBand& footer = QuickRep1.addBand(BandType::PageFooter, QStringLiteral("PageFooterBand1"), LineMm + 2);
    Rule(footer, 0);
    PageTotalsLine(footer, 1, QStringLiteral("PageAmtn"), QStringLiteral("PageCount"));
    footer.BeforePrint = [this](report::TQRBand&, bool& printBand) { PageFooterBand1BeforePrint(printBand); };

    report::TQRBand& summary = QuickRep1.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), 2 * LineMm + 4);
    Rule(summary, 0);
    PageTotalsLine(summary, 1, QStringLiteral("PageAmtn1"), QStringLiteral("PageCount1"));
    GrandTotalsLine(summary, LineMm + 1);
    Rule(summary, 2 * LineMm + 2);
    summary.BeforePrint = [this](report::TQRBand&, bool&) { SummaryBand1BeforePrint(); };

    QuickRep1.OnStartPage = [this](report::TQuickRep&) { QuickRep1StartPage(); };
}

void TransferListReport::AddGrandCount(report::TQRBand& summary, const QRectF& place)
{
    summary.addExpr(QStringLiteral("QRExpr4"), place, QStringLiteral("COUNT")).setAlignment(Qt::AlignHCenter);
}

double TransferListReport::LineAmount() const
{
    return Report.fieldFloat(AmountColumnName);
}

void TransferListReport::QuickRep1StartPage()
{
    pageCount_ = 0;
    pageAmount_ = 0;
}

void TransferListReport::DetailBand1AfterPrint()
{
    pageCount_ += LineCount();
    pageAmount_ += LineAmount();
}

void TransferListReport::PageFooterBand1BeforePrint(bool& printBand)
{
    if (QuickRep1.dataSetAtEnd()) {
        printBand = false;
        return;
    }
    setCaptionIfPresent(QStringLiteral("PageCount"), QString::number(pageCount_));
    setCaptionIfPresent(QStringLiteral("PageAmtn"), AmountText(pageAmount_));
}

void TransferListReport::SummaryBand1BeforePrint()
{
    setCaptionIfPresent(QStringLiteral("PageCount1"), QString::number(pageCount_));
    setCaptionIfPresent(QStringLiteral("PageAmtn1"), AmountText(pageAmount_));
}

void TransferListReport::PrepareRun(const TransferListRun& run)
{
    label(QStringLiteral("YY")).setCaption(QString::number(run.transferDate.year() - 1911));
    label(QStringLiteral("MM")).setCaption(QStringLiteral("%1").arg(run.transferDate.month(), 2, 10, QLatin1Char('0')));
    if (ShowsSalaryKinds() && FillsSalaryKinds())
        label(QStringLiteral("ED_SZ_F3")).setCaption(run.salaryKinds);
}

void TransferListReport::Prepare(const db::LocalTable& transferTable, const TransferListRun& run)
{
    Report.setDatabaseName(transferTable.databaseName());
    Report.setTableName(transferTable.tableName());
    Report.setFilter(EmployeeRowsFilter());
    Report.setFiltered(true);
    Report.open();
    QuickRep1.setDataSet(&Report);
    PrepareRun(run);
    for (const ListColumn& column : Columns()) {
        if (!column.text)
            continue;
        if (const std::optional<QString> text = column.text(run))
            label(column.itemName).setCaption(*text);
    }
}

void TransferListReport::Run(const db::LocalTable& transferTable, const TransferListRun& run)
{
    Prepare(transferTable, run);
    Output(run.printDirect);
}
