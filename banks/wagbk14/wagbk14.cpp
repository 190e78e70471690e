#include "banks/wagbk14/wagbk14.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("14");
const QString DefaultFile = QStringLiteral("CSBCR.DAT");
constexpr int BankNameText = 11013;

using namespace source;
using namespace forms;

// Record, 83 bytes (84 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {7, 3, L, Parameter("ID1"), QStringLiteral("主辦銀行代號")},
        {10, 8, L, CompanyUniformNumber(), QStringLiteral("公司統一編號")},
        {18, 2, L, Blank(), QStringLiteral("空白")},
        {20, 12, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {32, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {42, 3, L, Constant("201"), QStringLiteral("轉帳類別")},
        {45, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {58, 26, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk14Form> registration(14);

} // namespace

TWagbk14Form::TWagbk14Form(QWidget* owner)
    : BankTransferWindow(owner, 14, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk14aForm::TWagbk14aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_14"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10237), 3}}})
{
}

TWagbk14bForm::TWagbk14bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.DAT"), QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk14bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk14cForm::Columns() const
{
    ListColumn date = TransferDateColumn(QStringLiteral("轉帳日期"), 28);
    date.alignment = Qt::AlignHCenter;
    return {
        {QStringLiteral("員工代號"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 20},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 28},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 26},
        {QStringLiteral("轉 帳 帳 號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 32},
        {QStringLiteral("轉帳金額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 28, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        date,
        LineLabelColumn(QStringLiteral("備    註"), QStringLiteral("Remark"), 28),
    };
}
