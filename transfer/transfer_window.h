#pragma once
// The transfer window every bank opens: the clerk's conditions, the transfer table in a grid, the
// function-key toolbar, and the companions (bank parameters, export, transfer list, format
// description). A bank's window class derives from it and changes only what its bank does otherwise.
#include "runtime/db/mquery.h"
#include "runtime/db/msqltable.h"
#include "runtime/ui/mform.h"
#include "transfer/media_field.h"
#include "transfer/media_file_reader.h"
#include "transfer/saved_conditions.h"
#include "transfer/selection_statements.h"
#include "transfer/transfer_table.h"
#include "transfer/transfer_table_builder.h"

#include <QPointer>
#include <QStringList>
#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class MBBDBGrid;
class MDateEdit;
class MProgressForm;
class MQueryWindow;
class TFunctionButtons;
class ExportDialog;
class TransferListReport;
struct TransferListRun;

// What the window hands the export dialog besides the transfer date.
enum class ExportHandOver {
    TransferDateTotalAndCount,   // the total and the count of the employee rows as well
    TransferDateAndTotal,        // the total of the employee rows, but no count
    TransferDateOnly,            // banks whose records carry no total and no count
};

// The bank's own texts on its transfer window, as text ids of the group "WAGBK", shown in the clerk's
// language: the window's caption (the bank's name; banks 1 and 2 carry text 10000, "銀行薪資轉存作業")
// and the hint of the format description button Rem.
struct BankWindowTexts {
    int caption = 0;
    int remHint = 0;
};

class ReportForm;

class TransferWindow : public MForm {
    Q_OBJECT
    Q_PROPERTY(int TransferCount READ transferCount)
    Q_PROPERTY(double TransferTotal READ transferTotal)
    Q_PROPERTY(int SourceLines READ sourceLines)

public:
    int transferCount() const { return TransferCount; }
    double transferTotal() const { return TransferTotal; }
    int sourceLines() const { return SourceLines; }
    const TransferConditions& conditions() const { return Conditions; }
    db::LocalTable& transferTable();
    // The table the transfer list prints: the transfer table, or one the bank lays out anew from it.
    virtual db::LocalTable& ListTable() { return transferTable(); }
    // Reads a media file back by the layout of this bank's export, with its bank parameters: the
    // reading as ReadingAsVariant gives it, or "error" with the message when the file cannot be read.
    // With `lines` (a ReadLineSink) each line goes there as it is read, and none is kept: a file
    // of any size. A bank that asks which file to write before an export asks here which file it
    // is; nothing (an empty map) when the clerk chooses none.
    Q_INVOKABLE QVariantMap ReadMediaFileBack(const QString& path, QObject* lines = nullptr);

    // Event handlers, as the form wires them.
    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    // A new language: the window's texts, the grid's headings and the status in it.
    void changeEvent(QEvent* event) override;
    void FunctionButtons1LoadUserData();
    void FunctionButtons1SaveUserData(QString& text);
    void FunctionButtons1F2UserInitValue(QWidget* control, const QString& name);
    void FunctionButtons1F2UserCheck(QWidget* control, const QString& name);
    void FunctionButtons1F2ReturnUser(QWidget* control, const QString& name);
    void FunctionButtons1MakeTable();
    void FunctionButtons1Click(int code);
    void FunctionButtons1Resize();
    void Btn_DepClick();
    void Btn_SzClick();
    void B_DDChange();
    void RemClick();

protected:
    TransferWindow(QWidget* owner, int bank, BankWindowTexts texts,
                   ExportHandOver handOver = ExportHandOver::TransferDateTotalAndCount);

