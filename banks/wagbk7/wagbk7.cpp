#include "banks/wagbk7/wagbk7.h"

namespace {

const QString RowKey = QStringLiteral("7");
const QString DefaultFile = QStringLiteral("ESB1234.IN");
constexpr int BankNameText = 11006;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// Record, 80 bytes (81 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {7, 4, L, Parameter("ID1"), QStringLiteral("主辦行")},
        {11, 10, L, CompanyUniformNumber(), QStringLiteral("營利事業統一編號")},
        {21, 13, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {34, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {44, 3, L, Constant("101"), QStringLiteral("轉帳類別")},
        {47, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {60, 21, L, Blank(), QStringLiteral("資料編號及保留欄")},
    };
}

const BankWindowRegistration<TWagbk7Form> registration(7);

} // namespace

TWagbk7Form::TWagbk7Form(QWidget* owner)
    : BankTransferWindow(owner, 7, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk7aForm::TWagbk7aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_7"), QStringLiteral("ID1"), QStringLiteral("主辦行"), 4}}})
{
}

std::vector<std::pair<QString, QString>> TWagbk7aForm::SavedColumns() const
{
    std::vector<std::pair<QString, QString>> columns = BankParameterDialog::SavedColumns();
    columns.emplace_back(QStringLiteral("FILENAME"), QStringLiteral("ESB") + columns.front().second + QStringLiteral(".IN"));
    return columns;
}

TWagbk7bForm::TWagbk7bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.IN"), QStringLiteral(".IN")})
{
}

const MediaLayout& TWagbk7bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk7cForm::Columns() const
{
    return {
        {QStringLiteral("員 工 代 號"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 30},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 40},
        {QStringLiteral("帳      號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 40},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 35},
        {QStringLiteral("轉 帳 金 額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 45, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}
