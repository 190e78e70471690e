#include "banks/wagbk12/wagbk12.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("12");
const QString DefaultFile = QStringLiteral("LC.TXT");
constexpr int BankNameText = 11011;

using namespace source;
using namespace forms;

// Header record "D", 54 bytes (55 from ROC year 100 on, when the date takes seven).
MediaRecord header()
{
    return {
        {1, 1, L, Constant("D"), QStringLiteral("資料別")},
        {2, 7, L, Parameter("ID1"), QStringLiteral("委託單位代號")},
        {9, 5, L, Constant("00000"), QStringLiteral("固定")},
        {14, 12, L, Blank(), QStringLiteral("空白")},
        {26, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {32, 13, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {45, 10, L, Blank(), QStringLiteral("空白")},
    };
}

// Detail record "C", 54 bytes, one per employee row.
MediaRecord detail()
{
    return {
        {1, 1, L, Constant("C"), QStringLiteral("資料別")},
        {2, 7, L, Parameter("ID1"), QStringLiteral("委託單位代號")},
        {9, 5, L, Constant("00000"), QStringLiteral("固定")},
        {14, 12, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {26, 6, L, Constant("000000"), QStringLiteral("固定")},
        {32, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {45, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
    };
}

const BankWindowRegistration<TWagbk12Form> registration(12);

} // namespace

TWagbk12Form::TWagbk12Form(QWidget* owner)
    : BankTransferWindow(owner, 12, {BankNameText, BankNameText}, ExportHandOver::TransferDateAndTotal)
{
}

TransferTableLayout TWagbk12Form::TableLayout() const
{
    TransferTableLayout layout = TransferTableLayout::Standard();
    layout.columns.push_back({TextColumn(QStringLiteral("ID_NO"), 20, 12043, 10, false), QStringLiteral("ID_NO")});
    return layout;
}

TWagbk12aForm::TWagbk12aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_12"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10235), 7}}})
{
}

TWagbk12bForm::TWagbk12bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QStringLiteral(".TXT")})
{
}

const MediaLayout& TWagbk12bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}
