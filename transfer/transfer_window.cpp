// The transfer window every bank opens: its components, its form events and the toolbar commands
// that lead to the companions.
#include "transfer/transfer_window.h"

#include "runtime/db/export_log.h"

#include "common/code_lists.h"
#include "common/date_range.h"
#include "runtime/clock.h"
#include "runtime/db/database.h"
#include "runtime/getdate.h"
#include "runtime/language.h"
#include "runtime/report/printers.h"
#include "runtime/ui/mdate_edit.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/mprogress_form.h"
#include "runtime/ui/mquery_window.h"
#include "runtime/ui/silent_abort.h"
#include "transfer/export_dialog.h"
#include "transfer/transfer_list_report.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int MessageCustomButton = 1025;
constexpr int MessageRestoreRights = 1312;

// The conditions of the F2 panel: label, control class, picker button, control name.
const QStringList F2Conditions = {
    QStringLiteral("1.部門選擇,TEdit,Btn_Dep,ED_DEP"),
    QStringLiteral("2.部門所屬方式,TCombobox,COM_DEP"),
    QStringLiteral("3.薪資類別,TEdit,Btn_Sz,ED_SZ"),
    QStringLiteral("4.報表排序,TCombobox,COM_SORT"),
    QStringLiteral("5.帳號選擇,TCombobox,COM_BACC"),
    QStringLiteral("6.帳戶名稱使用戶名,TCheckBox,CHK_TIT"),
};

} // namespace

TransferWindow::TransferWindow(QWidget* owner, int bank, BankWindowTexts texts, ExportHandOver handOver)
    : MForm(owner)
    , Bank(bank)
    , HandOver(handOver)
    , Texts(texts)
{
    MFormProperty1.FormCaptionID = 10000;
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    MFormProperty1.FormName = QStringLiteral("YDF");
    setObjectName(QStringLiteral("TWagbk%1Form").arg(bank));
    buildComponents();
    retranslate();
}

// The window's texts that have ids, in the clerk's language: its caption, the condition labels, the
// format description's hint, the grid's headings and the export button.
void TransferWindow::retranslate()
{
    setWindowTitle(LoadFormStr(Texts.caption));
    for (const auto& [label, textId] : ConditionLabels)
        label->setText(LoadFormStr(textId));
    Rem->setText(LoadFormStr(10005));
    Rem->setToolTip(LoadFormStr(Texts.remHint));
}

void TransferWindow::changeEvent(QEvent* event)
{
    MForm::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate();
    for (const TransferColumn& column : TableLayout().columns)
        if (transferTable().hasField(column.field.name))
            transferTable().fieldDef(column.field.name).displayLabel = column.field.displayLabel;
    MBBDBGrid1->Refresh();
    restoreCustomButton();
    showTableState();
}

