#include "banks/wagbk2/wagbk2.h"

#include "banks/wagbk1/choice_dialog.h"
#include "banks/wagbk2/check_digit.h"
#include "runtime/db/mquery.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "transfer/bank_row.h"

#include <QStringBuilder>

namespace {

const QString RowKey = QStringLiteral("2");
const QString DefaultFiles = QStringLiteral("PSBP-PAY;TDOP-PAY");
constexpr int BankNameText = 11001;
constexpr int GeneralCaption = 10000;
// The category that switches the account error list off.
const QString UncheckedCategory = QStringLiteral("2");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;
constexpr auto P = FieldForm::Padded;

QString wagbkText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}

const QString AccountContent = QStringLiteral("局號帳號");

// The bureau and account of the post office, fourteen characters. Read back, each group of seven
// must be six digits and their check digit; the window lists the accounts whose digit fails before
// the export, which the clerk may knowingly write.
FieldSource PostOfficeAccount()
{
    return CheckCode(Column("BACC_NO2"), [](const ReadFields& fields, const RecordContext&) -> std::optional<QString> {
        const QString account = fields.value(AccountContent);
        const std::optional<QChar> bureau = PostOfficeCheckDigit(account.left(6)), number = PostOfficeCheckDigit(account.mid(7, 6));
        if (!bureau || !number)
            return std::nullopt;
        return account.left(6) + *bureau + account.mid(7, 6) + *number;
    }, CheckFailure::ShownBeforeExport);
}

// Deposit record (kind 030), 80 bytes (81 from ROC year 100 on, when the date takes seven).
MediaRecord depositRecord()
{
    return {
        {1, 3, L, Constant("030"), QStringLiteral("資料別")},
        {4, 7, P, Parameter("ID2"), QStringLiteral("受託局號")},
        {11, 6, L, Blank(), QStringLiteral("空白")},
        {17, 8, P, Parameter("ID3"), QStringLiteral("劃撥帳號")},
        {25, 6, W, TransferDateRoc(), QStringLiteral("存款日期")},
        {31, 14, L, PostOfficeAccount(), AccountContent},
        {45, 10, L, Column("ID_NO"), QStringLiteral("身分證統一編號")},
        {55, 8, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("存款金額")},
        {63, 18, L, Blank(), QStringLiteral("空白")},
    };
}

// Account data record (kind 406), 80 bytes.
MediaRecord accountDataRecord()
{
    return {
        {1, 3, L, Constant("406"), QStringLiteral("資料別")},
        {4, 7, P, Parameter("ID2"), QStringLiteral("受託局號")},
        {11, 8, P, Parameter("ID3"), QStringLiteral("劃撥帳號")},
        {19, 14, L, PostOfficeAccount(), AccountContent},
        {33, 10, L, Column("ID_NO"), QStringLiteral("身分證統一編號")},
        {43, 38, L, Blank(), QStringLiteral("空白")},
    };
}

const BankWindowRegistration<TWagbk2Form> registration(2);

} // namespace

QString AccountPart(const QString& account, int from)
{
    // Built in one piece: the transfer table forms two parts of every employee's account.
    const QStringView group = QStringView(account).mid(from, 6);
    return group % QString(6 - group.size(), u' ') % QLatin1Char('-') % QStringView(account).mid(from + 6, 1);
}

QString FileNameOf(const QString& stored, PostOfficeFile file)
{
    const QString names = stored.isEmpty() ? DefaultFiles : stored;
    if (!names.contains(u';'))
        return names;
    return file == PostOfficeFile::Deposit ? names.section(u';', 0, 0) : names.section(u';', 1);
}

QString FileNamesAfterExport(const QString& stored, PostOfficeFile file, const QString& fileName)
{
    const QString names = stored.isEmpty() ? DefaultFiles : stored;
    if (!names.contains(u';'))
        return fileName;
    return file == PostOfficeFile::Deposit ? fileName + u';' + names.section(u';', 1)
                                           : names.section(u';', 0, 0) + u';' + fileName;
}

// The window carries the general caption of the transfer windows; the bank's name is the hint of Rem.
TWagbk2Form::TWagbk2Form(QWidget* owner)
    : BankTransferWindow(owner, 2, {GeneralCaption, BankNameText}, ExportHandOver::TransferDateOnly)
{
}

TransferTableLayout Wagbk2TableLayout()
{
    TransferTableLayout layout;
    const QString account = QStringLiteral("BACC_NO");
    layout.columns = {
        {TextColumn(account, 12, 12006, 8), account, [](const QString& a) { return AccountPart(a, 0); }},
        {TextColumn(QStringLiteral("BACC_NO1"), 8, 12007, 8), account, [](const QString& a) { return AccountPart(a, 7); }},
        {TextColumn(NameColumnName, 30, 12008, 20), QStringLiteral("YG_NAME")},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12009, 10), QStringLiteral("ID_NO")},
        {AmountColumn(12010, 14), QString()},
        {TextColumn(QStringLiteral("REM"), 30, 12011, 20), QString()},
        {TextColumn(QStringLiteral("BACC_NO2"), 20, 12012, 14, false), account},
    };
    return layout;
}

