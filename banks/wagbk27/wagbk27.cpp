#include "banks/wagbk27/wagbk27.h"

namespace {

const QString RowKey = QStringLiteral("27");
const QString ProposedFile = QStringLiteral("TSBCUST.TXT");
constexpr int BankNameText = 11000;
constexpr int CaptionText = 15400, RemHintText = 11020;
const QString Enterprise = QStringLiteral("0525");
const QString Salary = QStringLiteral("900");   // transfer kind: 900 salary, 800 other transfers

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto C = FieldForm::Code;

// Header record, 72 bytes. Its total and count are those of the detail records that follow.
MediaRecord header()
{
    return {
        {1, 4, L, Constant(Enterprise), QStringLiteral("企業編號")},
        {5, 14, C, Parameter("ID3"), QStringLiteral("委辦客戶帳號")},
        {19, 8, L, TransferDateCalendar(), QStringLiteral("預定轉帳日")},
        {27, 3, L, Constant(Salary), QStringLiteral("轉帳類別")},
        {30, 11, Z, EmployeeRecordTotal(Unit::Whole, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {41, 11, Z, EmployeeRecordCount(), QStringLiteral("總筆數")},
        {52, 20, L, Blank(), QStringLiteral("空白")},
        {72, 1, L, Constant("0"), QStringLiteral("處理結果")},
    };
}

// Detail record, 72 bytes, one per employee row.
MediaRecord detail()
{
    return {
        {1, 4, L, Constant(Enterprise), QStringLiteral("企業編號")},
        {5, 14, C, Leading(14, Column("BACC_NO")), QStringLiteral("收款帳號")},
        {19, 10, L, Column("ID_NO"), QStringLiteral("身分證號")},
        {29, 13, Z, RowAmount(Unit::Whole, IntegerWidth::Bits32), QStringLiteral("金額")},
        {42, 3, L, Constant(Salary), QStringLiteral("轉帳類別")},
        {45, 27, L, Blank(), QStringLiteral("空白")},
        {72, 1, L, Constant("0"), QStringLiteral("處理結果")},
    };
}

const BankWindowRegistration<TWagbk27Form> registration(27);

} // namespace

TWagbk27Form::TWagbk27Form(QWidget* owner)
    : BankTransferWindow(owner, 27, {CaptionText, RemHintText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk27aForm::TWagbk27aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, QString(),
                                  {{QStringLiteral("ID3_27"), QStringLiteral("ID3"), QStringLiteral("委辦客戶帳號"), 14}},
                                  QStringLiteral("台新銀行")})
{
}

TWagbk27bForm::TWagbk27bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, ProposedFile, QStringLiteral("*.txt"), QString(), false})
{
}

QString TWagbk27bForm::ProposedFileName() const
{
    return ProposedFile;
}

const MediaLayout& TWagbk27bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}, QStringLiteral("YG_NO")};
    return layout;
}
