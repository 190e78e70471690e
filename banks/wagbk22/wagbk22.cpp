#include "banks/wagbk22/wagbk22.h"

#include "runtime/language.h"
#include "transfer/bank_row.h"

namespace {

const QString RowKey = QStringLiteral("22");
const QString DefaultFile = QStringLiteral("SALARY.DAT");   // proposed while the bank's row is missing
const QString NewRowFile = QStringLiteral("Wage");          // FILENAME of the row the dialog creates
constexpr int BankNameText = 11022;   // also the window's caption
constexpr int RemHintText = 11019;
const QString MarkColumn = QStringLiteral("DC");
const QString EnterpriseColumn = QStringLiteral("CUSNO");
const QString CategoryColumn = QStringLiteral("KIND");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// The head record credits when the transfer total is above zero.
FieldSource TotalMark()
{
    return Steady([](const RecordContext& c) { return FieldValue::Text(c.values.transferTotal > 0 ? "C" : "D"); });
}

// An account record debits when its amount in cents is below one.
FieldSource RowMark()
{
    return [](const RecordContext& c) {
        return FieldValue::Text(TruncatedAmount(c.row->fieldFloat(AmountColumnName), Unit::Hundredths) < 1 ? "D" : "C");
    };
}

// Head record, 50 bytes (51 from ROC year 100 on, when the date takes seven).
MediaRecord head()
{
    return {
        {1, 13, L, Constant("0000000000000"), QStringLiteral("識別碼")},
        {14, 5, L, Parameter("ID1"), QStringLiteral("企業編號")},
        {19, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {25, 6, Z, TransferCount(), QStringLiteral("總筆數")},
        {31, 15, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {46, 1, L, TotalMark(), QStringLiteral("借貸別")},
        {47, 4, L, Blank(), QStringLiteral("備用")},
    };
}

// Account record, 50 bytes, one per employee row; the account keeps 12 characters and ends in "0".
MediaRecord account()
{
    return {
        {1, 13, FieldForm::LeftZeros, Leading(12, Column("BACC_NO")), QStringLiteral("帳號")},
        {14, 10, L, Column("YG_NAME"), QStringLiteral("識別碼")},
        {24, 15, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32, Sign::Any), QStringLiteral("金額")},
        {39, 1, L, RowMark(), QStringLiteral("借貸別")},
        {40, 2, L, Parameter("ID2"), QStringLiteral("類別")},
        {42, 5, L, Parameter("ID1"), QStringLiteral("企業編號")},
        {47, 4, L, Blank(), QStringLiteral("備用")},
    };
}

const BankWindowRegistration<TWagbk22Form> registration(22);

} // namespace

TWagbk22Form::TWagbk22Form(QWidget* owner)
    : BankTransferWindow(owner, 22, {BankNameText, RemHintText})
{
}

TransferTableLayout TWagbk22Form::TableLayout() const
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("YG_NO"), 12, 12112, 8), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12113, 10), QStringLiteral("YG_NAME")},
        {TextColumn(QStringLiteral("BACC_NO"), 20, 12114, 16), QStringLiteral("BACC_NO")},
        {AmountColumn(12115, 14), QString()},
        {TextColumn(MarkColumn, 2, 12116, 2), QString()},
        {TextColumn(EnterpriseColumn, 5, 12117, 5), QString()},
        {TextColumn(CategoryColumn, 2, 12118, 2), QString()},
    };
    layout.labelColumn = QStringLiteral("YG_NO");
    return layout;
}

// The enterprise number and the category are blank while the bank's row is missing.
bool TWagbk22Form::ReadyToFill()
{
    const auto row = BankRow(RowKey).Read();
    EnterpriseNumber = row ? row->value(QStringLiteral("ID1")) : QString();
    Category = row ? row->value(QStringLiteral("ID2")) : QString();
    return true;
}

// "貸" (credit) for an amount above zero so far, "借" (debit) otherwise.
void TWagbk22Form::CompleteEmployeeRow(db::LocalTable& row)
{
    row.setField(MarkColumn, row.fieldFloat(AmountColumnName) > 0 ? QStringLiteral("貸") : QStringLiteral("借"));
    row.setField(EnterpriseColumn, EnterpriseNumber);
    row.setField(CategoryColumn, Category);
}

TWagbk22aForm::TWagbk22aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, NewRowFile,
                                  {{QStringLiteral("ID1_22"), QStringLiteral("ID1"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12117), 5},
                                   {QStringLiteral("ID2_22"), QStringLiteral("ID2"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12118), 2}}})
{
}

TWagbk22bForm::TWagbk22bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.DAT")})
{
}

const MediaLayout& TWagbk22bForm::Layout() const
{
    static const MediaLayout layout{{head()}, {account()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk22cForm::Columns() const
{
    return {
        {QStringLiteral("帳           號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 40},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 40},
        {QStringLiteral("轉  帳  金  額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 35, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        {QStringLiteral("借貸別"), QStringLiteral("QRDBText1"), MarkColumn, 15, Qt::AlignHCenter},
        {QStringLiteral("類別"), QStringLiteral("QRDBText4"), CategoryColumn, 12, Qt::AlignHCenter},
        {QStringLiteral("企業編號"), QStringLiteral("QRDBText6"), EnterpriseColumn, 18},
        {QStringLiteral("備用"), QStringLiteral("Spare"), QString(), 12},
    };
}
