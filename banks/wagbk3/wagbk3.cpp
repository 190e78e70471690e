#include "banks/wagbk3/wagbk3.h"

#include "runtime/language.h"
#include "runtime/ui/kept_column.h"
#include "transfer/bank_row.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString RowKey = QStringLiteral("3");
const QString DefaultFile = QStringLiteral("Hncbin");
constexpr int BankNameText = 11000;
constexpr int CaptionText = 11002;
constexpr int TaoyuanText = 10103;
const QString OptionValue = QStringLiteral("OPTION");
const QString Checked = QStringLiteral("1"), Unchecked = QStringLiteral("0");
const QString SalaryTransfer = QStringLiteral("02");

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;

// The account number's five characters and the check digit, together: the last part keeps the rest
// of the account, so that an account longer than its four parts can hold is refused.
FieldSource AccountAndCheckDigit()
{
    FieldSource account = [](const RecordContext& c) {
        return FieldValue::Text(c.row->fieldText(QStringLiteral("BACC_NO3")).left(5) + c.row->fieldText(QStringLiteral("BACC_NO4")));
    };
    account.markAccount(6);
    return account;
}

// The customer code follows the employee number only with the Taoyuan option.
FieldSource CustomerCode()
{
    return Steady([](const RecordContext& c) {
        return FieldValue::Text(c.values.further.value(OptionValue) == Checked ? c.parameters->value(QStringLiteral("ID2")) : QString());
    });
}

// Record, 80 bytes, one per employee row.
MediaRecord record()
{
    return {
        {1, 2, L, Constant("32"), QStringLiteral("資料類別及身份核對")},
        {3, 4, L, Column("BACC_NO1"), QStringLiteral("分行")},
        {7, 3, L, Column("BACC_NO2"), QStringLiteral("存款種類")},
        {10, 6, L, AccountAndCheckDigit(), QStringLiteral("帳號及檢查號碼")},
        {16, 13, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits32), QStringLiteral("金額")},
        {29, 10, L, Column("ID_NO"), QStringLiteral("身份證字號")},
        {39, 23, L, Column("YG_NO"), QStringLiteral("員工代號")},
        {62, 3, L, CustomerCode(), QStringLiteral("客戶代號")},
        {65, 12, L, Blank(), QStringLiteral("空白")},
        {77, 4, L, Column("CK_ID1"), QStringLiteral("委託單位")},
    };
}

// The part of the account the column keeps.
TransferColumn accountPart(const char* name, int size, int labelId, int displayWidth, int from)
{
    return {TextColumn(QLatin1String(name), size, labelId, displayWidth), QStringLiteral("BACC_NO"),
            [from, size](const QString& account) { return account.mid(from, size); }};
}

const BankWindowRegistration<TWagbk3Form> registration(3);

} // namespace

TWagbk3Form::TWagbk3Form(QWidget* owner)
    : BankTransferWindow(owner, 3, {CaptionText, CaptionText}, ExportHandOver::TransferDateOnly)
{
    ChkBox = new QCheckBox(QStringLiteral("桃園專用"), this);
    ChkBox->setObjectName(QStringLiteral("ChkBox"));
    KeepInColumn(*ChkBox, QStringLiteral("ID10"), Checked, Unchecked);
    AddCondition(ChkBox);
}

void TWagbk3Form::FormShow()
{
    BankTransferWindow::FormShow();
    const auto row = BankRow(RowKey).Read();
    ChkBox->setChecked(row && row->value(QStringLiteral("ID10")) == Checked);
}

// The option is kept when the window closes; the bank's row is created for it if need be.
void TWagbk3Form::FormDestroy()
{
    BankRow(RowKey).Save(LoadFormStr(BankNameText), {{QStringLiteral("ID10"), ChkBox->isChecked() ? Checked : Unchecked}},
                         DefaultFile);
    BankTransferWindow::FormDestroy();
}

TransferTableLayout TWagbk3Form::TableLayout() const
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("CK_ID"), 12, 12020, 8), QString()},
        accountPart("BACC_NO1", 4, 12021, 6, 0),
        accountPart("BACC_NO2", 3, 12022, 5, 4),
        accountPart("BACC_NO3", 5, 12023, 7, 7),
        accountPart("BACC_NO4", AccountColumnSize - 12, 12024, 4, 12),
        {AmountColumn(12025, 14), QString()},
        {TextColumn(QStringLiteral("YG_NO"), 12, 12026, 12), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12027, 10), QStringLiteral("YG_NAME")},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12028, 10), QStringLiteral("ID_NO")},
        {TextColumn(QStringLiteral("CK_ID1"), 4, 12029, 6), QString()},
    };
    layout.labelColumn = QStringLiteral("CK_ID");
    return layout;
}

