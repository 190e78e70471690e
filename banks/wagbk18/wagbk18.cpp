#include "banks/wagbk18/wagbk18.h"

#include "banks/wagbk18/check_codes.h"
#include "transfer/bank_row.h"

namespace {

const QString RowKey = QStringLiteral("18");
const QString DefaultFile = QStringLiteral("OBTDTA.TXT");
constexpr int BankNameText = 11017;
const QString AccountCheckColumn = QStringLiteral("ChkBacc");
const QString AmountCheckColumn = QStringLiteral("ChkAMTN");

using namespace source;
using namespace forms;

QString account(const RecordContext& c)
{
    return c.row->fieldText(QStringLiteral("BACC_NO")).trimmed();
}

// The weight is the first two characters of ID2, read where the parameters hold it: both cores
// rendering records read it for every record, and a copy of it would be shared between them.
QStringView storedWeight(const QMap<QString, QString>& parameters)
{
    const auto found = parameters.constFind(QStringLiteral("ID2"));
    return found == parameters.cend() ? QStringView() : QStringView(*found).left(2);
}

// Without a weight no record can be written.
int weight(const RecordContext& c)
{
    return RequiredWeight(storedWeight(*c.parameters));
}

// The employee's account: exactly eleven digits, the only accounts that have a check code.
FieldSource Account()
{
    return [](const RecordContext& c) {
        const QString text = account(c);
        return AccountCheckCode(text, 0).has_value() ? FieldValue::Text(text) : FieldValue::Refused(text);
    };
}

// The amount in cents; the amount check takes digits only, so a negative amount is refused.
FieldSource Cents()
{
    return RowAmount(Unit::Hundredths, IntegerWidth::Bits32);
}

const QString AccountContent = QStringLiteral("轉帳帳號");
const QString CentsContent = QStringLiteral("金額");

// The weight for reading a file back: none while the bank parameters have none.
std::optional<int> readingWeight(const RecordContext& c)
{
    return c.parameters ? CheckWeight(storedWeight(*c.parameters)) : std::nullopt;
}

// The check codes are left blank where the account or the amount is refused: the refusal names it.
// Read back, each is worked out again from the account or the amount its record holds.
FieldSource AccountCheck()
{
    return CheckCode([](const RecordContext& c) { return FieldValue::Text(AccountCheckCode(account(c), weight(c)).value_or(QString())); },
                     [](const ReadFields& fields, const RecordContext& c) -> std::optional<QString> {
                         const std::optional<int> w = readingWeight(c);
                         return w ? AccountCheckCode(fields.value(AccountContent).trimmed(), *w) : std::nullopt;
                     });
}

FieldSource AmountCheck()
{
    const FieldSource value = [cents = Cents()](const RecordContext& c) {
        const FieldValue amount = cents(c);
        if (!amount.fits)
            return FieldValue::Text(QString());
        const QString digits = QString::fromLatin1(ZeroFilled(*amount.number, 13).value_or(QByteArray()));
        return FieldValue::Text(AmountCheckCode(digits, weight(c)).value_or(QString()));
    };
    return CheckCode(value, [](const ReadFields& fields, const RecordContext& c) -> std::optional<QString> {
        const std::optional<int> w = readingWeight(c);
        return w ? AmountCheckCode(fields.value(CentsContent), *w) : std::nullopt;
    });
}

// Record, 78 bytes (79 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 3, L, Parameter("ID1"), QStringLiteral("客戶代號")},
        {4, 4, Z, Sequence(), QStringLiteral("序號")},
        {8, 11, L, Account(), AccountContent},
        {19, 6, W, TransferDateRoc(), QStringLiteral("處理日期")},
        {25, 13, Z, Cents(), CentsContent},
        {38, 1, L, Constant("C"), QStringLiteral("借貸別")},
        {39, 16, L, Column("YG_NAME"), QStringLiteral("帳戶名稱")},
        {55, 2, L, AccountCheck(), QStringLiteral("帳號檢查")},
        {57, 2, L, AmountCheck(), QStringLiteral("金額檢查")},
        {59, 10, L, Blank(), QStringLiteral("備註")},
        {69, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
    };
}

