#include "banks/wagbk24/wagbk24.h"

namespace {

const QString RowKey = QStringLiteral("24");
const QString DefaultFile = QStringLiteral("WAGE");      // proposed while the bank's row is missing
const QString NewRowFile = QStringLiteral("Wage");       // FILENAME of the row the dialog creates
constexpr int BankNameText = 11023;
constexpr int RemHintText = 11008;
const QString Credit = QStringLiteral("200");            // transfer kind: 200 credit, 100 debit

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// The first positions of every record: kind, both units, transfer kind and date (26 bytes, 27 from
// ROC year 100 on).
MediaRecord record(const QString& kind, std::initializer_list<MediaField> rest)
{
    std::vector<MediaField> fields{
        {1, 1, L, Constant(kind), QStringLiteral("資料別")},
        {2, 8, L, Parameter("ID1"), QStringLiteral("發件單位")},
        {10, 8, L, Parameter("ID2"), QStringLiteral("收件單位")},
        {18, 3, L, Constant(Credit), QStringLiteral("轉帳類別")},
        {21, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
    };
    fields.insert(fields.end(), rest);
    return MediaRecord(fields);
}

// Header record, 118 bytes.
MediaRecord header()
{
    return record("1", {
        {27, 1, L, Constant("1"), QStringLiteral("性質別")},
        {28, 91, L, Blank(), QStringLiteral("保留")},
    });
}

// Detail record, 118 bytes, one per employee row.
MediaRecord detail()
{
    return record("2", {
        {27, 14, FieldForm::Code, Leading(14, Column("BACC_NO")), QStringLiteral("帳號")},
        {41, 14, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {55, 8, L, Constant("00000000"), QStringLiteral("營利事業編號")},
        {63, 2, L, Constant("99"), QStringLiteral("狀況代號")},
        {65, 54, L, Blank(), QStringLiteral("專用區及保留")},
    });
}

// Trailer record, 119 bytes: the transfer total and the number of detail records written.
MediaRecord trailer()
{
    return record("3", {
        {27, 14, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("總金額")},
        {41, 14, Z, EmployeeRecordCount(), QStringLiteral("總筆數")},
        {55, 16, L, Constant("0000000000000000"), QStringLiteral("未成交金額")},
        {71, 10, L, Constant("0000000000"), QStringLiteral("未成交筆數")},
        {81, 39, L, Blank(), QStringLiteral("保留")},
    });
}

const BankWindowRegistration<TWagbk24Form> registration(24);

} // namespace

TWagbk24Form::TWagbk24Form(QWidget* owner)
    : BankTransferWindow(owner, 24, {BankNameText, RemHintText}, ExportHandOver::TransferDateAndTotal)
{
}

TWagbk24aForm::TWagbk24aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, NewRowFile,
                                  {{QStringLiteral("ID1_24"), QStringLiteral("ID1"), QStringLiteral("發 作 單 位"), 4},
                                   {QStringLiteral("ID2_24"), QStringLiteral("ID2"), QStringLiteral("收 件 單 位"), 4}}})
{
}

TWagbk24bForm::TWagbk24bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile})
{
}

const MediaLayout& TWagbk24bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {trailer()}};
    return layout;
}
