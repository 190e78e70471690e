#include "banks/wagbk19/wagbk19.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("19");
// The parameter dialog names a new row's file Wage; without a row the export proposes WAGE.TXT.
const QString NewRowFile = QStringLiteral("Wage");
const QString DefaultFile = QStringLiteral("WAGE.TXT");
constexpr int BankNameText = 11019;

using namespace source;
using namespace forms;

// Header record, 23 bytes.
MediaRecord header()
{
    return {
        {1, 12, L, Parameter("ID1"), QStringLiteral("公司帳號")},
        {13, 10, Z, TransferDateRoc(3), QStringLiteral("入帳日期")},
        {23, 1, L, Constant("A"), QStringLiteral("業務別")},
    };
}

// Detail record, 44 bytes, one per employee row. Salary entries, no identity check asked for.
MediaRecord detail()
{
    return {
        {1, 12, LZ, Column("BACC_NO"), QStringLiteral("帳號")},
        {13, 10, Z, RowAmount(Unit::Whole, IntegerWidth::Bits32), QStringLiteral("金額")},
        {23, 10, L, Blank(), QStringLiteral("保留")},
        {33, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {43, 1, L, Blank(), QStringLiteral("入帳類別")},
        {44, 1, L, Blank(), QStringLiteral("檢核記號")},
    };
}

const BankWindowRegistration<TWagbk19Form> registration(19);

} // namespace

TWagbk19Form::TWagbk19Form(QWidget* owner)
    : BankTransferWindow(owner, 19, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk19aForm::TWagbk19aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, NewRowFile,
                                  {{QStringLiteral("ID1_9"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 12111), 12}}})
{
}

TWagbk19bForm::TWagbk19bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT")})
{
}

const MediaLayout& TWagbk19bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk19cForm::Columns() const
{
    return {
        {QStringLiteral("員 工 代 號"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 30},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 45},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 30},
        {QStringLiteral("帳      號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 40},
        {QStringLiteral("轉 帳 金 額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 45, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}
