#include "banks/wagbk16/wagbk16.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("16");
const QString DefaultFile = QStringLiteral("CMFPCSL");
constexpr int BankNameText = 11015;

using namespace source;
using namespace forms;

// Header record, 80 bytes.
MediaRecord header()
{
    return {
        {1, 4, L, Parameter("ID1"), QStringLiteral("單位代號")},
        {5, 6, Z, TransferCount(), QStringLiteral("總筆數")},
        {11, 12, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {23, 8, W, TransferDateRoc(4), QStringLiteral("生效日期")},
        {31, 1, L, Constant("1"), QStringLiteral("存提別")},
        {32, 3, L, Constant("101"), QStringLiteral("收費代號")},
        {35, 46, L, Blank(), QStringLiteral("保留")},
    };
}

// Detail record, 80 bytes, one per employee row. No identity check is asked for.
MediaRecord detail()
{
    return {
        {1, 14, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {15, 12, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {27, 10, L, Blank(), QStringLiteral("身份證或統一編號")},
        {37, 44, L, Blank(), QStringLiteral("保留")},
    };
}

const BankWindowRegistration<TWagbk16Form> registration(16);

} // namespace

TWagbk16Form::TWagbk16Form(QWidget* owner) : BankTransferWindow(owner, 16, {BankNameText, BankNameText}) {}

TWagbk16aForm::TWagbk16aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_16"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 12108), 4}}})
{
}

TWagbk16bForm::TWagbk16bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT")})
{
}

const MediaLayout& TWagbk16bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}
