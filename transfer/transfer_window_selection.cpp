// The transfer window's selection of paid salaries: the two statements on its query, then the
// merge into the toolbar's transfer table with a progress window the clerk can cancel.
#include "transfer/transfer_window.h"

#include "common/date_range.h"
#include "common/grid_titles.h"
#include "common/sql_text.h"
#include "runtime/db/database.h"
#include "runtime/db/mquery.h"
#include "runtime/db/statement_watch.h"
#include "runtime/getdate.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/mdate_edit.h"
#include "runtime/ui/mprogress_form.h"
#include "transfer/media_record.h"
#include "transfer/progress_adapter.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStatusBar>

namespace {

// Shows the hourglass while a selection runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The pay lines `statement` finds whose employee is unknown, one refusal line each (run, employee
// number, amount); the query is left closed.
QStringList PayLinesWithoutEmployee(db::MQuery& query, const QStringList& statement)
{
    query.SQL() = statement;
    query.open();
    const auto text = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    QStringList lines;
    for (; !query.eof(); query.next())
        lines << RefusalLine(text(15921).arg(query.asString(0), query.asString(1)), text(15920), query.asString(2), text(15922));
    query.close();
    return lines;
}

} // namespace

void TransferWindow::PrepareTransferTable()
{
    Layout = TableLayout();
    DefineTransferTable(transferTable(), Layout);
    FunctionButtons1->TableDefined = true;
    MBBDBGrid1->SetTable(&transferTable());
    CenterGridTitles(*MBBDBGrid1);
    FunctionButtons1->NeedRebuild = true;
}

void TransferWindow::FunctionButtons1MakeTable()
{
    // Until a selection ends whole the table is not what the conditions select: a cancelled or
    // failed one leaves it to be built again by the next export, preview or print.
    FunctionButtons1->NeedRebuild = true;
    finishListInPreview();
    try {
        SelectPaidSalary();
    } catch (const DateError&) {
        focusBadDate();
        throw;
    }
    transferTable().first();
    showTableState();
}

// Says in the status bar why a table the clerk built is empty or incomplete; nothing when it holds
// the employees the conditions select.
void TransferWindow::showTableState()
{
    QString state;
    if (FillSkipped)
        state = NotReadyCause();
    else if (FunctionButtons1->NeedRebuild)
        state = LoadFormStr(SelectionGoesOn ? 15942 : 10139);   // a selection stopped part-way is incomplete
    else if (transferTable().isEmpty())
        state = LoadFormStr(15940).arg(B_DD->text(), E_DD->text());
    StatusBar->showMessage(state);
}

// The conditions changed: what the grid (or the status bar) shows is no longer what they select.
// Before the first build there is nothing on screen to mark.
void TransferWindow::markTableStale()
{
    FunctionButtons1->NeedRebuild = true;
    if (!transferTable().isEmpty() || !StatusBar->currentMessage().isEmpty())
        StatusBar->showMessage(LoadFormStr(15942));
}

void TransferWindow::SelectPaidSalary()
{
    NormaliseRanges();
    SelectionGoesOn = true;
    SelectionRefusals.clear();
    FillSkipped = !ReadyToFill();
    if (FillSkipped) {
        FunctionButtons1->NeedRebuild = false;
        return;
    }
    // The two statements and the reading of their rows see one state of the payroll, whatever
    // other clerks add meanwhile.
    const auto abandoned = qScopeGuard([this] { MySql->abandonSnapshot(); });
    // The progress window stands from the first statement on, a moving bar until the rows come:
    // the statements may run for seconds, and the clerk can stop them there as well.
    Progress->Show();
    Progress->SetMaxValue(0);
    Progress->SetText(LoadFormStr(10097));
    MySql->watchStatements([this] {
        Progress->ProcessMessages();
        return !Progress->Cancelled();
    });
    const auto unwatched = qScopeGuard([this] {
        MySql->watchStatements(nullptr);
        Progress->Hide();
    });
    bool filled = false;
    try {
        BuildTempTable();
        filled = FillTransferTable();
    } catch (const db::StatementCancelled&) {
        TakeResult(TransferTableBuilder(Layout, Conditions.SortMode).FillCancelled(transferTable()));
    }
    if (!filled) {
        SelectionGoesOn = false;
        return;
    }
    MySql->endSnapshot();
    FunctionButtons1->NeedRebuild = false;
    SelectionGoesOn = SelectionAccepted();
}

void TransferWindow::NormaliseRanges()
{
    // Dates typed as digits take their form before the selection: formed later (when a dialog
    // takes the focus from the edit) they would mark the table just built as stale.
    for (MDateEdit* edit : {B_DD, E_DD, ZZ_DD})
        edit->Normalise();
    if (!BYg_No->text().isEmpty() && !EYg_No->text().isEmpty() && BYg_No->text() > EYg_No->text()) {
        const QString first = BYg_No->text();
        BYg_No->setText(EYg_No->text());
        EYg_No->setText(first);
    }
    DefaultMonthRange(*B_DD, *E_DD);
}

void TransferWindow::BuildTempTable()
{
    WaitCursor wait;
    const db::DateFormat format = db::Session::Default()->database(db::CompanyDatabaseName).dateFormat();
    const QString payDates = LoadFormStr(10001);

    SelectionConditions selection;
    selection.depMode = Conditions.DepMode;
    selection.depList = Conditions.DepList;
    selection.sortMode = Conditions.SortMode;
    selection.accountChoice = Conditions.AccountChoice;
    selection.useAccountTitle = Conditions.UseAccountTitle;
    selection.salaryKinds = Conditions.SalaryKinds;
    selection.accountPrefix = SelBnk_No->text();
    selection.employeeFrom = BYg_No->text();
    selection.employeeTo = EYg_No->text();
    if (!B_DD->IsEmpty())
        selection.payDateFrom = SqlDateText(B_DD->date(payDates), format);
    if (!E_DD->IsEmpty())
        selection.payDateTo = SqlDateText(E_DD->date(payDates), format);
    const SelectionStatements statements =
        BuildSelectionStatements(selection, RegularSalaryLabel(), OrderClause(Conditions.SortMode));

    try {
        RunSql(*MySql, DropTempTableStatement);
    } catch (const db::DatabaseError&) {
        // The temporary table does not exist before the first selection on this connection.
    }
    MySql->close();
    MySql->beginSnapshot();
    SelectionRefusals = PayLinesWithoutEmployee(*MySql, statements.orphans);
    MySql->SQL() = statements.fill;
    MySql->execSQL();
    MySql->close();
    MySql->SQL() = statements.read;
    MySql->open();
}

bool TransferWindow::FillTransferTable()
{
    TransferTableBuilder builder(Layout, Conditions.SortMode);
    builder.setRowCompletion([this](db::LocalTable& row) { CompleteEmployeeRow(row); });
    builder.setLineObserver([this](const db::MQuery& line, bool newRow) { LineSelected(line, newRow); });
    ProgressWindowAdapter progress(*Progress);
    return TakeResult(builder.Fill(*MySql, transferTable(), progress));
}

// Keeps what a fill of the table found; false when the clerk cancelled it.
bool TransferWindow::TakeResult(const TransferTableResult& result)
{
    TransferCount = result.transferCount;
    TransferTotal = result.transferTotal;
    SourceLines = result.sourceLines;
    SelectionRefusals << result.refusals;
    TableFilled(result);
    return !result.cancelled;
}
