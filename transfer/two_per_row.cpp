#include "transfer/two_per_row.h"

#include "common/temp_names.h"
#include "transfer/employee_slots.h"

TransferTableLayout TwoPerRowLayout()
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), 20, 12040, 12), QStringLiteral("BACC_NO"),
         [](const QString& account) { return account.left(12); }},
        {TextColumn(NameColumnName, 30, 12041, 14), QStringLiteral("YG_NAME")},
        {AmountColumn(12042, 14), QString()},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12043, 10, false), QStringLiteral("ID_NO")},
    };
    layout.slotsPerRow = 2;
    return layout;
}

TwoPerRowWindow::TwoPerRowWindow(QWidget* owner, int bank, BankWindowTexts texts, ExportHandOver handOver,
                                 const QString& listTablePrefix)
    : TransferWindow(owner, bank, texts, handOver)
    , listTablePrefix_(listTablePrefix)
{
}

// Ordered by employee the transfer table already pairs every employee with the next; ordered by
// department the rows break at each department. Laying the employees out anew gives the list its
// pairs without breaks either way, and leaves out the subtotal and total rows.
db::LocalTable& TwoPerRowWindow::ListTable()
{
    if (TempTbl.tableName().isEmpty()) {
        QString name;
        MakeTempTableName(listTablePrefix_, tempFolder_, name);
        TempTbl.setDatabaseName(tempFolder_);
        TempTbl.setTableName(name);
    }
    RelayEmployees(transferTable(), TwoPerRowLayout(), TempTbl, 2);
    return TempTbl;
}

void TwoPerRowWindow::FormDestroy()
{
    if (!TempTbl.tableName().isEmpty())
        RemoveTempTableFile(tempFolder_, TempTbl.tableName());
    TransferWindow::FormDestroy();
}

// The employees are taken one at a time, in the file's order: the first of a row, then the second.
// Each core places them in a one-row table of its own.
void TwoPerRowExportDialog::WriteRecords(MediaFileWriter& writer, RecordContext& context)
{
    const QString name = Report.tableName() + QStringLiteral("_EMPLOYEE");
    db::LocalTable onThis(Report.databaseName(), name), onSecond(Report.databaseName(), name + u'2');
    EmployeeAlone thisAlone(Report, TwoPerRowLayout(), onThis), secondAlone(Report, TwoPerRowLayout(), onSecond);
    auto writeRow = [this](EmployeeAlone& alone, const db::LocalTable& employee) -> RowWriter {
        return [this, &alone, &employee](const db::LocalTable& row, RecordSink& records, RecordContext& rowContext) {
            for (int slot = 0; slot < 2; ++slot) {
                if (!SlotHoldsEmployee(row, slot))
                    continue;
                alone.place(row, slot);
                WriteEmployee(employee, records, rowContext);
            }
        };
    };
    WriteLayout(Report, 2, writer, context, writeRow(thisAlone, onThis), writeRow(secondAlone, onSecond));
}
