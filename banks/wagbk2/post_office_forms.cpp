#include "banks/wagbk2/post_office_forms.h"

#include "runtime/compdata.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/report/band.h"
#include "transfer/bank_row.h"
#include "transfer/company_address.h"

namespace {

using report::BandType;
constexpr double Width = 190;

report::TQRLabel& bigCaption(report::TQRLabel& label)
{
    QFont font = label.font();
    font.setPixelSize(18);
    label.setFont(font);
    label.setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

QString DefaultOfficeName()
{
    const QString name = QStringLiteral("北區局儲金股");
    return Language::LanguageID == 0 ? BIG5toGB(name) : name;
}

PostOfficeFacts PostOfficeFacts::Read()
{
    PostOfficeFacts facts;
    if (const auto row = BankRow(QStringLiteral("2")).Read()) {
        facts.officeName = row->value(QStringLiteral("ID1"));
        facts.bureau = row->value(QStringLiteral("ID2"));
        facts.giroAccount = row->value(QStringLiteral("ID3"));
        facts.controlNumber = row->value(QStringLiteral("ID4"));
    } else {
        facts.officeName = DefaultOfficeName();
        facts.bureau = DefaultBureau;
    }
    facts.companyName = Compdata::CompanyName();
    facts.companyTelephone = Compdata::CompanyTelephone();
    facts.companyAddress = CompanyAddress();
    return facts;
}

QString RocWordedDate(const QDate& date)
{
    return QStringLiteral("%1年%2月%3日")
        .arg(date.year() - 1911)
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

void PostOfficeListForm::BuildHeader(const QString& title, const std::vector<std::vector<std::pair<QString, QString>>>& lines,
                                     const std::vector<ListColumn>& columns)
{
    const double height = (lines.size() + 4) * LineMm;
    report::TQRBand& header = QuickRep1.addBand(BandType::PageHeader, QStringLiteral("PageHeaderBand1"), height);
    bigCaption(Caption(header, {0, 0, Width, 1.5 * LineMm}, title));
    double y = 2 * LineMm;
    for (const auto& line : lines) {
        const double cell = Width / line.size();
        double x = 0;
        for (const auto& [caption, item] : line) {
            Caption(header, {x, y, 22, LineMm}, caption);
            if (item == QLatin1String("QRExpr1"))
                header.addExpr(item, {x + 22, y, cell - 24, LineMm}, QStringLiteral("PAGENUMBER"));
            else
                header.addLabel(item, {x + 22, y, cell - 24, LineMm}, QString());
            x += cell;
        }
        y += LineMm;
    }
    Rule(header, y + 1);
    ColumnHeadings(header, y + 2, columns);
}

// The labels a form has of these: the parameters, the company, the deposit date.
void PostOfficeListForm::PrepareRun(const TransferListRun& run)
{
    setCaptionIfPresent(QStringLiteral("Id1"), Facts.officeName);
    setCaptionIfPresent(QStringLiteral("Id2"), Facts.bureau);
    setCaptionIfPresent(QStringLiteral("Id3"), Facts.giroAccount);
    setCaptionIfPresent(QStringLiteral("Id4"), Facts.controlNumber);
    setCaptionIfPresent(QStringLiteral("CompanyName"), Facts.companyName);
    setCaptionIfPresent(QStringLiteral("CompanyAddress"), Facts.companyAddress);
    setCaptionIfPresent(QStringLiteral("ZzDate"), RocWordedDate(run.transferDate));
}

// Bureau, account, name and identity number, then the form's own last column.
std::vector<ListColumn> PostOfficeListForm::AccountColumns(const ListColumn& last)
{
    return {
        {QStringLiteral("局    號"), QStringLiteral("QRDBText1"), QStringLiteral("BACC_NO"), 30},
        {QStringLiteral("帳    號"), QStringLiteral("QRDBText2"), QStringLiteral("BACC_NO1"), 30},
        {QStringLiteral("姓    名"), QStringLiteral("QRDBText3"), QStringLiteral("YG_NAME"), 45},
        {QStringLiteral("身分證統一編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 40},
        last,
    };
}

std::vector<ListColumn> TWagbk2dForm::Columns() const
{
    return AccountColumns({QStringLiteral("存 款 金 額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 45, Qt::AlignRight,
                           QStringLiteral("#,##0.00")});
}

void TWagbk2dForm::BuildPageHeader(const std::vector<ListColumn>& columns)
{
    BuildHeader(QStringLiteral("郵 政 存 簿 儲 金 薪 資 存 款 團 體 戶 存 款 單   (030)"),
                {{{QStringLiteral("委託局名:"), QStringLiteral("Id1")}, {QStringLiteral("受託局號:"), QStringLiteral("Id2")},
                  {QStringLiteral("劃撥帳號:"), QStringLiteral("Id3")}, {QStringLiteral("管制號碼:"), QStringLiteral("Id4")}},
                 {{QStringLiteral("委託機構:"), QStringLiteral("CompanyName")}, {QStringLiteral("存款日期:"), QStringLiteral("ZzDate")}},
                 {{QStringLiteral("地    址:"), QStringLiteral("CompanyAddress")}, {QStringLiteral("頁    次:"), QStringLiteral("QRExpr1")}}},
                columns);
}

// "小 計:  n 次  amount".
void TWagbk2dForm::PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem)
{
    Caption(band, {0, y, 25, LineMm}, QStringLiteral("小 計:"));
    band.addLabel(countItem, {25, y, 20, LineMm}, QString()).setAlignment(Qt::AlignRight);
    Caption(band, {47, y, 8, LineMm}, QStringLiteral("次"));
    band.addLabel(amountItem, {145, y, 45, LineMm}, QString()).setAlignment(Qt::AlignRight);
}

// "合 計:  count 次  sum".
void TWagbk2dForm::GrandTotalsLine(report::TQRBand& band, double y)
{
    Caption(band, {0, y, 25, LineMm}, QStringLiteral("合 計:"));
    band.addExpr(QStringLiteral("QRExpr4"), {25, y, 20, LineMm}, QStringLiteral("COUNT")).setAlignment(Qt::AlignRight);
    Caption(band, {47, y, 8, LineMm}, QStringLiteral("次"));
    band.addExpr(QStringLiteral("QRExpr3"), {145, y, 45, LineMm}, QStringLiteral("SUM(A_MTN)"), QStringLiteral("#,##0.00"))
        .setAlignment(Qt::AlignRight);
}

std::vector<ListColumn> TWagbk2eForm::Columns() const
{
    return AccountColumns({QStringLiteral("備    註"), QStringLiteral("QRDBText5"), QStringLiteral("REM"), 45});
}

void TWagbk2eForm::BuildPageHeader(const std::vector<ListColumn>& columns)
{
    BuildHeader(QStringLiteral("委 託 機 構 薪 資 存 款 帳 戶 資 料 清 單 (406)"),
                {{{QStringLiteral("委託局名:"), QStringLiteral("Id1")}, {QStringLiteral("受託局號:"), QStringLiteral("Id2")},
                  {QStringLiteral("劃撥帳號:"), QStringLiteral("Id3")}},
                 {{QStringLiteral("委託機構:"), QStringLiteral("CompanyName")}, {QStringLiteral("頁    次:"), QStringLiteral("QRExpr1")}}},
                columns);
}

// "本頁筆數: n".
void TWagbk2eForm::PageTotalsLine(report::TQRBand& band, double y, const QString&, const QString& countItem)
{
    Caption(band, {0, y, 25, LineMm}, QStringLiteral("本頁筆數:"));
    band.addLabel(countItem, {25, y, 20, LineMm}, QString()).setAlignment(Qt::AlignRight);
}

// "總 筆 數: count".
void TWagbk2eForm::GrandTotalsLine(report::TQRBand& band, double y)
{
    Caption(band, {0, y, 25, LineMm}, QStringLiteral("總 筆 數:"));
    band.addExpr(QStringLiteral("QRExpr4"), {25, y, 20, LineMm}, QStringLiteral("COUNT")).setAlignment(Qt::AlignRight);
}

TWagbk2gForm::TWagbk2gForm(QWidget* owner)
    : ReportForm(owner)
{
    setWindowTitle(QStringLiteral("委託郵政代存薪資總表"));
}

void TWagbk2gForm::FormCreate()
{
    constexpr double Row = 13, Top = 22, HeadWidth = 36;
    report::TQRBand& form = QuickRep1.addBand(BandType::Detail, QStringLiteral("DetailBand1"), 250);
    bigCaption(Caption(form, {0, 0, Width, 10}, QStringLiteral("委 託 郵 政 代 存 薪 資 總 表 (407)")));
    // Each row of the table: framed, captions on the left of its halves.
    auto row = [&](int index, const std::vector<std::pair<QString, QString>>& cells) {
        const double y = Top + index * Row;
        Frame(form, {0, y, Width, Row});
        const double cell = Width / cells.size();
        double x = 0;
        for (const auto& [caption, item] : cells) {
            if (x > 0)
                form.addShape(QStringLiteral("Divider%1_%2").arg(index).arg(int(x)), {x, y, 0.5, Row}, report::ShapeKind::VerticalLine);
            Caption(form, {x + 2, y + (Row - LineMm) / 2, HeadWidth - 4, LineMm}, caption);
            form.addLabel(item, {x + HeadWidth, y + (Row - LineMm) / 2, cell - HeadWidth - 2, LineMm}, QString());
            x += cell;
        }
    };
    row(0, {{QStringLiteral("委託局名"), QStringLiteral("Id1")}, {QStringLiteral("受託局號"), QStringLiteral("Id2")}});
    row(1, {{QStringLiteral("劃撥帳號"), QStringLiteral("Id3")}, {QStringLiteral("管制號碼"), QStringLiteral("Id4")}});
    row(2, {{QStringLiteral("存款日期"), QStringLiteral("ZzDate")}, {QStringLiteral("電    話"), QStringLiteral("CompanyTel")}});
    row(3, {{QStringLiteral("委託機構"), QStringLiteral("CompanyName")}});
    row(4, {{QStringLiteral("地    址"), QStringLiteral("CompanyAddress")}});
    row(5, {{QStringLiteral("存款筆數"), QStringLiteral("Count")}});
    row(6, {{QStringLiteral("存款總金額"), QStringLiteral("Amount")}});

    SealBoxes(form, Top + 7 * Row + 6, QStringLiteral("委託機構蓋章"), QStringLiteral("郵局收件蓋章"));
    LocalizeReport();
}

void TWagbk2gForm::Fill(const PostOfficeFacts& facts)
{
    label(QStringLiteral("Id1")).setCaption(facts.officeName);
    label(QStringLiteral("Id2")).setCaption(facts.bureau);
    label(QStringLiteral("Id3")).setCaption(facts.giroAccount);
    label(QStringLiteral("Id4")).setCaption(facts.controlNumber);
    label(QStringLiteral("ZzDate")).setCaption(RocSlashedDate(facts.transferDate));
    label(QStringLiteral("CompanyTel")).setCaption(facts.companyTelephone);
    label(QStringLiteral("CompanyName")).setCaption(facts.companyName);
    label(QStringLiteral("CompanyAddress")).setCaption(facts.companyAddress);
    label(QStringLiteral("Count")).setCaption(QString::number(facts.employees));
    label(QStringLiteral("Amount")).setCaption(AmountText(facts.total));
}
