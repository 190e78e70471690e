#include "banks/wagbk8/wagbk8.h"

namespace {

const QString RowKey = QStringLiteral("8");
const QString DefaultFile = QStringLiteral("SPUOP.TXT");
constexpr int BankNameText = 11007;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;

// Record, 21 bytes, one per employee row.
MediaRecord record()
{
    return {
        {1, 1, L, Constant("0"), QStringLiteral("記錄別")},
        {2, 11, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {13, 9, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("金額")},
    };
}

const BankWindowRegistration<TWagbk8Form> registration(8);

} // namespace

TWagbk8Form::TWagbk8Form(QWidget* owner)
    : BankTransferWindow(owner, 8, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk8aForm::TWagbk8aForm(QWidget* owner)
    : BankParameterDialog(owner, NoParameters(RowKey, BankNameText, DefaultFile))
{
}

TWagbk8bForm::TWagbk8bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.txt"), QStringLiteral(".TXT"), true, true})
{
}

const MediaLayout& TWagbk8bForm::Layout() const
{
    // The record carries no name: an employee without name and account is still written.
    static const MediaLayout layout{{}, {record()}, {}, NameColumnName, QStringLiteral("BACC_NO")};
    return layout;
}

TWagbk8cForm::TWagbk8cForm(QWidget* owner)
    : TransferListReport(owner)
{
    setWindowTitle(QStringLiteral("世華銀行薪資清冊報表"));
}
