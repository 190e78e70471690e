#include "banks/wagbk13/wagbk13.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("13");
const QString DefaultFile = QStringLiteral("SALY.DAT");
constexpr int BankNameText = 11012;

using namespace source;
using namespace forms;

// Record, 65 bytes (66 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 1, L, Blank(), QStringLiteral("空白")},
        {2, 14, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {16, 3, L, Parameter("ID2"), QStringLiteral("分行代號")},
        {19, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {32, 14, L, Column("YG_NO"), QStringLiteral("員工代號")},
        {46, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {52, 14, L, Parameter("ID1"), QStringLiteral("委託者帳號")},
    };
}

const BankWindowRegistration<TWagbk13Form> registration(13);

} // namespace

TWagbk13Form::TWagbk13Form(QWidget* owner)
    : BankTransferWindow(owner, 13, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TransferTableLayout TWagbk13Form::TableLayout() const
{
    TransferTableLayout layout = TransferTableLayout::Standard();
    layout.columns.push_back({TextColumn(QStringLiteral("ID_NO"), 20, 12043, 10), QStringLiteral("ID_NO")});
    layout.columns.push_back({TextColumn(QStringLiteral("YG_NO"), 14, 12045, 10, false), QStringLiteral("YG_NO")});
    return layout;
}

TWagbk13aForm::TWagbk13aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_13"), QStringLiteral("ID1"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10202), 14},
                                   {QStringLiteral("ID2_13"), QStringLiteral("ID2"), LoadFormResourceStr(QStringLiteral("WAGBK"), 10225), 3}}})
{
}

TWagbk13bForm::TWagbk13bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.DAT"), QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk13bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}
