#include "banks/wagbk20/wagbk20.h"

#include "runtime/language.h"

namespace {

const QString RowKey = QStringLiteral("20");
// The parameter dialog gives a new row MEDIA.DAT; while the row is missing the export proposes HNCBIN.DAT.
const QString ParameterFile = QStringLiteral("MEDIA.DAT");
const QString ExportFile = QStringLiteral("HNCBIN.DAT");
constexpr int BankNameText = 11016;
constexpr int CaptionText = 11004;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// Record, 73 bytes (74 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord record()
{
    return {
        {1, 4, L, Constant("1797"), QStringLiteral("交易代號")},
        {5, 10, L, Blank(), QStringLiteral("重送序號")},
        {15, 11, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {26, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {36, 1, L, Constant("0"), QStringLiteral("檢核記號")},
        {37, 15, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {52, 3, L, Parameter("ID1"), QStringLiteral("主辦行")},
        {55, 2, L, Constant("31"), QStringLiteral("項目")},
        {57, 1, L, Blank(), QStringLiteral("帳戶種類")},
        {58, 1, L, Blank(), QStringLiteral("扣款種類")},
        {59, 6, W, TransferDateRoc(), QStringLiteral("預定扣款日")},
        {65, 8, L, Constant(QStringLiteral("薪資存入")), QStringLiteral("存摺摘要")},
        {73, 1, L, Blank(), QStringLiteral("保留")},
    };
}

const BankWindowRegistration<TWagbk20Form> registration(20);

} // namespace

TWagbk20Form::TWagbk20Form(QWidget* owner)
    : BankTransferWindow(owner, 20, {CaptionText, CaptionText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk20aForm::TWagbk20aForm(QWidget* owner)
    : BankParameterDialog(owner, {.rowKey = RowKey,
                                  .nameTextId = BankNameText,
                                  .defaultFileName = ParameterFile,
                                  .edits = {{QStringLiteral("ID1_20"), QStringLiteral("ID1"),
                                             LoadFormResourceStr(QStringLiteral("WAGBK"), 10218), 3}},
                                  .caption = LoadFormResourceStr(QStringLiteral("WAGBK"), CaptionText)})
{
}

// The save dialog offers the usual text files; a chosen name takes the extension .DAT.
TWagbk20bForm::TWagbk20bForm(QWidget* owner)
    : ExportDialog(owner, {.rowKey = RowKey, .defaultFileName = ExportFile, .forcedExtension = QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk20bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}

std::vector<ListColumn> TWagbk20cForm::Columns() const
{
    return {
        TransferDateColumn(QStringLiteral("轉帳日期"), 22),
        {QStringLiteral("員工代號"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 26},
        {QStringLiteral(" 姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 34},
        {QStringLiteral(" 轉  帳  帳  號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 38},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 30},
        {QStringLiteral(" 轉  帳  金  額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 40, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
    };
}
