#include "banks/wagbk6/wagbk6.h"

#include "common/code_lists.h"
#include "runtime/report/band.h"
#include "transfer/bank_row.h"
#include "transfer/saved_conditions.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QString RowKey = QStringLiteral("6");
const QString DefaultFile = QStringLiteral("SALY.DAT");
constexpr int BankNameText = 11005;
const QString KindValue = QStringLiteral("KIND");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;

// The transfer kind the window handed over; B5 when it handed none.
FieldSource Kind()
{
    return Steady([](const RecordContext& c) {
        const QString kind = c.values.further.value(KindValue);
        return FieldValue::Text(kind.isEmpty() ? QStringLiteral("B5") : kind);
    });
}

// Header record, 40 bytes.
MediaRecord header()
{
    return {
        {1, 1, L, Constant("9"), QStringLiteral("首錄別")},
        {2, 3, L, Parameter("ID2"), QStringLiteral("企業編號")},
        {5, 11, L, Parameter("ID1"), QStringLiteral("委托者帳號")},
        {16, 2, L, Kind(), QStringLiteral("轉帳類別")},
        {18, 1, L, Constant("0"), QStringLiteral("借貸別")},
        {19, 12, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {31, 8, L, TransferDateCalendar(), QStringLiteral("轉帳日期")},
        {39, 2, L, Parameter("ID3"), QStringLiteral("受理分行")},
    };
}

// Detail record, 40 bytes, one per employee.
MediaRecord detail()
{
    return {
        {1, 1, L, Constant("0"), QStringLiteral("明細錄別")},
        {2, 14, L, Leading(12, Column("BACC_NO")), QStringLiteral("帳號")},   // the window keeps twelve
        {16, 2, L, Kind(), QStringLiteral("轉帳類別")},
        {18, 1, L, Constant("1"), QStringLiteral("借貸別")},
        {19, 12, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("金額")},
        {31, 10, L, Column("ID_NO"), QStringLiteral("身份證號")},
    };
}

// A text that is a whole number (an optional sign, then digits) counts with its value, any other as 0.
qint64 numberOrZero(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    return number.match(text).hasMatch() ? text.toLongLong() : 0;
}

const BankWindowRegistration<TWagbk6Form> registration(6);

} // namespace

QString TransferKind(const QString& salaryKinds)
{
    QStringList kinds;
    SplitUniqueList(salaryKinds, kinds);
    const QString regular = RegularSalaryLabel();
    const bool salary = kinds.size() <= 2
                        && ((kinds.size() == 1 && kinds.front() == regular) || (kinds.contains(regular) && kinds.contains(NoValueCode)));
    return salary ? QStringLiteral("B5") : QStringLiteral("D5");
}

qint64 CheckAmount(const QDate& transferDate, double total, int selectedLines, const QString& consignorAccount,
                   const QString& companyNumber)
{
    const qint64 date = transferDate.year() * 10000 + transferDate.month() * 100 + transferDate.day();
    const qint64 thousands = qint64(std::trunc(total / 1000));
    return date + thousands * selectedLines + numberOrZero(companyNumber.left(3) + consignorAccount.left(4))
           + numberOrZero(consignorAccount.mid(4, 6));
}

TWagbk6Form::TWagbk6Form(QWidget* owner)
    : BankTransferWindow(owner, 6, {BankNameText, BankNameText}, ExportHandOver::TransferDateAndTotal, QStringLiteral("BK61"))
{
}

ExportValues TWagbk6Form::ValuesForExport() const
{
    ExportValues values = BankTransferWindow::ValuesForExport();
    values.transferTotal = std::trunc(values.transferTotal);
    values.further.insert(KindValue, TransferKind(conditions().SalaryKinds));
    return values;
}

// Worked out when the fill went through to the end with something to transfer; the BANK1 numbers
// count as 0 while the bank's row is missing.
void TWagbk6Form::TableFilled(const TransferTableResult& result)
{
    ChkAmtn.reset();
    if (result.cancelled || result.transferTotal <= 0)
        return;
    const auto row = BankRow(RowKey).Read();
    const QString account = row ? row->value(QStringLiteral("ID1")) : QString();
    const QString company = row ? row->value(QStringLiteral("ID2")) : QString();
    // A fill that went through to the end read every line the selection returned.
    ChkAmtn = CheckAmount(transferDate(), result.transferTotal, result.sourceLines, account, company);
}

TransferListReport* TWagbk6Form::CreateTransferList()
{
    auto* list = Create<TWagbk6cForm>(this);
    list->SetCheckAmount(ChkAmtn);
    return list;
}

TWagbk6aForm::TWagbk6aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_6"), QStringLiteral("ID1"), QStringLiteral("委托者帳號"), 11},
                                   {QStringLiteral("ID2_6"), QStringLiteral("ID2"), QStringLiteral("企業編號"), 3},
                                   {QStringLiteral("ID3_6"), QStringLiteral("ID3"), QStringLiteral("受理分行"), 2}}})
{
}

TWagbk6bForm::TWagbk6bForm(QWidget* owner)
    : TwoPerRowExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.dat"), QStringLiteral(".DAT")})
{
}

const MediaLayout& TWagbk6bForm::Layout() const
{
    static const MediaLayout layout{{header()}, {detail()}, {}};
    return layout;
}

ListWording TWagbk6cForm::Wording() const
{
    ListWording wording = TwoPerRowListReport::Wording();
    wording.amount = QStringLiteral("金    額:");
    return wording;
}

// The check amount stands below the grand totals.
void TWagbk6cForm::FormCreate()
{
    TwoPerRowListReport::FormCreate();
    report::TQRBand& summary = *QuickRep1.band(report::BandType::Summary);
    const double y = summary.heightMm();
    summary.addLabel(QStringLiteral("ChkAmtn"), {120, y, 70, 6}, QString()).setAlignment(Qt::AlignRight);
    summary.setHeightMm(y + 6);
}

void TWagbk6cForm::PrepareRun(const TransferListRun& run)
{
    TwoPerRowListReport::PrepareRun(run);
    label(QStringLiteral("ChkAmtn")).setCaption(checkAmount_ ? QString::number(*checkAmount_) : QString());
}
