#include "banks/wagbk1/delivery_form.h"

#include "banks/wagbk1/capital_numerals.h"
#include "banks/wagbk1/salary_list.h"
#include "runtime/compdata.h"
#include "runtime/language.h"
#include "runtime/report/band.h"
#include "transfer/bank_row.h"
#include "transfer/media_field.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr double Row = 13;        // height of a row of the form's table
constexpr double Top = 32;        // where the table starts
constexpr double HeadWidth = 32;  // the column of the row captions
constexpr double Width = 190;
}

QString ControlTotalText(qlonglong total)
{
    return QString::number(total).right(10);
}

TWagBk1eForm::TWagBk1eForm(QWidget* owner)
    : ReportForm(owner)
{
    setWindowTitle(QStringLiteral("彰化銀行媒體遞送單"));
}

void TWagBk1eForm::FormCreate()
{
    report::TQRBand& form = QuickRep1.addBand(report::BandType::Detail, QStringLiteral("DetailBand1"), 270);
    auto title = [&](double y, const QString& text) {
        report::TQRLabel& label = Caption(form, {0, y, Width, 10}, text);
        QFont font = label.font();
        font.setPixelSize(24);
        label.setFont(font);
        label.setAlignment(Qt::AlignHCenter);
    };
    title(0, QStringLiteral("彰 化 商 業 銀 行"));
    title(11, QStringLiteral("媒 體 遞 送 單"));
    Caption(form, {130, 23, 14, LineMm}, QStringLiteral("日期:"));
    form.addLabel(QStringLiteral("CompanyDate"), {144, 23, 46, LineMm}, QString());

    // The table: one framed row per item, its caption on the left.
    auto row = [&](int index, const QString& caption) {
        const double y = Top + index * Row;
        Frame(form, {0, y, Width, Row});
        form.addShape(QStringLiteral("Divider%1").arg(index), {HeadWidth, y, 0.5, Row}, report::ShapeKind::VerticalLine);
        Caption(form, {2, y + (Row - LineMm) / 2, HeadWidth - 4, LineMm}, caption).setAlignment(Qt::AlignHCenter);
        return y + (Row - LineMm) / 2;
    };
    auto field = [&](const QString& name, double x, double y, double w) -> report::TQRLabel& {
        return form.addLabel(name, {x, y, w, LineMm}, QString());
    };
    auto checkBox = [&](double x, double y, const QString& caption) {
        Frame(form, {x, y + 1, 4, 4});
        Caption(form, {x + 6, y, 30, LineMm}, caption);
    };

    double y = row(0, QStringLiteral("委託單位"));
    field(QStringLiteral("CompanyName"), HeadWidth + 4, y, 90);
    Caption(form, {128, y, 22, LineMm}, QStringLiteral("企業編號"));
    field(QStringLiteral("Id1"), 150, y, 38);

    y = row(1, QStringLiteral("媒體種類"));
    checkBox(HeadWidth + 4, y, QStringLiteral("磁片"));
    checkBox(HeadWidth + 40, y, QStringLiteral("磁帶"));
    checkBox(HeadWidth + 76, y, QStringLiteral("卡匣"));
    checkBox(HeadWidth + 112, y, QStringLiteral("其他"));

    y = row(2, QStringLiteral("磁片規格"));
    checkBox(HeadWidth + 4, y, QStringLiteral("3.5 吋"));
    checkBox(HeadWidth + 40, y, QStringLiteral("5.25 吋"));

    y = row(3, QStringLiteral("撥帳日期"));
    Caption(form, {HeadWidth + 4, y, 22, LineMm}, QStringLiteral("中華民國"));
    field(QStringLiteral("CompanyYY"), HeadWidth + 26, y, 12).setAlignment(Qt::AlignHCenter);
    Caption(form, {HeadWidth + 38, y, 6, LineMm}, QStringLiteral("年"));
    field(QStringLiteral("CompanyMM"), HeadWidth + 44, y, 10).setAlignment(Qt::AlignHCenter);
    Caption(form, {HeadWidth + 54, y, 6, LineMm}, QStringLiteral("月"));
    field(QStringLiteral("CompanyDD"), HeadWidth + 60, y, 10).setAlignment(Qt::AlignHCenter);
    Caption(form, {HeadWidth + 70, y, 6, LineMm}, QStringLiteral("日"));

    y = row(4, QStringLiteral("總 筆 數"));
    field(QStringLiteral("CompanyRecord"), HeadWidth + 4, y, 30).setAlignment(Qt::AlignRight);
    Caption(form, {HeadWidth + 36, y, 8, LineMm}, QStringLiteral("筆"));

    y = row(5, QStringLiteral("總 金 額"));
    Caption(form, {HeadWidth + 4, y, 16, LineMm}, QStringLiteral("新台幣"));
    field(QStringLiteral("CompanyAmtn"), HeadWidth + 20, y, Width - HeadWidth - 22);

    y = row(6, QStringLiteral("帳號總和"));
    field(QStringLiteral("CompanyTotal"), HeadWidth + 4, y, 40);
    Caption(form, {HeadWidth + 50, y, 100, LineMm}, QStringLiteral("(各受款帳號第七至十二位之合計)"));

    SealBoxes(form, Top + 7 * Row + 6, QStringLiteral("委託單位蓋章"), QStringLiteral("銀行收件蓋章"));
    LocalizeReport();
}

void TWagBk1eForm::Fill(const DeliveryFacts& facts)
{
    // An amount beyond any integer has no capital numerals either; it is named as the table holds it.
    const bool integral = std::fabs(facts.total) < 1e15;
    const std::optional<QString> capitals =
        integral ? CapitalNumerals(TruncatedAmount(facts.total, source::Unit::Whole), Language::LanguageID == 0) : std::nullopt;
    if (!capitals)
        throw std::runtime_error(
            LoadFormResourceStr(QStringLiteral("WAGBK"), 15200).arg(QString::number(std::trunc(facts.total) + 0.0, 'f', 0)).toStdString());
    const QDate& date = facts.transferDate;
    const auto row = BankRow(QStringLiteral("1")).Read();
    label(QStringLiteral("CompanyName")).setCaption(Compdata::CompanyName());
    label(QStringLiteral("Id1")).setCaption(row ? row->value(QStringLiteral("ID1")) : QString());
    label(QStringLiteral("CompanyDate")).setCaption(RocUnpaddedDate(date));
    label(QStringLiteral("CompanyYY")).setCaption(QString::number(date.year() - 1911));
    label(QStringLiteral("CompanyMM")).setCaption(QString::number(date.month()));
    label(QStringLiteral("CompanyDD")).setCaption(QString::number(date.day()));
    label(QStringLiteral("CompanyRecord")).setCaption(QString::number(facts.records));
    label(QStringLiteral("CompanyAmtn")).setCaption(*capitals);
    label(QStringLiteral("CompanyTotal")).setCaption(ControlTotalText(facts.accountTotal));
}
