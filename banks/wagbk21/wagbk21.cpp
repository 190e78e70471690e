#include "banks/wagbk21/wagbk21.h"

#include "transfer/transfer_table.h"

namespace {

const QString RowKey = QStringLiteral("21");
const QString DefaultFile = QStringLiteral("WAGE.TXT");
constexpr int BankNameText = 11018;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;

// "1" deposits an amount above zero; anything else is marked "2", a debit.
FieldSource EntryKind()
{
    return [](const RecordContext& c) {
        return FieldValue::Text(c.row && c.row->fieldFloat(AmountColumnName) > 0 ? QStringLiteral("1") : QStringLiteral("2"));
    };
}

// Line of 28 bytes and the name's bytes (at most 38), one per employee row.
MediaRecord line()
{
    return {
        {1, 14, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {15, 1, L, EntryKind(), QStringLiteral("存提別")},
        {16, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64, Sign::Any), QStringLiteral("金額")},
        {29, 10, FieldForm::Cut, Column("YG_NAME"), QStringLiteral("員工姓名")},
    };
}

const BankWindowRegistration<TWagbk21Form> registration(21);

} // namespace

TWagbk21Form::TWagbk21Form(QWidget* owner)
    : BankTransferWindow(owner, 21, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk21aForm::TWagbk21aForm(QWidget* owner)
    : BankParameterDialog(owner, NoParameters(RowKey, BankNameText, DefaultFile))
{
}

TWagbk21bForm::TWagbk21bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QStringLiteral(".TXT"), true, true})
{
}

const MediaLayout& TWagbk21bForm::Layout() const
{
    // Only a row with an account and no name is passed over by the bank: such an employee is refused.
    static const MediaLayout layout{{}, {line()}, {}, NameColumnName, QStringLiteral("BACC_NO")};
    return layout;
}
