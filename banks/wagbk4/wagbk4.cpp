#include "banks/wagbk4/wagbk4.h"

#include "runtime/clock.h"
#include "runtime/language.h"
#include "transfer/bank_row.h"

namespace {

const QString RowKey = QStringLiteral("4");
constexpr int OwnNameText = 11003;   // the window's caption and the hint of its format button
constexpr int BankNameText = 11000;
const QString ShortNameColumn = QStringLiteral("CK_ID1");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;
constexpr auto P = FieldForm::Padded;

// "BT", the ROC year unpadded, the month in two digits, "20": BT1150320 for March 2026.
QString FileNameFor(const QDate& transferDate)
{
    return QStringLiteral("BT%1%2").arg(transferDate.year() - 1911).arg(transferDate.month(), 2, 10, QLatin1Char('0'))
           + QStringLiteral("20");
}

// Control record, 74 bytes.
MediaRecord header()
{
    return {
        {1, 6, L, Blank(), QStringLiteral("空白")},
        {7, 6, L, Constant("000000"), QStringLiteral("日期")},
        {13, 1, L, Constant("0"), QStringLiteral("借貸別")},
        {14, 16, P, Parameter("ID2"), QStringLiteral("往來分行+公司轉帳帳號")},
        {30, 13, L, Constant("0000000000000"), QStringLiteral("金額")},
        {43, 10, L, Blank(), QStringLiteral("空白")},
        {53, 4, L, Constant("****"), QStringLiteral("控制碼")},
        {57, 18, L, Blank(), QStringLiteral("空白")},
    };
}

// Detail record, 74 bytes (75 from ROC year 100 on, when the date takes seven), one per employee row.
MediaRecord detail()
{
    return {
        {1, 6, L, Column(ShortNameColumn), QStringLiteral("委託單位")},
        {7, 6, W, TransferDateRoc(), QStringLiteral("轉帳日期")},
        {13, 1, L, Constant("2"), QStringLiteral("借貸別")},
        {14, 14, L, Column("BACC_NO"), QStringLiteral("帳號")},
        {28, 15, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("金額")},
        {43, 10, L, Column("ID_NO"), QStringLiteral("身份證編號")},
        {53, 4, L, Constant("0000"), QStringLiteral("保留")},
        {57, 2, L, Constant("SA"), QStringLiteral("類別")},
        {59, 16, L, Blank(), QStringLiteral("空白")},
    };
}

MediaRecord trailer()
{
    return {{1, 4, L, Constant("END$"), QStringLiteral("結束記錄")}};
}

const BankWindowRegistration<TWagbk4Form> registration(4);

} // namespace

TransferTableLayout TWagbk4Form::TableLayout() const
{
    TransferTableLayout layout = TransferTableLayout::AccountAndNumber(10);
    layout.columns.push_back({TextColumn(QStringLiteral("ID_NO"), 20, 12105, 10), QStringLiteral("ID_NO")});
    layout.columns.push_back({TextColumn(ShortNameColumn, 6, 12106, 6), QString()});
    return layout;
}

bool TWagbk4Form::ReadyToFill()
{
    const auto row = BankRow(RowKey).Read();
    ShortName = row ? row->value(QStringLiteral("ID1")) : QString();
    return true;
}

void TWagbk4Form::CompleteEmployeeRow(db::LocalTable& row)
{
    row.setField(ShortNameColumn, ShortName);
}

TWagbk4Form::TWagbk4Form(QWidget* owner)
    : BankTransferWindow(owner, 4, {OwnNameText, OwnNameText}, ExportHandOver::TransferDateOnly)
{
}

// The dialog carries the bank's own name; BANK1.NAME keeps the name text the bank has always stored.
TWagbk4aForm::TWagbk4aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, QString(),
                                  {{QStringLiteral("ID1_4"), QStringLiteral("ID1"), QStringLiteral("公司英文簡稱前六碼:"), 6},
                                   {QStringLiteral("ID2_4"), QStringLiteral("ID2"), QStringLiteral("往來分行+公司轉帳帳號:"), 16}},
                                  LoadFormResourceStr(QStringLiteral("WAGBK"), OwnNameText)})
{
}

QString TWagbk4aForm::DefaultFileName() const
{
    return FileNameFor(Today());
}

TWagbk4bForm::TWagbk4bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, QString(), QStringLiteral("*.txt"), QString(), false})
{
}

QString TWagbk4bForm::ProposedFileName() const
{
    return FileNameFor(Values.transferDate);
}

const MediaLayout& TWagbk4bForm::Layout() const
{
    // Every row with an employee number is written, whether or not it has a name.
    static const MediaLayout layout{{header()}, {detail()}, {trailer()}, QStringLiteral("YG_NO")};
    return layout;
}

TWagbk4cForm::TWagbk4cForm(QWidget* owner)
    : RecordListReport(owner)
{
    setWindowTitle(QStringLiteral("上海商銀薪資清冊報表"));
}

ListWording TWagbk4cForm::Wording() const
{
    ListWording wording = RecordCountWording();
    wording.grandTotal = QStringLiteral("** 總        計 **");
    return wording;
}
