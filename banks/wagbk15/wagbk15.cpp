#include "banks/wagbk15/wagbk15.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("15");
const QString DefaultFile = QStringLiteral("Wage");
// The bank's own name, as its window and dialog show it, is what its BANK1 row keeps.
constexpr int BankNameText = 11014;

using namespace source;
using namespace forms;

// Header record, 128 bytes.
MediaRecord header()
{
    return {
        {1, 1, L, Constant("*"), QStringLiteral("首筆記號")},
        {2, 7, L, Parameter("ID1"), QStringLiteral("轉帳組別")},
        {9, 7, W, TransferDateRoc(3), QStringLiteral("轉帳日期")},
        {16, 9, Z, TransferCount(), QStringLiteral("總筆數")},
        {25, 12, Z, TotalAmount(Unit::Tenths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {37, 92, L, Blank(), QStringLiteral("空白")},
    };
}

// Detail record, 128 bytes, one per employee row.
MediaRecord detail()
{
    return {
        {1, 1, L, Blank(), QStringLiteral("空白")},
        {2, 11, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {13, 8, Z, RowAmount(Unit::Tenths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {21, 108, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk15Form> registration(15);

} // namespace

TWagbk15Form::TWagbk15Form(QWidget* owner) : BankTransferWindow(owner, 15, {BankNameText, BankNameText}) {}

TWagbk15aForm::TWagbk15aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_15"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10239), 7}}})
{
}

TWagbk15bForm::TWagbk15bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT")})
{
}

const MediaLayout& TWagbk15bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}
