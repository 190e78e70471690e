#include "banks/wagbk9/wagbk9.h"

namespace {

const QString RowKey = QStringLiteral("9");
const QString DefaultFile = QStringLiteral("Wage");
constexpr int BankNameText = 11008;

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// Every record starts with its kind, the transfer group (positions 2-12: class, branch, special
// number) and the transfer date with a three-digit ROC year (13-19); 64 bytes in all.
MediaRecord record(const QString& kind, const QString& what, std::initializer_list<MediaField> rest)
{
    std::vector<MediaField> fields{
        {1, 1, L, Constant(kind), what},
        {2, 2, L, Parameter("ID1"), QStringLiteral("類別")},
        {4, 3, L, Parameter("ID2"), QStringLiteral("分行別")},
        {7, 6, Z, Leading(6, Parameter("ID3")), QStringLiteral("專號")},
        {13, 7, W, TransferDateRoc(3), QStringLiteral("轉帳日期")},
    };
    fields.insert(fields.end(), rest);
    return MediaRecord(fields);
}

MediaRecord head()
{
    return record("1", QStringLiteral("首筆"), {
        {20, 45, L, Blank(), QStringLiteral("空白")},
    });
}

// One per employee row.
MediaRecord detail()
{
    return record("2", QStringLiteral("明細"), {
        {20, 14, FieldForm::LeftZeros, Column("BACC_NO"), QStringLiteral("帳號")},
        {34, 14, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {48, 17, L, Blank(), QStringLiteral("空白")},
    });
}

MediaRecord total()
{
    return record("3", QStringLiteral("總計"), {
        {20, 14, Z, EmployeeRecordCount(), QStringLiteral("總筆數")},
        {34, 14, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("總金額")},
        {48, 17, L, Blank(), QStringLiteral("空白")},
    });
}

const BankWindowRegistration<TWagbk9Form> registration(9);

} // namespace

TWagbk9Form::TWagbk9Form(QWidget* owner)
    : BankTransferWindow(owner, 9, {BankNameText, BankNameText}, ExportHandOver::TransferDateAndTotal)
{
}

TWagbk9aForm::TWagbk9aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_9"), QStringLiteral("ID1"), QStringLiteral("類    別"), 2},
                                   {QStringLiteral("ID2_9"), QStringLiteral("ID2"), QStringLiteral("分行別"), 3},
                                   {QStringLiteral("ID3_9"), QStringLiteral("ID3"), QStringLiteral("專    號"), 6}}})
{
}

TWagbk9bForm::TWagbk9bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QString()})
{
}

const MediaLayout& TWagbk9bForm::Layout() const
{
    static const MediaLayout layout{{head()}, {detail()}, {total()}};
    return layout;
}

std::vector<ListColumn> TWagbk9cForm::Columns() const
{
    return EmployeeListColumns();
}