void TransferWindow::buildComponents()
{
    auto* grid = ConditionGrid = new QGridLayout;
    auto addRow = [&](int row, int textId, QWidget* a, QWidget* b = nullptr) {
        auto* label = new QLabel(this);
        label->setBuddy(a);
        ConditionLabels.push_back({label, textId});
        grid->addWidget(label, row, 0);
        grid->addWidget(a, row, 1);
        if (b)
            grid->addWidget(b, row, 2);
    };
    auto dateEdit = [&](const char* name) {
        auto* edit = new MDateEdit(this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    auto lineEdit = [&](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    B_DD = dateEdit("B_DD");
    E_DD = dateEdit("E_DD");
    BYg_No = lineEdit("BYg_No");
    EYg_No = lineEdit("EYg_No");
    ZZ_DD = dateEdit("ZZ_DD");
    SelBnk_No = lineEdit("SelBnk_No");
    addRow(0, 10001, B_DD, E_DD);
    addRow(1, 10002, BYg_No, EYg_No);
    addRow(2, 10003, ZZ_DD);
    addRow(3, 10004, SelBnk_No);

    Rem = new QToolButton(this);
    Rem->setObjectName(QStringLiteral("Rem"));
    grid->addWidget(Rem, 2, 2);
    connect(Rem, &QToolButton::clicked, this, [this] { RunGuarded([this] { RemClick(); }); });

    MyGlyph = new QToolButton(this);
    MyGlyph->setObjectName(QStringLiteral("MyGlyph"));
    MyGlyph->setFixedSize(10, 10);
    MyGlyph->hide();

    Btn_Dep = new QPushButton(this);
    Btn_Dep->setObjectName(QStringLiteral("Btn_Dep"));
    Btn_Dep->hide();
    connect(Btn_Dep, &QPushButton::clicked, this, [this] { RunGuarded([this] { Btn_DepClick(); }); });
    Btn_Sz = new QPushButton(this);
    Btn_Sz->setObjectName(QStringLiteral("Btn_Sz"));
    Btn_Sz->hide();
    connect(Btn_Sz, &QPushButton::clicked, this, [this] { RunGuarded([this] { Btn_SzClick(); }); });

    for (QLineEdit* edit : {static_cast<QLineEdit*>(B_DD), static_cast<QLineEdit*>(E_DD), BYg_No, EYg_No, SelBnk_No})
        connect(edit, &QLineEdit::textChanged, this, [this] { B_DDChange(); });

    QMf_Yg = new MQueryWindow(this);
    QMf_Yg->setObjectName(QStringLiteral("QMf_Yg"));
    QMf_Yg->DatabaseName = db::CompanyDatabaseName;
    QMf_Yg->TableName = QStringLiteral("MF_YG");
    QMf_Yg->ResultFldName = QStringLiteral("YG_NO");
    QMf_Yg->DetailFldName = QStringLiteral("NAME");
    QMf_Yg->Caption = LoadFormStr(10094);
    QMf_Yg->DetailCaption = LoadFormStr(10096);
    QMf_Yg->SearchField = LoadFormStr(10095);
    QMf_Yg->MultiSelect = true;
    QMf_Yg->Attach(BYg_No);
    QMf_Yg->Attach(EYg_No);

    MBBDBGrid1 = new MBBDBGrid(this);
    MBBDBGrid1->setObjectName(QStringLiteral("MBBDBGrid1"));
    MBBDBGrid1->setStyleSheet(QStringLiteral("QTableView { background: #FFFFE1; font-family: 'Times New Roman'; font-size: 12px; }"
                                             "QHeaderView::section { background: #A6CAF0; }"));

    FunctionButtons1 = new TFunctionButtons(this);
    FunctionButtons1->setObjectName(QStringLiteral("FunctionButtons1"));
    FunctionButtons1->Rights = QStringLiteral("YYYYY");
    FunctionButtons1->GridRights = QStringLiteral("YYYYY");
    FunctionButtons1->F2LabelsID = 10010;
    FunctionButtons1->F2LabelToolFunctionID = F2Conditions;
    // The bank parameters (F4) have no button of their own: the F4 key reaches them.
    FunctionButtons1->VisibleButtons = {cmdConditions, cmdBuildTable, cmdDefine, cmdSort, cmdSum, cmdPreview,
                                        cmdClose, cmdPrior, cmdNext, cmdFirst, cmdLast};
    FunctionButtons1->CanRunF5Define = FunctionButtons1->CanRunF6Sort = FunctionButtons1->CanRunF7Sum = true;
    FunctionButtons1->ReportType = {QStringLiteral("1")};
    FunctionButtons1->SumFilter = EmployeeRowsFilter();
    FunctionButtons1->LoadUserData = [this] { FunctionButtons1LoadUserData(); };
    FunctionButtons1->SaveUserData = [this](QString& text) { FunctionButtons1SaveUserData(text); };
    FunctionButtons1->F2UserInitValue = [this](QWidget* c, const QString& n) { FunctionButtons1F2UserInitValue(c, n); };
    FunctionButtons1->F2UserCheck = [this](QWidget* c, const QString& n) { FunctionButtons1F2UserCheck(c, n); };
    FunctionButtons1->F2ReturnUser = [this](QWidget* c, const QString& n) { FunctionButtons1F2ReturnUser(c, n); };
    FunctionButtons1->OnMakeTable = [this] { FunctionButtons1MakeTable(); };
    FunctionButtons1->OnClick = [this](int code) { FunctionButtons1Click(code); };
    FunctionButtons1->OnResize = [this] { FunctionButtons1Resize(); };

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MBBDBGrid1, 1);
    layout->addWidget(FunctionButtons1);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    layout->addWidget(StatusBar);

    MySql = std::make_unique<db::MQuery>(db::CompanyDatabaseName);
    Dept = std::make_unique<db::MSQLTable>(db::CompanyDatabaseName, QStringLiteral("DEPT"), QStringLiteral("DEP"));
    Dept->setSelectFields(QStringLiteral("DEP,NAME"));
}

void TransferWindow::AddCondition(QWidget* control)
{
    ConditionGrid->addWidget(control, 3, 2);
}

db::LocalTable& TransferWindow::transferTable()
{
    return FunctionButtons1->Table();
}

TransferTableLayout TransferWindow::TableLayout() const
{
    return TransferTableLayout::Standard();
}

QString TransferWindow::OrderClause(int sortMode) const
{
    return DefaultOrderClause(sortMode);
}

void TransferWindow::FormCreate()
{
    Conditions.SalaryKinds = RegularSalaryLabel();
    FillKindLists(Conditions.SalaryKinds);
    Progress = new MProgressForm(this);
    Progress->SetCaption(LoadFormStr(10100));
}

void TransferWindow::FormShow()
{
    ZZ_DD->setText(R_ChinaToTWData(Today()));
    DefaultMonthRange(*B_DD, *E_DD);
    PrepareTransferTable();
    FunctionButtons1->NeedRebuild = true;
    PostMessage(MessageCustomButton, [this] { restoreCustomButton(); });
}

void TransferWindow::FormDestroy()
{
    DeptAvailable.clear();
    DeptChosen.clear();
    KindAvailable.clear();
    KindChosen.clear();
}

void TransferWindow::restoreCustomButton()
{
    FunctionButtons1->SetCustomButton(LoadFormStr(10092), LoadFormStr(10093), MyGlyph->icon());
}

void TransferWindow::FunctionButtons1Resize()
{
    PostMessage(MessageCustomButton, [this] { restoreCustomButton(); });
}

void TransferWindow::B_DDChange()
{
    markTableStale();
}

void TransferWindow::RemClick()
{
    ReleasedForm<MForm>(CreateFormatDescription())->ShowModal();
}

QDate TransferWindow::transferDate()
{
    if (ZZ_DD->IsEmpty())
        ZZ_DD->setText(R_ChinaToTWData(Today()));
    try {
        return ZZ_DD->date(LoadFormStr(10003));
    } catch (const DateError&) {
        focusBadDate();
        throw;
    }
}

// The focus goes to the first date field that holds no date, for the clerk to correct what the
// error names.
void TransferWindow::focusBadDate()
{
    for (MDateEdit* edit : {B_DD, E_DD, ZZ_DD}) {
        try {
            edit->date(QString());
        } catch (const DateError&) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
            return;
        }
    }
}

ExportValues TransferWindow::ValuesForExport() const
{
    ExportValues values;
    if (HandOver != ExportHandOver::TransferDateOnly)
        values.transferTotal = TransferTotal;
    if (HandOver == ExportHandOver::TransferDateTotalAndCount)
        values.transferCount = TransferCount;
    return values;
}

void TransferWindow::FunctionButtons1Click(int code)
{
    SavedRights = FunctionButtons1->RightsText();
    LastCommand = code;
    if (code != cmdBankParameters && code != cmdExport && code != cmdPreview && code != cmdPrint)
        return;
    if ((code == cmdPreview || code == cmdPrint) && !report::HasPrinter()) {
        MessageById(QStringLiteral("F2FORM"), 19000, MsgType::Confirmation, mbOK);
        return;
    }
    // The rights come back after the command, whether its dialog succeeded or raised.
    struct RightsRestorer {
        TransferWindow* window;
        ~RightsRestorer()
        {
            window->PostMessage(MessageRestoreRights, [w = window] { w->FunctionButtons1->SetRights(w->SavedRights); });
        }
    } restorer{this};

    switch (code) {
    case cmdBankParameters:
        ReleasedForm<MForm>(CreateParameterDialog())->ShowModal();
        break;
    case cmdExport:
        runExport();
        break;
    default:
        runTransferList(code == cmdPrint);
        break;
    }
    Abort();
}

// Rebuilds a stale transfer table before an export or a print; false when the command ends there.
bool TransferWindow::rebuildIfStale()
{
    if (!FunctionButtons1->NeedRebuild)
        return true;
    FunctionButtons1MakeTable();
    return SelectionGoesOn;
}

void TransferWindow::runExport()
{
    const QDate date = transferDate();
    if (!rebuildIfStale() || !ChooseExport())
        return;
    ReleasedForm<ExportDialog> dialog(CreateExportDialog());
    ExportValues values = ValuesForExport();
    values.transferDate = date;
    values.refusals = SelectionRefusals;
    // The conditions the table was built under, in words, for the export log.
    values.further.insert(LoggedConditionsName,
                          QStringLiteral("pay %1-%2; employees %3-%4; departments %5 (mode %6); kinds %7; sort %8; account %9; prefix %10; date %11")
                              .arg(B_DD->text(), E_DD->text(), BYg_No->text(), EYg_No->text(), Conditions.DepList)
                              .arg(Conditions.DepMode)
                              .arg(Conditions.SalaryKinds)
                              .arg(Conditions.SortMode)
                              .arg(Conditions.AccountChoice)
                              .arg(SelBnk_No->text(), ZZ_DD->text()));
    dialog->Bind(transferTable(), values, emptyTableCause());
    dialog->OpenParameters = [this] { ReleasedForm<MForm>(CreateParameterDialog())->ShowModal(); };
    dialog->ShowNoteInWindow = [this](const QString& note) { StatusBar->showMessage(note); };
    dialog->ShowModal();
}

// What made the table empty when the bank was not ready to fill it; empty otherwise.
QString TransferWindow::emptyTableCause() const
{
    return FillSkipped ? NotReadyCause() : QString();
}

QVariantMap TransferWindow::ReadMediaFileBack(const QString& path, QObject* lines)
{
    try {
        if (!ChooseExport())
            return {};
        ReleasedForm<ExportDialog> dialog(CreateExportDialog());
        if (auto* sink = qobject_cast<ReadLineSink*>(lines))
            return ReadingAsVariant(dialog->ReadBack(path, *sink));
        return ReadingAsVariant(dialog->ReadBack(path));
    } catch (const std::exception& e) {
        return {{QStringLiteral("error"), QString::fromUtf8(e.what())}};
    }
}

void TransferWindow::runTransferList(bool direct)
{
    PrintDirect = direct;
    if (!rebuildIfStale())
        return;
    if (transferTable().isEmpty()) {
        const QString cause = emptyTableCause();
        if (cause.isEmpty())
            MessageById(QStringLiteral("WAGBK"), 10083, MsgType::Information, mbOK);
        else
            MessageDlg(cause, MsgType::Information, mbOK);
        return;
    }
    TransferListRun run;
    run.transferDate = transferDate();
    run.printDirect = PrintDirect;
    QStringList kinds;
    SplitUniqueList(Conditions.SalaryKinds, kinds);
    kinds.removeAll(NoValueCode);
    run.salaryKinds = kinds.join(u',');
    PrintTransferList(run);
}

// A preview still laying out its pages reads the tables as it goes: its pages are laid out before
// the tables are selected or laid out again, so that it never mixes two selections.
void TransferWindow::finishListInPreview()
{
    if (listInPreview_)
        listInPreview_->QuickRep1.finishLayout();
}

void TransferWindow::PrintTransferList(const TransferListRun& run)
{
    finishListInPreview();
    ReleasedForm<TransferListReport> report(CreateTransferList());
    report->Run(ListTable(), run);
    listInPreview_ = report.release();
    listInPreview_->ReleaseAfterPreview();
}