bool TWagbk2Form::ReadyToFill()
{
    AccountErrors.clear();
    CheckedEmployees.clear();
    return true;
}

// The account of each employee is checked once, on his first pay line: bureau and account groups.
void TWagbk2Form::LineSelected(const db::MQuery& line, bool)
{
    const QString employee = line.asString(QStringLiteral("YG_NO"));
    if (!CheckedEmployees.insert(employee).second)
        return;
    const QString account = line.asString(QStringLiteral("BACC_NO"));
    if (!PostOfficeGroupValid(QStringView(account).left(7)) || !PostOfficeGroupValid(QStringView(account).mid(7)))
        AccountErrors.push_back({account, employee, line.asString(NameColumnName)});
}

bool TWagbk2Form::SelectionAccepted()
{
    if (AccountErrors.empty())
        return true;
    const auto row = BankRow(RowKey).Read();
    if (row && row->value(QStringLiteral("ID5")) == UncheckedCategory)
        return true;
    ReleasedForm<TWagbk2cForm> list(Create<TWagbk2cForm>(this));
    list->SetErrors(AccountErrors, lastCommand() != cmdSum);
    return list->ShowModal() == mrOk;
}

bool TWagbk2Form::ChooseExport()
{
    auto* dialog = Create<TWagbk1cForm>(this);
    dialog->SetCaptions(wagbkText(11204), {wagbkText(11205), wagbkText(11206)}, 2);
    const int choice = AskChoice(dialog);
    if (choice == 0)
        return false;
    File = choice == 1 ? PostOfficeFile::Deposit : PostOfficeFile::AccountData;
    return true;
}

ExportDialog* TWagbk2Form::CreateExportDialog()
{
    auto* dialog = Create<TWagbk2bForm>(this);
    dialog->setFile(File);
    return dialog;
}

void TWagbk2Form::PrintTransferList(const TransferListRun& run)
{
    auto* dialog = Create<TWagbk1cForm>(this);
    dialog->SetCaptions(wagbkText(11207), {wagbkText(11208), wagbkText(11209)});
    const int choice = AskChoice(dialog);
    if (choice == 0)
        return;
    PostOfficeFacts facts = PostOfficeFacts::Read();
    facts.transferDate = run.transferDate;
    facts.employees = transferCount();
    facts.total = transferTotal();
    if (choice == 3) {
        ReleasedForm<TWagbk2gForm> summary(Create<TWagbk2gForm>(this));
        summary->Fill(facts);
        summary->Output(run.printDirect);
        return;
    }
    ReleasedForm<PostOfficeListForm> list(choice == 1 ? static_cast<PostOfficeListForm*>(Create<TWagbk2dForm>(this))
                                                      : Create<TWagbk2eForm>(this));
    list->SetFacts(facts);
    list->Run(transferTable(), run);
}

namespace {

std::vector<ParameterEdit> parameterEdits()
{
    ParameterEdit category{QStringLiteral("ID5_1"), QStringLiteral("ID5"), QStringLiteral("類        別"), 1};
    category.missingRowText = QStringLiteral("3");
    category.sideCaption = wagbkText(15201);
    // "1" to "3"; any other first character becomes "3" when the clerk leaves the edit.
    category.exitCorrection = FirstCharacterAmong(QStringLiteral("123"), QStringLiteral("3"));
    ParameterEdit office{QStringLiteral("ID1_1"), QStringLiteral("ID1"), QStringLiteral("委托局名"), 12};
    office.missingRowText = DefaultOfficeName();
    ParameterEdit bureau{QStringLiteral("ID2_1"), QStringLiteral("ID2"), QStringLiteral("受托局號"), 7};
    bureau.missingRowText = DefaultBureau;
    return {office,
            bureau,
            {QStringLiteral("ID3_1"), QStringLiteral("ID3"), QStringLiteral("劃撥帳號"), 8},
            {QStringLiteral("ID4_1"), QStringLiteral("ID4"), QStringLiteral("管制號碼"), 4},
            category};
}

} // namespace

TWagbk2aForm::TWagbk2aForm(QWidget* owner)
    : BankParameterDialog(owner, {RowKey, BankNameText, DefaultFiles, parameterEdits()})
{
}

TWagbk2bForm::TWagbk2bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, QString(), QStringLiteral("*.txt"), QString()})
{
}

const MediaLayout& TWagbk2bForm::Layout() const
{
    static const MediaLayout deposit{{}, {depositRecord()}, {}};
    static const MediaLayout accountData{{}, {accountDataRecord()}, {}};
    return File == PostOfficeFile::Deposit ? deposit : accountData;
}

// Without the bank's row the dialog proposes the folder alone.
QString TWagbk2bForm::ProposedFileName() const
{
    const auto row = BankRow(RowKey).Read();
    return row ? FileNameOf(row->value(QStringLiteral("FILENAME")), File) : QString();
}

QString TWagbk2bForm::FileNameToRemember(const QString& fileName, const QString& stored) const
{
    return FileNamesAfterExport(stored, File, fileName);
}
