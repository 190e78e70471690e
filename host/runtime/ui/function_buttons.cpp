#include "runtime/ui/function_buttons.h"

#include "runtime/ui/define_columns_dialog.h"
#include "runtime/ui/display_format.h"
#include "runtime/ui/f2_panel.h"
#include "runtime/ui/flow_layout.h"
#include "runtime/ui/function_commands.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/sort_dialog.h"
#include "runtime/ui/ui_texts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>

namespace {

QString NextTableName()
{
    static int tables = 0;
    return QStringLiteral("FB%1").arg(++tables);
}

// The position in the rights text that governs a command, or -1 when none does.
int RightIndexOf(int code)
{
    switch (code) {
    case cmdBankParameters:
    case cmdDefine: return 1;   // edit
    case cmdPreview:
    case cmdPrint: return 3;    // print
    case cmdExport: return 4;   // export
    default: return -1;
    }
}

QString KeyText(int code)
{
    return FindFunctionCommand(code)->key.toString(QKeySequence::NativeText);
}

// Shows a dialog modally, hands it to `onOk` when the clerk confirmed, and frees it in every case.
template <class Dialog, class OnOk>
void RunDialog(Dialog* created, OnOk onOk)
{
    ReleasedForm<Dialog> dialog(created);
    if (dialog->ShowModal() == mrOk)
        onOk(*dialog);
}

} // namespace

TFunctionButtons::TFunctionButtons(QWidget* parent)
    : QWidget(parent), table_(QStringLiteral("TOOLBAR"), NextTableName())
{
    // The buttons keep the width of their captions; a narrow window puts them on further rows.
    auto* layout = new FlowLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (const FunctionCommandInfo& command : FunctionCommands())
        addButton(command);
    UpdateButtons();
    bindShortcuts();
    qApp->installEventFilter(this);
}

TFunctionButtons::~TFunctionButtons()
{
    for (const QPointer<QShortcut>& shortcut : shortcuts_)
        delete shortcut.data();
}

void TFunctionButtons::addButton(const FunctionCommandInfo& command)
{
    const int code = command.code;
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("FunctionButton%1").arg(code));
    captionButton(*button, command);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, this, [this, code] { RunCommand(code); });
    layout()->addWidget(button);
    buttons_[code] = button;
}

void TFunctionButtons::captionButton(QToolButton& button, const FunctionCommandInfo& command)
{
    const QString key = KeyText(command.code);
    button.setText(key + u' ' + command.caption());
    button.setToolTip(command.caption() + QStringLiteral(" (") + key + u')');
}

void TFunctionButtons::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    for (const FunctionCommandInfo& command : FunctionCommands())
        if (command.code != cmdExport || !customButtonSet_)
            if (QToolButton* button = buttons_.at(command.code))
                captionButton(*button, command);
    updateGeometry();
}

void TFunctionButtons::bindShortcuts()
{
    QWidget* host = ownerWindow();
    if (host == shortcutHost_)
        return;
    for (const QPointer<QShortcut>& shortcut : shortcuts_)
        delete shortcut.data();
    shortcuts_.clear();
    shortcutHost_ = host;
    for (const FunctionCommandInfo& command : FunctionCommands()) {
        auto* shortcut = new QShortcut(command.key, host);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const int code = command.code;
        connect(shortcut, &QShortcut::activated, this, [this, code] { RunCommand(code); });
        shortcuts_.push_back(shortcut);
    }
}

bool TFunctionButtons::isCommandKey(const QKeyEvent& event) const
{
    const QKeySequence pressed(event.keyCombination());
    for (const FunctionCommandInfo& command : FunctionCommands())
        if (command.key == pressed)
            return CommandEnabled(command.code);
    return false;
}

