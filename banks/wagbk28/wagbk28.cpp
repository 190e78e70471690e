#include "banks/wagbk28/wagbk28.h"

namespace {

const QString RowKey = QStringLiteral("28");
constexpr int CaptionText = 15600;
constexpr int RemHintText = 11020;
const QString DefaultFile = QStringLiteral("TRANS.TXT");
const QString OwnName = QStringLiteral("中國商業銀行");
const QString HeadOffice = QStringLiteral("017");
const QString SalaryPayment = QStringLiteral("201");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// Every record starts with its kind, the sending unit (the agent branch and five blanks), the
// receiving unit (the head office and five blanks), the transfer kind and the posting date; the
// date takes seven positions from ROC year 100 on, and every record grows by one.
MediaRecord record(const QString& kind, std::initializer_list<MediaField> rest)
{
    std::vector<MediaField> fields{
        {1, 1, L, Constant(kind), QStringLiteral("區別碼")},
        {2, 3, L, Parameter("ID1"), QStringLiteral("發件單位(代理行)")},
        {5, 5, L, Blank(), QStringLiteral("發件單位(空白)")},
        {10, 8, L, Constant(HeadOffice), QStringLiteral("收件單位")},
        {18, 3, L, Constant(SalaryPayment), QStringLiteral("轉帳類別")},
        {21, 6, W, TransferDateRoc(), QStringLiteral("入扣帳日期")},
    };
    fields.insert(fields.end(), rest);
    return MediaRecord(fields);
}

// First record, 120 bytes.
MediaRecord first()
{
    return record("1", {
        {27, 1, L, Constant("1"), QStringLiteral("性質別")},
        {28, 2, L, Constant("01"), QStringLiteral("資料種類")},
        {30, 91, L, Blank(), QStringLiteral("空白")},
    });
}

// Detail record, 120 bytes, one per employee row.
MediaRecord detail()
{
    return record("2", {
        {27, 14, Z, Leading(11, Column("BACC_NO")), QStringLiteral("帳號")},
        {41, 14, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {55, 8, L, CompanyUniformNumber(), QStringLiteral("營利事業編號")},
        {63, 2, L, Constant("99"), QStringLiteral("狀況代號")},
        {65, 20, L, Blank(), QStringLiteral("用戶專用資料")},
        {85, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {95, 26, L, Blank(), QStringLiteral("用戶專用資料及空白")},
    });
}

// Last record, 126 bytes.
MediaRecord last()
{
    return record("3", {
        {27, 16, Z, EmployeeRecordTotal(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("成交總金額")},
        {43, 10, Z, EmployeeRecordCount(), QStringLiteral("成交總筆數")},
        {53, 16, L, Constant("0000000000000000"), QStringLiteral("未成交總金額")},
        {69, 16, L, Constant("0000000000000000"), QStringLiteral("未成交總筆數")},
        {85, 42, L, Blank(), QStringLiteral("空白")},
    });
}

const BankWindowRegistration<TWagbk28Form> registration(28);

} // namespace

TWagbk28Form::TWagbk28Form(QWidget* owner)
    : BankTransferWindow(owner, 28, {CaptionText, RemHintText}, ExportHandOver::TransferDateOnly)
{
}

TWagbk28aForm::TWagbk28aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, 0, DefaultFile,
                                  {{QStringLiteral("ID1_28"), QStringLiteral("ID1"), QStringLiteral("發件單位代碼 (代理行號別)"), 3}},
                                  QString(), OwnName})
{
}

TWagbk28bForm::TWagbk28bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.TXT"), QStringLiteral(".TXT")})
{
}

const MediaLayout& TWagbk28bForm::Layout() const
{
    static const MediaLayout layout{{first()}, {detail()}, {last()}};
    return layout;
}

// The transfer date on every line, where the bank's layout puts it.
std::vector<ListColumn> TWagbk28cForm::Columns() const
{
    std::vector<ListColumn> columns{
        {QStringLiteral("員工代號"), QStringLiteral("QRDBText1"), QStringLiteral("YG_NO"), 25},
        {QStringLiteral("姓       名"), QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 35},
        {QStringLiteral("身份證編號"), QStringLiteral("QRDBText4"), QStringLiteral("ID_NO"), 30},
        {QStringLiteral("轉 帳 帳 號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 35},
        {QStringLiteral("轉帳金額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 40, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        TransferDateColumn(QStringLiteral("轉帳日期"), 25),
    };
    // The date stands apart from the right-aligned amount before it.
    columns.back().gapBeforeMm = 5;
    return columns;
}
