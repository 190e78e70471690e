#include "banks/wagbk5/wagbk5.h"

namespace {

const QString RowKey = QStringLiteral("5");
const QString DefaultFile = QStringLiteral("SALY.DAT");
constexpr int BankNameText = 11004;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// "1916" for a transfer within the consignor's branch (ID2 "2"), else "1911" between branches.
FieldSource TransactionCode()
{
    return Steady([](const RecordContext& c) {
        return FieldValue::Text(c.parameters->value(QStringLiteral("ID2")).left(1) == u'2' ? QStringLiteral("1916")
                                                                                           : QStringLiteral("1911"));
    });
}

// "2": the bank checks the identity number; "0": there is none to check.
FieldSource IdentityCheck()
{
    return [](const RecordContext& c) {
        return FieldValue::Text(c.row->fieldText(QStringLiteral("ID_NO")).isEmpty() ? QStringLiteral("0") : QStringLiteral("2"));
    };
}

// Record, 80 bytes (81 from ROC year 100 on, when the date takes seven), one per employee.
MediaRecord record()
{
    return {
        {1, 11, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {12, 15, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {27, 4, L, TransactionCode(), QStringLiteral("交易代號")},
        {31, 11, L, Parameter("ID1"), QStringLiteral("委托者帳號")},
        {42, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {48, 8, L, Blank(), QStringLiteral("空白")},
        {56, 10, L, Column("ID_NO"), QStringLiteral("身份證號")},
        {66, 1, L, IdentityCheck(), QStringLiteral("檢核記號")},
        {67, 14, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk5Form> registration(5);

} // namespace

TWagbk5Form::TWagbk5Form(QWidget* owner)
    : BankTransferWindow(owner, 5, {BankNameText, BankNameText}, ExportHandOver::TransferDateOnly, QStringLiteral("BK51"))
{
}

TWagbk5aForm::TWagbk5aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_5"), QStringLiteral("ID1"), QStringLiteral("委托者帳號"), 11},
                                   {.objectName = QStringLiteral("ID2_5"),
                                    .column = QStringLiteral("ID2"),
                                    .label = QStringLiteral("聯行/分行"),
                                    .maxLength = 1,
                                    .hint = QStringLiteral("1.聯行,2.分行"),
                                    .missingRowText = QStringLiteral("1"),
                                    .exitCorrection = FirstCharacterAmong(QStringLiteral("12"), QStringLiteral("1"))}}})
{
}

TWagbk5bForm::TWagbk5bForm(QWidget* owner)
    : TwoPerRowExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.dat"), QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk5bForm::Layout() const
{
    static const MediaLayout layout{{}, {record()}, {}};
    return layout;
}