bool TFunctionButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() && shortcutHost_) {
        auto* widget = static_cast<QWidget*>(watched);
        if ((widget == shortcutHost_ || shortcutHost_->isAncestorOf(widget)) && isCommandKey(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

MForm* TFunctionButtons::form() const
{
    return FormOf(parentWidget());
}

QWidget* TFunctionButtons::ownerWindow() const
{
    if (MForm* owner = form())
        return owner;
    return window();
}

void TFunctionButtons::SetRights(const QString& rights)
{
    Rights = rights;
    UpdateButtons();
}

bool TFunctionButtons::CommandEnabled(int code) const
{
    if (!FindFunctionCommand(code))
        return false;
    if ((code == cmdDefine && !CanRunF5Define) || (code == cmdSort && !CanRunF6Sort) || (code == cmdSum && !CanRunF7Sum))
        return false;
    const int right = RightIndexOf(code);
    return right < 0 || (right < Rights.size() && Rights.at(right).toUpper() == u'Y');
}

bool TFunctionButtons::buttonVisible(int code) const
{
    if (code == cmdExport)
        return customButtonSet_;
    if (VisibleButtons.isEmpty())
        return true;
    return VisibleButtons.contains(code) || (code == cmdPrint && VisibleButtons.contains(cmdPreview));
}

void TFunctionButtons::UpdateButtons()
{
    for (const auto& [code, button] : buttons_) {
        button->setVisible(buttonVisible(code));
        button->setEnabled(CommandEnabled(code));
    }
}

void TFunctionButtons::SetCustomButton(const QString& caption, const QString& hint, const QIcon& glyph)
{
    QToolButton* button = buttons_.at(cmdExport);
    const QString key = KeyText(cmdExport);
    button->setText(key + u' ' + caption);
    // A hint that names its key already ("轉出薪資媒體檔 (F9)") stands as it is.
    button->setToolTip(hint.contains(key) ? hint : hint + QStringLiteral(" (") + key + u')');
    button->setIcon(glyph);
    customButtonSet_ = true;
    UpdateButtons();
}

QAbstractButton* TFunctionButtons::Button(int code) const
{
    const auto found = buttons_.find(code);
    return found == buttons_.end() ? nullptr : found->second;
}

void TFunctionButtons::EnsureUserDataLoaded()
{
    if (userDataLoaded_)
        return;
    if (LoadUserData)
        LoadUserData();
    userDataLoaded_ = true;
}

void TFunctionButtons::RunCommand(int code)
{
    if (running_ || !CommandEnabled(code))
        return;
    QPointer<TFunctionButtons> self(this);
    running_ = true;
    bool ownActionWanted = false;
    RunGuarded([&] {
        if (OnClick)
            OnClick(code);
        ownActionWanted = true;
    });
    if (ownActionWanted && self)
        RunGuarded([&] { runOwnAction(code); });
    if (self) {
        running_ = false;
        UpdateButtons();
    }
}

void TFunctionButtons::runOwnAction(int code)
{
    switch (code) {
    case cmdConditions: showConditionPanel(); break;
    case cmdBuildTable:
        if (OnMakeTable)
            OnMakeTable();
        showCurrentRecordInGrids();
        break;
    case cmdDefine: defineColumns(); break;
    case cmdSort: sortTable(); break;
    case cmdSum: showSums(); break;
    case cmdClose:
        if (MForm* owner = form())
            owner->Close();
        else
            ownerWindow()->close();
        break;
    case cmdFirst:
    case cmdPrior:
    case cmdNext:
    case cmdLast: moveTable(code); break;
    default: break;   // bank parameters, export, preview and print are the window's own
    }
}

void TFunctionButtons::showConditionPanel()
{
    EnsureUserDataLoaded();
    auto* panel = new F2Panel(form(), *this);
    panel->setWindowTitle(F2LabelsID != 0 && form() ? form()->LoadFormStr(F2LabelsID) : UiText::ConditionsCaption());
    RunDialog(panel, [](F2Panel&) {});
}

void TFunctionButtons::defineColumns()
{
    RunDialog(new DefineColumnsDialog(form(), table_), [this](DefineColumnsDialog& dialog) {
        dialog.Apply();
        showCurrentRecordInGrids();
    });
}

void TFunctionButtons::sortTable()
{
    QStringList fields;
    RunDialog(new SortDialog(form(), table_.fields()), [&fields](SortDialog& dialog) { fields = dialog.ChosenFields(); });
    if (fields.isEmpty() || !table_.active())
        return;
    table_.sortBy(fields);
    table_.first();
    showCurrentRecordInGrids();
}

void TFunctionButtons::showSums()
{
    QStringList lines;
    db::LocalTable counted(table_.databaseName(), table_.tableName());
    counted.setFilter(SumFilter);
    counted.setFiltered(!SumFilter.isEmpty());
    for (const db::FieldDef& field : table_.fields())
        if (field.type != db::FieldDef::Type::Text && field.visible) {
            const QString label = field.displayLabel.isEmpty() ? field.name : field.displayLabel;
            const QString format = field.displayFormat.isEmpty() ? QStringLiteral("#,##0.00") : field.displayFormat;
            lines << label + QStringLiteral("：") + FormatNumber(table_.active() ? counted.sum(field.name) : 0.0, format);
        }
    if (lines.isEmpty())
        MessageDlg(UiText::NothingToSum(), MsgType::Information, mbOK);
    else
        MessageDlg(UiText::SumCaption() + u'\n' + lines.join(u'\n'), MsgType::Information, mbOK);
}

void TFunctionButtons::moveTable(int code)
{
    if (!table_.active())
        return;
    switch (code) {
    case cmdFirst: table_.first(); break;
    case cmdPrior: table_.prior(); break;
    case cmdNext: table_.next(); break;
    case cmdLast: table_.last(); break;
    default: break;
    }
    showCurrentRecordInGrids();
}

void TFunctionButtons::showCurrentRecordInGrids()
{
    for (MBBDBGrid* grid : ownerWindow()->findChildren<MBBDBGrid*>())
        if (grid->Table() && grid->Table()->data() == table_.data())
            grid->ShowCurrentRecord();
}

void TFunctionButtons::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    bindShortcuts();
    UpdateButtons();
    RunGuarded([this] { EnsureUserDataLoaded(); });
}

void TFunctionButtons::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (OnResize)
        RunGuarded(OnResize);
}
