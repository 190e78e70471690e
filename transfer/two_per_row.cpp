#include "transfer/two_per_row.h"

#include "common/temp_names.h"
#include "transfer/employee_slots.h"

TransferTableLayout TwoPerRowLayout()
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), AccountColumnSize, 12040, 12), QStringLiteral("BACC_NO")},
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
// Each core reads them through readers of its own, one for each slot.
void TwoPerRowExportDialog::WriteRecords(MediaFileWriter& writer, RecordContext& context)
{
    const TransferTableLayout layout = TwoPerRowLayout();
    EmployeeAlone onThis(Report, layout), onSecond(Report, layout);
    auto writeRow = [this, &layout](EmployeeAlone& alone) -> RowWriter {
        return [this, &layout, &alone](const db::LocalTable& row, RecordBlock& records, RecordContext& rowContext) {
            for (int slot = 0; slot < layout.slotsPerRow; ++slot) {
                if (SlotHoldsEmployee(row, slot))
                    WriteEmployee(alone.place(row, slot), records, rowContext);
            }
        };
    };
    WriteLayout(Report, layout.slotsPerRow, writer, context, writeRow(onThis), writeRow(onSecond));
}
