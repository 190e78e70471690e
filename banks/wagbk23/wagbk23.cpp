#include "banks/wagbk23/wagbk23.h"

#include "runtime/language.h"
#include "transfer/bank_row.h"

namespace {

const QString RowKey = QStringLiteral("23");
constexpr int BankNameText = 11000;   // as the parameter dialog's caption too
constexpr int CaptionText = 11020, RemHintText = 11020;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;
constexpr auto C = FieldForm::Code;

// First record, 60 bytes (62 from ROC year 100 on, when each date takes seven). Its total and count
// are those of the employee records that follow.
MediaRecord first()
{
    return {
        {1, 6, W, TodayRoc(), QStringLiteral("磁片製作日")},
        {7, 6, W, TransferDateRoc(), QStringLiteral("預定轉帳日")},
        {13, 3, C, Parameter("ID1"), QStringLiteral("代理分行")},
        {16, 8, FieldForm::Right, CompanyUniformNumber(), QStringLiteral("客戶營利事業編號")},
        {24, 3, C, Parameter("ID2"), QStringLiteral("客戶代號")},
        {27, 14, C, Parameter("ID3"), QStringLiteral("客戶帳號")},
        {41, 12, Z, EmployeeRecordTotal(Unit::Whole, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {53, 4, Z, EmployeeRecordCount(), QStringLiteral("員工人數")},
        {57, 4, L, Blank(), QStringLiteral("保留")},
    };
}

// Employee record, 60 bytes, one per employee row. The check flag is written as kept: a missing
// bank row leaves it out.
MediaRecord employee()
{
    return {
        {1, 3, L, Blank(), QStringLiteral("保留")},
        {4, 14, C, Leading(14, Column("BACC_NO")), QStringLiteral("員工帳號")},
        {18, 12, Z, RowAmount(Unit::Whole, IntegerWidth::Bits32), QStringLiteral("金額")},
        {30, 4, L, Column("DEP_NO"), QStringLiteral("部門編號")},
        {34, 1, W, Parameter("ID4"), QStringLiteral("檢核註記")},
        {35, 10, L, Column("ID_NO"), QStringLiteral("身分證號")},
        {45, 16, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk23Form> registration(23);

} // namespace

TWagbk23Form::TWagbk23Form(QWidget* owner)
    : BankTransferWindow(owner, 23, {CaptionText, RemHintText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk23aForm::TWagbk23aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, QString(),
                                  {{QStringLiteral("ID1_23"), QStringLiteral("ID1"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12120), 3},
                                   {QStringLiteral("ID2_23"), QStringLiteral("ID2"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12121), 3},
                                   {QStringLiteral("ID3_23"), QStringLiteral("ID3"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12122), 14},
                                   {QStringLiteral("Com4_23"), QStringLiteral("ID4"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 12123), 0, {}, {},
                                    {{QStringLiteral("2:檢核"), QStringLiteral("2")},
                                     {QStringLiteral("0:不檢核"), QStringLiteral("0")}}}}})
{
}

TWagbk23bForm::TWagbk23bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, QString(), QStringLiteral("*.TXT"), QString(), false})
{
}

// The customer code as kept, then ".TXT"; ".TXT" alone while the bank's row is missing.
QString TWagbk23bForm::ProposedFileName() const
{
    const auto row = BankRow(RowKey).Read();
    return (row ? row->value(QStringLiteral("ID2")) : QString()) + QStringLiteral(".TXT");
}

const MediaLayout& TWagbk23bForm::Layout() const
{
    static const MediaLayout layout{{first()}, {employee()}, {}, QStringLiteral("YG_NO")};
    return layout;
}