    // What a bank changes. The defaults are the reference bank's.
    virtual TransferTableLayout TableLayout() const;
    virtual QString OrderClause(int sortMode) const;
    // Runs before every selection. False keeps the transfer table as it is instead of selecting (a
    // bank that lacks a parameter); a bank that gathers something while filling starts it afresh here.
    virtual bool ReadyToFill() { return true; }
    // Why the table was not filled when ReadyToFill said no: the export and the list name it instead
    // of saying that there is no data. Empty: they say that there is no data.
    virtual QString NotReadyCause() const { return {}; }
    // Computed columns of an employee row, after its amount has grown.
    virtual void CompleteEmployeeRow(db::LocalTable& row) { Q_UNUSED(row); }
    // Every selected pay line as it enters the transfer table; `newRow` when it starts an employee row.
    virtual void LineSelected(const db::MQuery& line, bool newRow) { Q_UNUSED(line); Q_UNUSED(newRow); }
    // After a selection: false when the clerk stopped there, so that the export or print that
    // rebuilt the table does not go on.
    virtual bool SelectionAccepted() { return true; }
    // Before the export dialog: false ends the export (a bank that asks which file to write).
    virtual bool ChooseExport() { return true; }
    // The printout of commands 8 and 9: the transfer list, or what the bank prints instead.
    virtual void PrintTransferList(const TransferListRun& run);
    // Values handed to the export dialog: transfer date, and total and count unless the bank hands
    // the transfer date only.
    virtual ExportValues ValuesForExport() const;
    // After every fill of the transfer table.
    virtual void TableFilled(const TransferTableResult& result) { Q_UNUSED(result); }

    virtual MForm* CreateParameterDialog() = 0;
    virtual ExportDialog* CreateExportDialog() = 0;
    virtual TransferListReport* CreateTransferList() = 0;
    virtual MForm* CreateFormatDescription() = 0;

    int bank() const { return Bank; }
    QDate transferDate();          // ZZ_DD as a date, today filled in when empty
    // Places a control of the bank's own beside the account prefix.
    void AddCondition(QWidget* control);
    // The code of the last toolbar command that reached the window (0 before the first).
    int lastCommand() const { return LastCommand; }

private:
    void buildComponents();
    void retranslate();
    void SelectPaidSalary();
    void NormaliseRanges();
    void BuildTempTable();
    bool FillTransferTable();   // false when the clerk cancelled it
    bool TakeResult(const TransferTableResult& result);
    void PrepareTransferTable();
    void FillKindLists(const QString& selection);
    bool rebuildIfStale();
    void runExport();
    void runTransferList(bool direct);
    void restoreCustomButton();
    QString emptyTableCause() const;
    void showTableState();
    void markTableStale();
    void focusBadDate();
    void finishListInPreview();

    int Bank;
    ExportHandOver HandOver;
    BankWindowTexts Texts;
    // The condition labels with their text ids.
    std::vector<std::pair<QLabel*, int>> ConditionLabels;
    TransferConditions Conditions;
    QString SavedRights;
    int LastCommand = 0;
    bool SelectionGoesOn = true;
    bool PrintDirect = false;
    QStringList DeptAvailable, DeptChosen, KindAvailable, KindChosen;
    int TransferCount = 0;
    double TransferTotal = 0;
    int SourceLines = 0;
    bool FillSkipped = false;   // the last selection found the bank not ready to fill
    // What the last selection found that no export may carry (ExportValues::refusals).
    QStringList SelectionRefusals;
    TransferTableLayout Layout;

    QGridLayout* ConditionGrid = nullptr;
    TFunctionButtons* FunctionButtons1 = nullptr;
    MDateEdit* B_DD = nullptr;
    MDateEdit* E_DD = nullptr;
    MDateEdit* ZZ_DD = nullptr;
    QLineEdit* BYg_No = nullptr;
    QLineEdit* EYg_No = nullptr;
    QLineEdit* SelBnk_No = nullptr;
    QToolButton* Rem = nullptr;
    QToolButton* MyGlyph = nullptr;
    MBBDBGrid* MBBDBGrid1 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QPushButton* Btn_Dep = nullptr;
    QPushButton* Btn_Sz = nullptr;
    MQueryWindow* QMf_Yg = nullptr;
    MProgressForm* Progress = nullptr;
    std::unique_ptr<db::MQuery> MySql;
    std::unique_ptr<db::MSQLTable> Dept;

    // The F2 panel's controls while it is open.
    QPointer<QLineEdit> depEdit_, kindEdit_;
    QPointer<QComboBox> depModeCombo_;
    // The last list whose preview may still be laying out its pages from the tables.
    QPointer<ReportForm> listInPreview_;
};