const BankWindowRegistration<TWagbk18Form> registration(18);

} // namespace

TWagbk18Form::TWagbk18Form(QWidget* owner)
    : BankTransferWindow(owner, 18, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TransferTableLayout TWagbk18Form::TableLayout() const
{
    TransferTableLayout layout = TransferTableLayout::EmployeeNumbered();
    layout.columns.push_back({TextColumn(AccountCheckColumn, 2, 12050, 2, false), QString()});
    layout.columns.push_back({TextColumn(AmountCheckColumn, 2, 12051, 2, false), QString()});
    return layout;
}

QString TWagbk18Form::OrderClause(int sortMode) const
{
    // The bank takes the records in ascending account order.
    return sortMode != 0 ? QStringLiteral(" Order By BACC_NO, DEP_NO, YG_NO") : QStringLiteral(" Order By BACC_NO, YG_NO");
}

// The weight is read before every selection; while the bank's row is missing the one read before
// stays. Without a weight the transfer table keeps what it holds.
bool TWagbk18Form::ReadyToFill()
{
    if (const auto row = BankRow(RowKey).Read())
        Weight = row->value(QStringLiteral("ID2"));
    const std::optional<int> weight = CheckWeight(Weight);
    if (!weight)
        return false;
    weightValue_ = *weight;
    return true;
}

// An empty table without a weight is not a lack of salary data: the weight is missing.
QString TWagbk18Form::NotReadyCause() const
{
    return LoadFormStr(15002);
}

// The check codes the list shows. A negative amount has none; the export refuses it by name.
void TWagbk18Form::CompleteEmployeeRow(db::LocalTable& row)
{
    row.setField(AccountCheckColumn, *AccountCheckCode(ListedAccountDigits(row.fieldText(QStringLiteral("BACC_NO"))), weightValue_));
    const std::optional<QString> amount = ListedAmountDigits(row.fieldFloat(AmountColumnName));
    row.setField(AmountCheckColumn, amount ? *AmountCheckCode(*amount, weightValue_) : QString());
}

TWagbk18aForm::TWagbk18aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_18"), QStringLiteral("ID1"), QStringLiteral("客戶代號"), 4},
                                   // Two digits, each optional, blanks shown as spaces: an untouched field reads "".
                                   {QStringLiteral("ID2_18"), QStringLiteral("ID2"), QStringLiteral("權       數"), 0,
                                    QStringLiteral("00; ")}}})
{
}

TWagbk18bForm::TWagbk18bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.DAT"), QStringLiteral(".TXT")})
{
}

const MediaLayout& TWagbk18bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk18cForm::Columns() const
{
    return {
        BankParameterColumn(QStringLiteral("客戶代號"), QStringLiteral("CUSNO"), 20, RowKey, QStringLiteral("ID1")),
        {QStringLiteral("序   號"), QStringLiteral("IdxNo"), QString(), 14},
        {QStringLiteral("轉 帳 帳 號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 34},
        TransferDateColumn(QStringLiteral("處理日期"), 22),
        {QStringLiteral("金 額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 30, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        {QStringLiteral("帳號檢查"), QStringLiteral("QRDBText6"), AccountCheckColumn, 20, Qt::AlignHCenter},
        {QStringLiteral("金額檢查"), QStringLiteral("QRDBText7"), AmountCheckColumn, 20, Qt::AlignHCenter},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 30},
    };
}

void TWagbk18cForm::DetailBeforePrint()
{
    // The line's number among the printed lines, whichever time the list is laid out.
    label(QStringLiteral("IdxNo")).setCaption(QStringLiteral("%1").arg(Report.recNo() + 1, 4, 10, QLatin1Char('0')));
}