bool TWagbk3Form::ReadyToFill()
{
    const auto row = BankRow(RowKey).Read();
    branch_ = row ? row->value(QStringLiteral("ID1")) : QString();
    return true;
}

void TWagbk3Form::CompleteEmployeeRow(db::LocalTable& row)
{
    row.setField(QStringLiteral("CK_ID"), SalaryTransfer);
    row.setField(QStringLiteral("CK_ID1"), branch_);
}

ExportValues TWagbk3Form::ValuesForExport() const
{
    ExportValues values = BankTransferWindow::ValuesForExport();
    values.further.insert(OptionValue, ChkBox->isChecked() ? Checked : Unchecked);
    return values;
}

MForm* TWagbk3Form::CreateParameterDialog()
{
    auto* dialog = Create<TWagbk3aForm>(this);
    dialog->SetTaoyuan(ChkBox->isChecked());
    return dialog;
}

TWagbk3aForm::TWagbk3aForm(QWidget* owner)
    : BankParameterDialog(owner, {.rowKey = RowKey,
                                  .nameTextId = BankNameText,
                                  .defaultFileName = DefaultFile,
                                  .edits = {{QStringLiteral("ID1_3"), QStringLiteral("ID1"), QStringLiteral("支庫代號"), 4},
                                            {.objectName = QStringLiteral("ID2_3"),
                                             .column = QStringLiteral("ID2"),
                                             .label = QStringLiteral("客戶代號"),
                                             .maxLength = 3,
                                             .labelName = QStringLiteral("Cust_Lab")}},
                                  .caption = LoadFormResourceStr(QStringLiteral("WAGBK"), CaptionText)})
{
}

void TWagbk3aForm::FormShow()
{
    BankParameterDialog::FormShow();
    setWindowTitle(taoyuan_ ? LoadFormStr(CaptionText) + u'[' + LoadFormStr(TaoyuanText) + u']' : LoadFormStr(CaptionText));
    component<QLabel>(QStringLiteral("Cust_Lab"))->setVisible(taoyuan_);
    component<QLineEdit>(QStringLiteral("ID2_3"))->setVisible(taoyuan_);
}

TWagbk3bForm::TWagbk3bForm(QWidget* owner)
    : ExportDialog(owner, {RowKey, DefaultFile, QStringLiteral("*.txt"), QString()})
{
}

const MediaLayout& TWagbk3bForm::Layout() const
{
    // An employee row is known by its employee number; the name is not written.
    static const MediaLayout layout{{}, {record()}, {}, QStringLiteral("YG_NO")};
    return layout;
}

std::vector<ListColumn> TWagbk3cForm::Columns() const
{
    ListColumn kind = LineLabelColumn(QStringLiteral("轉帳\n類別"), QStringLiteral("QRLabel_CKID"), 12);
    kind.designCaption = SalaryTransfer;
    ListColumn number{QStringLiteral("人員代號"), QStringLiteral("QRDBText6"), QStringLiteral("YG_NO"), 22};
    number.gapBeforeMm = 4;
    return {
        kind,
        {QStringLiteral("本庫轉帳\n單位代號"), QStringLiteral("QRDBText1"), QStringLiteral("BACC_NO1"), 18},
        {QStringLiteral("存款\n類別"), QStringLiteral("QRDBText2"), QStringLiteral("BACC_NO2"), 12},
        {QStringLiteral("存戶帳號"), QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO3"), 18},
        {QStringLiteral("檢查\n號碼"), QStringLiteral("QRDBText4"), QStringLiteral("BACC_NO4"), 10},
        {QStringLiteral("轉帳金額"), QStringLiteral("QRDBText5"), QStringLiteral("A_MTN"), 26, Qt::AlignRight,
         QStringLiteral("#,##0.00")},
        number,
        {QStringLiteral("人員姓名"), QStringLiteral("QRDBText7"), QStringLiteral("YG_NAME"), 26},
        {QStringLiteral("身份証字號"), QStringLiteral("QRDBText8"), QStringLiteral("ID_NO"), 24},
        {QString(), QStringLiteral("QRDBText9"), QStringLiteral("CK_ID1"), 12},
    };
}
