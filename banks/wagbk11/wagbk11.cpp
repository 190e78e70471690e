#include "banks/wagbk11/wagbk11.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("11");
// The parameter dialog names a new row's file SVDA; without a row the export proposes SVDA.TXT.
const QString NewRowFile = QStringLiteral("SVDA");
const QString DefaultFile = QStringLiteral("SVDA.TXT");
constexpr int BankNameText = 11010;

using namespace source;
using namespace forms;

// "1" for a credit (the amount in cents zero or above), "0" for a debit.
FieldSource SignFlag()
{
    return [](const RecordContext& c) {
        const bool debit = TruncatedAmount(c.row->fieldFloat(QStringLiteral("A_MTN")), Unit::Hundredths) < 0;
        return FieldValue::Text(debit ? QStringLiteral("0") : QStringLiteral("1"));
    };
}

// Header record, 50 bytes (51 from ROC year 100 on, when the date takes seven).
MediaRecord header()
{
    return {
        {1, 2, L, Parameter("ID1"), QStringLiteral("業務別")},
        {3, 6, L, Parameter("ID2"), QStringLiteral("企業編號")},
        {9, 12, L, Parameter("ID3"), QStringLiteral("企業帳號")},
        {21, 1, L, Constant("0"), QStringLiteral("固定")},
        {22, 15, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {37, 6, Z, TransferCount(), QStringLiteral("總筆數")},
        {43, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {49, 2, L, Constant("H0"), QStringLiteral("固定")},
    };
}

// Detail record, 50 bytes, one per employee row.
MediaRecord detail()
{
    return {
        {1, 12, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {13, 1, L, Constant("0"), QStringLiteral("固定")},
        {14, 1, L, SignFlag(), QStringLiteral("正負號")},
        {15, 15, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32, Sign::Any), QStringLiteral("金額")},
        {30, 21, L, Constant("000000000000000000000"), QStringLiteral("補零")},
    };
}

const BankWindowRegistration<TWagbk11Form> registration(11);

} // namespace

TWagbk11Form::TWagbk11Form(QWidget* owner) : BankTransferWindow(owner, 11, {BankNameText, BankNameText}) {}

TWagbk11aForm::TWagbk11aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, NewRowFile,
                                  {{QStringLiteral("ID1_11"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10230), 2},
                                   {QStringLiteral("ID2_11"), QStringLiteral("ID2"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10231), 6},
                                   {QStringLiteral("ID3_11"), QStringLiteral("ID3"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10232), 12}}})
{
}

TWagbk11bForm::TWagbk11bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT")})
{
}

const MediaLayout& TWagbk11bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}
