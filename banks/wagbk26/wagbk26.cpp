#include "banks/wagbk26/wagbk26.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("26");
constexpr int CaptionText = 11021;   // the bank's own name
const QString DefaultFile = QStringLiteral("TRNFILE");
constexpr int BankNameText = 11019;   // BANK1.NAME and the hint of the format button

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto C = FieldForm::Cut;

// Header line: the first character of the company's account, then the date with a three-digit ROC
// year; 8 bytes, 7 without an account.
MediaRecord header()
{
    return {
        {1, 1, C, Parameter("ID1"), QStringLiteral("銀行帳號首碼")},
        {2, 7, FieldForm::Whole, TransferDateRoc(3), QStringLiteral("轉帳日期")},
    };
}

// Employee line, 41 bytes with a ten-character identity number, shorter with a shorter one.
MediaRecord detail()
{
    return {
        {1, 12, FieldForm::LeftZeros, Column("BACC_NO"), QStringLiteral("帳號")},
        {13, 1, L, Blank(), QStringLiteral("空白")},
        {14, 10, C, Column("ID_NO"), QStringLiteral("身份證編號")},
        {24, 1, L, Blank(), QStringLiteral("空白")},
        {25, 10, Z, RowAmount(Unit::Whole, IntegerWidth::Bits64), QStringLiteral("金額")},
        {35, 1, L, Blank(), QStringLiteral("空白")},
        {36, 4, L, Constant("0009"), QStringLiteral("薪資轉帳代號")},
        {40, 1, L, Blank(), QStringLiteral("空白")},
        {41, 1, L, Constant("Y"), QStringLiteral("檢查碼")},
    };
}

const BankWindowRegistration<TWagbk26Form> registration(26);

} // namespace

TWagbk26Form::TWagbk26Form(QWidget* owner)
    : BankTransferWindow(owner, 26, {CaptionText, BankNameText})
{
}

TWagbk26aForm::TWagbk26aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_9"), QStringLiteral("ID1"), QStringLiteral("銀行帳號"), 12}},
                                  LoadFormResourceStr(QStringLiteral("WAGBK"), CaptionText)})
{
}

TWagbk26bForm::TWagbk26bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QString()})
{
}

const MediaLayout& TWagbk26bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk26cForm::Columns() const
{
    return EmployeeListColumns(QStringLiteral("員 工 代 號"), QStringLiteral("帳           號"));
}
