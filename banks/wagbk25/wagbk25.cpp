#include "banks/wagbk25/wagbk25.h"

namespace {

const QString RowKey = QStringLiteral("25");
const QString NewRowFile = QStringLiteral("Wage");   // FILENAME of the row the dialog creates
constexpr int BankNameText = 11023;
constexpr int CaptionText = 11024;   // the window's caption and the format hint
const QString Salary = QStringLiteral("24");         // summary code
// The closing records' serial, date and deposit kind.
const QString Closing = QStringLiteral("1111111111111111");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// The posting date: the transfer date in ROC form, the year always three digits.
FieldSource PostingDate()
{
    return TransferDateRoc(3);
}

FieldSource TotalCents()
{
    return TotalAmount(Unit::Hundredths, IntegerWidth::Bits32);
}

// First record, 53 bytes: the company's account debited with the total.
MediaRecord debit()
{
    return {
        {1, 5, L, Constant("00001"), QStringLiteral("序號")},
        {6, 7, L, PostingDate(), QStringLiteral("入帳日期")},
        {13, 13, L, Parameter("ID1"), QStringLiteral("公司往來帳號")},
        {26, 2, L, Constant("DR"), QStringLiteral("借貸別")},
        {28, 14, Z, TotalCents(), QStringLiteral("總金額")},
        {42, 2, L, Constant(Salary), QStringLiteral("摘要")},
        {44, 10, L, Blank(), QStringLiteral("空白")},
    };
}

// Employee record, 52 bytes, one per employee row, numbered on from the first record.
MediaRecord credit()
{
    return {
        {1, 5, Z, Sequence(2), QStringLiteral("序號")},
        {6, 7, L, PostingDate(), QStringLiteral("入帳日期")},
        {13, 13, FieldForm::Code, Leading(13, Column("BACC_NO")), QStringLiteral("帳號")},
        {26, 2, L, Constant("CR"), QStringLiteral("借貸別")},
        {28, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {41, 2, L, Constant(Salary), QStringLiteral("摘要")},
        {43, 10, FieldForm::Right, Column("ID_NO"), QStringLiteral("身分證號")},
    };
}

// Closing records, 52 bytes each: the debit count (always one) and the credit count, each in nine
// digits, with the total.
MediaRecord closing(const QString& mark, const FieldSource& count)
{
    return {
        {1, 16, L, Constant(Closing), QStringLiteral("結束記號")},
        {17, 9, Z, count, QStringLiteral("筆數")},
        {26, 2, L, Constant(mark), QStringLiteral("借貸別")},
        {28, 13, Z, TotalCents(), QStringLiteral("總金額")},
        {41, 12, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk25Form> registration(25);

} // namespace

TWagbk25Form::TWagbk25Form(QWidget* owner)
    : BankTransferWindow(owner, 25, {CaptionText, CaptionText}, ExportHandOver::TransferDateAndTotal)
{
}

TWagbk25aForm::TWagbk25aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, NewRowFile,
                                  {{QStringLiteral("ID1_25"), QStringLiteral("ID1"), QStringLiteral("公司往來帳號"), 9}},
                                  QStringLiteral("新竹國際商銀")})
{
}

TWagbk25bForm::TWagbk25bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, QString()})
{
}

QString TWagbk25bForm::ProposedFileName() const
{
    return RocDateText(values().transferDate);
}

const MediaLayout& TWagbk25bForm::Layout() const
{
    static const MediaLayout layout{
        {debit()}, {credit()}, {closing("DR", Constant("000000001")), closing("CR", EmployeeRecordCount())}};
    return layout;
}
