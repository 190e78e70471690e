#include "transfer/transfer_list_report.h"

#include "runtime/clock.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/report/band.h"
#include "runtime/report/numbermask.h"
#include "runtime/report/f6form.h"
#include "runtime/report/printersettings.h"
#include "transfer/pdf_notice.h"
#include "transfer/bank_row.h"
#include "transfer/transfer_table.h"

namespace {
using report::BandType;
using report::ShapeKind;

constexpr double LineMm = 6;
const QString MingFont = QStringLiteral("細明體");

QFont captionFont()
{
    QFont font(MingFont);
    font.setPixelSize(13);
    return font;
}
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

std::vector<ListColumn> EmployeeListColumns(const QString& numberHeading)
{
    return {
        {numberHeading, QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 30},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 45},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 32},
        {QStringLiteral("帳      號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 40},
        {QStringLiteral("轉  帳  金  額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 38, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}

TransferListReport::TransferListReport(QWidget* owner)
    : MForm(owner)
    , QuickRep1(this)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    QuickRep1.setObjectName(QStringLiteral("QuickRep1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    QuickRep1.setFont(arial);
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

report::TQRLabel& TransferListReport::label(const QString& name)
{
    auto* item = dynamic_cast<report::TQRLabel*>(QuickRep1.findItem(name));
    if (!item)
        throw std::runtime_error(LoadFormStr(15107).arg(name).toStdString());
    return *item;
}

void TransferListReport::FormCreate()
{
    buildBands();
    label(QStringLiteral("Sz_Dd")).setCaption(RocSlashedDate(Today()));
    LocalizeReport();
}

void TransferListReport::buildBands()
{
    int labelNo = 0;
    auto caption = [&](report::TQRBand& band, double x, double y, double w, const QString& text) -> report::TQRLabel& {
        report::TQRLabel& item = band.addLabel(QStringLiteral("QRLabel%1").arg(++labelNo), {x, y, w, LineMm}, text);
        item.setFont(captionFont());
        return item;
    };
    auto rule = [&](report::TQRBand& band, double y) {
        band.addShape(QStringLiteral("QRShape%1").arg(++labelNo), {0, y, 190, 0.5}, ShapeKind::HorizontalLine);
    };
    const std::vector<ListColumn> columns = Columns();
    qsizetype headingLines = 1;
    for (const ListColumn& column : columns)
        headingLines = qMax(headingLines, column.heading.count(u'\n') + 1);

    // Page header: title, print date / categories / page, a rule, the column headings.
    report::TQRBand& header =
        QuickRep1.addBand(BandType::PageHeader, QStringLiteral("PageHeaderBand1"), double(3 + headingLines) * LineMm);
    // The title line, underlined whole: year, "年", month, "月薪資轉存清冊".
    report::TQRLabel& year = header.addLabel(QStringLiteral("YY"), {60, 0, 12, LineMm}, QString());
    year.setAlignment(Qt::AlignRight);
    year.setUnderline(true);
    caption(header, 72, 0, 8, QStringLiteral("年")).setUnderline(true);
    header.addLabel(QStringLiteral("MM"), {80, 0, 8, LineMm}, QString()).setUnderline(true);
    caption(header, 88, 0, 50, QStringLiteral("月薪資轉存清冊")).setUnderline(true);
    caption(header, 0, LineMm, 18, QStringLiteral("印表日:"));
    header.addLabel(QStringLiteral("Sz_Dd"), {18, LineMm, 25, LineMm}, QString());
    if (ShowsSalaryKinds()) {
        caption(header, 48, LineMm, 22, QStringLiteral("薪資期別:"));
        header.addLabel(QStringLiteral("ED_SZ_F3"), {70, LineMm, 90, LineMm}, QString());
    }
    caption(header, 160, LineMm, 14, QStringLiteral("頁次:"));
    header.addExpr(QStringLiteral("QRExpr1"), {174, LineMm, 16, LineMm}, QStringLiteral("PAGENUMBER"));
    rule(header, 2 * LineMm + 2);
    double x = 0;
    for (const ListColumn& column : columns) {
        x += column.gapBeforeMm;
        const QStringList lines = column.heading.split(u'\n');
        if (lines.size() > 1) {
            report::TQRMemo& memo = header.addMemo(QStringLiteral("QRMemo%1").arg(++labelNo),
                                                   {x, 3 * LineMm, column.widthMm, double(lines.size()) * LineMm}, lines);
            memo.setFont(captionFont());
            memo.setAlignment(column.alignment);
        } else {
            report::TQRLabel& heading = caption(header, x, 3 * LineMm, column.widthMm, column.heading);
            heading.setUnderline(true);
            heading.setAlignment(column.alignment);
        }
        x += column.widthMm;
    }

    // Detail: one line per employee row.
    report::TQRBand& detail = QuickRep1.addBand(BandType::Detail, QStringLiteral("DetailBand1"), LineMm);
    x = 0;
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

    // The page line of the footer and the summary: "** 本頁合計 **  金額 ： n  本頁小計 n 人".
    const ListWording wording = Wording();
    auto pageLine = [&](report::TQRBand& band, double y, const QString& amountName, const QString& countName) {
        caption(band, 0, y, 35, QStringLiteral("** 本頁合計 **"));
        caption(band, 40, y, 30, wording.amount);
        band.addLabel(amountName, {70, y, 40, LineMm}, QString()).setAlignment(Qt::AlignRight);
        caption(band, 120, y, 22, wording.pageCount);
        band.addLabel(countName, {142, y, 20, LineMm}, QString()).setAlignment(Qt::AlignHCenter);
        caption(band, 162, y, 8, wording.countUnit);
    };

    report::TQRBand& footer = QuickRep1.addBand(BandType::PageFooter, QStringLiteral("PageFooterBand1"), LineMm + 2);
    rule(footer, 0);
    pageLine(footer, 1, QStringLiteral("PageAmtn"), QStringLiteral("PageCount"));
    footer.BeforePrint = [this](report::TQRBand&, bool& printBand) { PageFooterBand1BeforePrint(printBand); };

    report::TQRBand& summary = QuickRep1.addBand(BandType::Summary, QStringLiteral("SummaryBand1"), 2 * LineMm + 4);
    rule(summary, 0);
    pageLine(summary, 1, QStringLiteral("PageAmtn1"), QStringLiteral("PageCount1"));
    const double y = LineMm + 1;
    caption(summary, 0, y, 35, wording.grandTotal);
    caption(summary, 40, y, 30, wording.amount);
    summary.addExpr(QStringLiteral("QRExpr3"), {70, y, 40, LineMm}, GrandTotalExpression(), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);
    caption(summary, 120, y, 22, wording.grandCount);
    AddGrandCount(summary, {142, y, 20, LineMm});
    caption(summary, 162, y, 8, wording.countUnit);
    caption(summary, 172, y, 6, QStringLiteral("共"));
    summary.addExpr(QStringLiteral("QRExpr2"), {178, y, 8, LineMm}, QStringLiteral("PAGENUMBER")).setAlignment(Qt::AlignHCenter);
    caption(summary, 186, y, 6, QStringLiteral("頁"));
    rule(summary, 2 * LineMm + 2);
    summary.BeforePrint = [this](report::TQRBand&, bool&) { SummaryBand1BeforePrint(); };

    QuickRep1.OnStartPage = [this](report::TQuickRep&) { QuickRep1StartPage(); };
    QuickRep1.OnPreview = [this](report::TQuickRep&) { QuickRep1Preview(); };
}

void TransferListReport::AddGrandCount(report::TQRBand& summary, const QRectF& place)
{
    summary.addExpr(QStringLiteral("QRExpr4"), place, QStringLiteral("COUNT")).setAlignment(Qt::AlignHCenter);
}

double TransferListReport::LineAmount() const
{
    return Report.fieldFloat(AmountColumnName);
}

void TransferListReport::LocalizeReport()
{
    if (Language::LanguageID != 0)
        return;
    const ListLocalization localization = Localization();
    for (report::TQRPrintable* item : QuickRep1.allItems()) {
        if (auto* label = dynamic_cast<report::TQRLabel*>(item)) {
            label->setCaption(BIG5toGB(label->caption()));
            label->setFontFamily(localization.font);
        } else if (auto* memo = dynamic_cast<report::TQRMemo*>(item)) {
            QStringList lines = memo->lines();
            for (QString& line : lines)
                line = BIG5toGB(line);
            memo->setLines(lines);
            memo->setFontFamily(localization.font);
        } else if (auto* expr = dynamic_cast<report::TQRExpr*>(item); expr && localization.expressions) {
            expr->setFontFamily(localization.font);
        }
    }
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
    label(QStringLiteral("PageCount")).setCaption(QString::number(pageCount_));
    label(QStringLiteral("PageAmtn")).setCaption(AmountText(pageAmount_));
}

void TransferListReport::SummaryBand1BeforePrint()
{
    label(QStringLiteral("PageCount1")).setCaption(QString::number(pageCount_));
    label(QStringLiteral("PageAmtn1")).setCaption(AmountText(pageAmount_));
}

void TransferListReport::PrepareRun(const TransferListRun& run)
{
    label(QStringLiteral("YY")).setCaption(QString::number(run.transferDate.year() - 1911));
    label(QStringLiteral("MM")).setCaption(QStringLiteral("%1").arg(run.transferDate.month(), 2, 10, QLatin1Char('0')));
    if (ShowsSalaryKinds())
        label(QStringLiteral("ED_SZ_F3")).setCaption(run.salaryKinds);
}

void TransferListReport::QuickRep1Preview()
{
    // The preview belongs to the transfer window, so that it stays open after this form is freed.
    auto* preview = new report::TF6MainForm(parentWidget());
    preview->SetQRPrinter(QuickRep1.QRPrinter());
    preview->show();
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
    QuickRep1.setPrinterSettings(report::TPrinterSettings::FromCurrentPrinter());
    Prepare(transferTable, run);
    if (run.printDirect)
        TellPdfWritten(QuickRep1.print());
    else
        QuickRep1.preview();
}
