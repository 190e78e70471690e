#include "banks/wagbk1/wagbk1.h"

#include "banks/wagbk1/choice_dialog.h"
#include "runtime/db/mquery.h"

namespace {

const QString RowKey = QStringLiteral("1");
const QString DefaultFile = QStringLiteral("Pccut.Txt");
constexpr int BankNameText = 11000;
constexpr int GeneralCaption = 10000;
const QString Receiver = QStringLiteral("CCB");
const QString TransferKind = QStringLiteral("251");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// The company code: ID1 cut to 4 followed directly by ID2 cut to 4 (a shorter ID1 moves ID2 left).
FieldSource CompanyCode()
{
    return Joined({Leading(4, Parameter("ID1")), Leading(4, Parameter("ID2"))});
}

// Every record begins alike: its kind, the company code, the receiver, the transfer kind and the
// transfer date; then come the kind's own fields.
MediaRecord record(const char* kind, std::initializer_list<MediaField> own)
{
    std::vector<MediaField> fields = {
        {1, 1, L, Constant(kind), QStringLiteral("資料別")},
        {2, 8, L, CompanyCode(), QStringLiteral("企業編號")},
        {10, 3, L, Constant(Receiver), QStringLiteral("收受行")},
        {13, 5, L, Blank(), QStringLiteral("空白")},
        {18, 3, L, Constant(TransferKind), QStringLiteral("委託項目")},
        {21, 6, W, TransferDateRoc(), QStringLiteral("撥帳日期")},
    };
    fields.insert(fields.end(), own);
    return MediaRecord(std::move(fields));
}

// Header record, 120 bytes (121 from ROC year 100 on, when the date takes seven).
MediaRecord header()
{
    return record("1", {
        {27, 1, L, Blank(), QStringLiteral("空白")},
        {28, 93, L, Blank(), QStringLiteral("空白")},
    });
}

// Detail record, 120 bytes (121), one per employee row.
MediaRecord detail()
{
    return record("2", {
        {27, 4, L, Column("BACC_NO"), QStringLiteral("往來分行")},
        {31, 10, L, Column("BACC_NO1"), QStringLiteral("帳號")},
        {41, 14, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("存款金額")},
        {55, 8, L, Blank(), QStringLiteral("空白")},
        {63, 2, L, Constant("99"), QStringLiteral("代碼")},
        {65, 20, L, Blank(), QStringLiteral("空白")},
        {85, 10, L, Column("ID_NO"), QStringLiteral("身分證號")},
        {95, 12, L, Column("YG_NAME"), QStringLiteral("姓名")},
        {107, 14, L, Blank(), QStringLiteral("空白")},
    });
}

// Trailer record, 52 bytes (53): the count and the amount of the details.
MediaRecord trailer()
{
    return record("3", {
        {27, 16, Z, EmployeeRecordTotal(Unit::Hundredths, IntegerWidth::Bits64), QStringLiteral("總金額")},
        {43, 10, Z, EmployeeRecordCount(), QStringLiteral("總筆數")},
    });
}

const BankWindowRegistration<TWagbk1Form> registration(1);

} // namespace

qlonglong AccountControlPart(const QString& account)
{
    const QStringView part = QStringView(account).mid(6, 6);
    if (part.isEmpty())
        return 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    return part.toLongLong();
}

// The window carries the general caption of the transfer windows; the bank's name is the hint of Rem.
TWagbk1Form::TWagbk1Form(QWidget* owner)
    : BankTransferWindow(owner, 1, {GeneralCaption, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TransferTableLayout Wagbk1TableLayout()
{
    TransferTableLayout layout;
    const QString account = QStringLiteral("BACC_NO");
    layout.columns = {
        {TextColumn(account, 12, 12000, 8), account, [](const QString& a) { return a.left(4); }},
        {TextColumn(QStringLiteral("BACC_NO1"), 16, 12001, 10), account, [](const QString& a) { return a.mid(4, 16); }},
        {TextColumn(NameColumnName, 30, 12002, 20), QStringLiteral("YG_NAME")},
        {AmountColumn(12003, 14), QString()},
        {TextColumn(QStringLiteral("REM"), 30, 12004, 30), QString()},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12005, 10, false), QStringLiteral("ID_NO")},
    };
    return layout;
}

bool TWagbk1Form::ReadyToFill()
{
    AccountTotal = 0;
    return true;
}

void TWagbk1Form::LineSelected(const db::MQuery& line, bool)
{
    AccountTotal += AccountControlPart(line.asString(QStringLiteral("BACC_NO")));
}

void TWagbk1Form::PrintTransferList(const TransferListRun& run)
{
    const int choice = AskChoice(Create<TWagbk1cForm>(this));
    if (choice == 0)
        return;
    if (choice == 1) {
        TransferWindow::PrintTransferList(run);
        return;
    }
    DeliveryFacts facts;
    facts.transferDate = run.transferDate;
    facts.records = transferCount();
    facts.total = transferTotal();
    facts.accountTotal = AccountTotal;
    ReleasedForm<TWagBk1eForm> form(Create<TWagBk1eForm>(this));
    form->Fill(facts);
    form->Output(run.printDirect);
}

TWagbk1aForm::TWagbk1aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFile,
                                  {{QStringLiteral("ID1_0"), QStringLiteral("ID1"), QStringLiteral("企業編號"), 4},
                                   {QStringLiteral("ID2_0"), QStringLiteral("ID2"), QStringLiteral("受理分行"), 4}}})
{
}

// The export dialog has no default name of its own: without the bank's row it proposes the folder alone.
TWagbk1bForm::TWagbk1bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, QString(), QStringLiteral("*.txt"), QStringLiteral(".TXT")})
{
}

const MediaLayout& TWagbk1bForm::Layout() const
{
    // The bank passes over a row without a name that has an account (such an employee is refused so
    // that the clerk fills the name in); a row without either is written as it is.
    static const MediaLayout layout{{header()}, {detail()}, {trailer()}, NameColumnName, QStringLiteral("BACC_NO")};
    return layout;
}

QString TWagbk1bForm::EmployeeOf(const db::LocalTable& row) const
{
    const QString name = row.fieldText(NameColumnName);
    return name.trimmed().isEmpty() ? row.fieldText(QStringLiteral("BACC_NO")) + row.fieldText(QStringLiteral("BACC_NO1")) : name;
}
