#include "banks/wagbk17/wagbk17.h"

#include "runtime/compdata.h"
#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("17");
const QString DefaultFile = QStringLiteral("HNCBIN.DAT");
constexpr int BankNameText = 11016;
// Transfer kind: 1 credit to the account, 01 salary.
const QString SalaryCredit = QStringLiteral("101");

using namespace source;
using namespace forms;

// Record, 80 bytes (81 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {7, 4, L, Parameter("ID1"), QStringLiteral("主辦行")},
        {11, 8, L, CompanyUniformNumber(), QStringLiteral("公司統一編號")},
        {19, 2, L, Blank(), QStringLiteral("空白")},
        {21, 12, L, Column("BACC_NO"), QStringLiteral("轉帳帳號")},
        {33, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {43, 3, L, Constant(SalaryCredit), QStringLiteral("轉帳類別")},
        {46, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {59, 10, L, Blank(), QStringLiteral("資料編號")},
        {69, 12, L, Column("YG_NO"), QStringLiteral("保留欄(員工代號)")},
    };
}

const BankWindowRegistration<TWagbk17Form> registration(17);

} // namespace

TWagbk17Form::TWagbk17Form(QWidget* owner)
    : BankTransferWindow(owner, 17, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk17aForm::TWagbk17aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_17"), QStringLiteral("ID1"),
                                    LoadFormResourceStr(QStringLiteral("WAGBK"), 10218), 4}}})
{
}

TWagbk17bForm::TWagbk17bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.DAT"), QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk17bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk17cForm::Columns() const
{
    return {
        TransferDateColumn(QStringLiteral("轉帳日期"), 20),
        BankParameterColumn(QStringLiteral("主辨行"), QStringLiteral("AID1"), 14, RowKey, QStringLiteral("ID1"),
                            QStringLiteral("AID1")),
        LineLabelColumn(QStringLiteral("公司編號"), QStringLiteral("UNION"), 22,
                        [](const TransferListRun&) { return Compdata::CompanyUniformNumber().left(10); }),
        {QStringLiteral("轉 帳 帳 號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 30},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 24},
        LineLabelColumn(QStringLiteral("入扣帳別"), QStringLiteral("CHK"), 16, [](const TransferListRun&) { return SalaryCredit; }),
        {QStringLiteral("轉帳金額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 26, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        {QStringLiteral("資料編號"), QStringLiteral("DataNo"), QString(), 16, Qt::AlignHCenter},
        {QStringLiteral("保留欄"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 22},
    };
}
