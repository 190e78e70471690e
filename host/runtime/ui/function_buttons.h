#pragma once
// The function-key toolbar at the foot of a window. It owns the window's result table, runs the
// F2 condition panel, and turns keys and buttons into commands: the window's OnClick sees each
// command first and may stop the toolbar's own action by raising the silent abort.
#include "runtime/db/localtable.h"
#include <QIcon>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QShortcut;
class QToolButton;
class MForm;
struct FunctionCommandInfo;

// Command codes, with the key that runs each.
enum FunctionCommand {
    cmdConditions = 2,       // F2: the condition panel
    cmdBuildTable = 3,       // F3: OnMakeTable
    cmdBankParameters = 4,   // F4
    cmdDefine = 5,           // F5: define the grid's columns
    cmdSort = 6,             // F6: sort the table
    cmdExport = 7,           // F9: the custom button
    cmdPreview = 8,          // F8
    cmdPrint = 9,            // Ctrl+F8
    cmdSum = 10,             // F7: sums of the number columns
    cmdClose = 11,           // Esc
    cmdFirst = 12,           // Ctrl+Home
    cmdPrior = 13,           // PgUp
    cmdNext = 14,            // PgDn
    cmdLast = 15             // Ctrl+End
};

class TFunctionButtons : public QWidget {
    Q_OBJECT
public:
    explicit TFunctionButtons(QWidget* parent = nullptr);
    ~TFunctionButtons() override;

    // Five flags "YYYYY": add, edit, delete, print, export. Edit governs F4 and F5, print F8 and
    // Ctrl+F8, export the custom button; any character but Y (or a missing one) forbids.
    QString Rights = QStringLiteral("YYYYY");
    QString GridRights = QStringLiteral("YYYYY");
    int F2LabelsID = 0;                  // caption of the F2 panel: text of the window's group
    QStringList F2LabelToolFunctionID;   // "1.部門選擇,TEdit,Btn_Dep,ED_DEP": label, class, [picker,] name
    QSet<int> VisibleButtons;            // commands with a visible button; empty: all
    bool CanRunF5Define = true;
    bool CanRunF6Sort = true;
    bool CanRunF7Sum = true;
    QStringList ReportType;
    bool NeedRebuild = false;            // the window's conditions changed since the table was built
    bool TableDefined = false;           // the window has defined the table's fields
    QString UserDataText;                // what SaveUserData handed back last
    // The rows the F7 sums count, as a filter ("YG_NAME<>''" leaves out subtotal and total rows);
    // empty: every row.
    QString SumFilter;

    // The result table: database "TOOLBAR", a table name of this toolbar's own.
    db::LocalTable& Table() { return table_; }

    QString RightsText() const { return Rights; }
    void SetRights(const QString& rights);
    bool CommandEnabled(int code) const;

    void SetCustomButton(const QString& caption, const QString& hint, const QIcon& glyph);
    QAbstractButton* Button(int code) const;
    // Applies VisibleButtons and the rights to the buttons (also done when the toolbar is shown).
    void UpdateButtons();

    // What a key or a button does.
    void RunCommand(int code);

    std::function<void(int code)> OnClick;
    std::function<void()> LoadUserData;
    std::function<void(QString& text)> SaveUserData;
    std::function<void(QWidget* control, const QString& name)> F2UserInitValue;
    std::function<void(QWidget* control, const QString& name)> F2UserCheck;
    std::function<void(QWidget* control, const QString& name)> F2ReturnUser;
    std::function<void()> OnMakeTable;
    std::function<void()> OnResize;

    // LoadUserData, once in the toolbar's life (first show or first F2 panel).
    void EnsureUserDataLoaded();

protected:
    // A new language: the captions of the commands in it (the window sets its own button's again).
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Keeps the toolbar's keys from the control that has the focus: an edit would take Ctrl+Home
    // and Ctrl+End for its cursor, while the clerk expects the window's command wherever he is.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void addButton(const FunctionCommandInfo& command);
    static void captionButton(QToolButton& button, const FunctionCommandInfo& command);
    void bindShortcuts();
    void runOwnAction(int code);
    void showConditionPanel();
    void defineColumns();
    void sortTable();
    void showSums();
    void moveTable(int code);
    void showCurrentRecordInGrids();
    bool buttonVisible(int code) const;
    bool isCommandKey(const QKeyEvent& event) const;
    MForm* form() const;
    QWidget* ownerWindow() const;   // the form, or the top-level window without one

    db::LocalTable table_;
    std::map<int, QToolButton*> buttons_;
    QPointer<QWidget> shortcutHost_;
    std::vector<QPointer<QShortcut>> shortcuts_;
    bool customButtonSet_ = false;
    bool userDataLoaded_ = false;
    bool running_ = false;
};
