#include "banks/wagbk10/wagbk10.h"

namespace {

const QString RowKey = QStringLiteral("10");
const QString DefaultFile = QStringLiteral("SALARY.TXT");
constexpr int BankNameText = 11009;

using namespace source;
using namespace forms;

// Header record, 60 bytes (62 from ROC year 100 on, when each date takes seven).
MediaRecord header()
{
    return {
        {1, 6, W, TodayRoc(), QStringLiteral("資料登錄日")},
        {7, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {13, 3, L, Parameter("ID1"), QStringLiteral("分行代號")},
        {16, 8, L, CompanyUniformNumber(), QStringLiteral("統一編號")},
        {24, 3, L, Parameter("ID2"), QStringLiteral("客戶代號")},
        {27, 14, L, Constant("00000000000000"), QStringLiteral("保留")},
        {41, 12, Z, TotalAmount(Unit::Whole, IntegerWidth::Bits64), QStringLiteral("轉帳總金額")},
        {53, 4, Z, TransferCount(), QStringLiteral("轉帳總筆數")},
        {57, 3, L, Blank(), QStringLiteral("空白")},
        {60, 1, L, Constant("9"), QStringLiteral("結束碼")},
    };
}

// Detail record, 60 bytes, one per employee row.
MediaRecord detail()
{
    return {
        {1, 3, L, Blank(), QStringLiteral("空白")},
        {4, 14, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {18, 12, Z, RowAmount(Unit::Whole, IntegerWidth::Bits32), QStringLiteral("金額")},
        {30, 30, L, Blank(), QStringLiteral("空白")},
        {60, 1, L, Constant("9"), QStringLiteral("結束碼")},
    };
}

const BankWindowRegistration<TWagbk10Form> registration(10);

} // namespace

// The bank's name is the window's caption and the hint of its format description button.
TWagbk10Form::TWagbk10Form(QWidget* owner) : BankTransferWindow(owner, 10, {BankNameText, BankNameText}) {}

TWagbk10aForm::TWagbk10aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_10"), QStringLiteral("ID1"), QStringLiteral("分行代號"), 3},
                                   {QStringLiteral("ID2_10"), QStringLiteral("ID2"), QStringLiteral("客戶代號"), 3}}})
{
}

TWagbk10bForm::TWagbk10bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QStringLiteral(".TXT")})
{
}

const MediaLayout& TWagbk10bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}
