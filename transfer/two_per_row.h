#pragma once
// The transfer table that holds two employees per row (account, name, amount and identity number of
// each), the window that keeps it, and the export that writes one record per employee from it.
#include "transfer/export_dialog.h"
#include "transfer/transfer_window.h"

// BACC_NO (the account's first twelve characters), YG_NAME, A_MTN and the hidden ID_NO, twice.
TransferTableLayout TwoPerRowLayout();

// Fills the two-per-row transfer table, and lays its employees out anew for the transfer list in a
// temporary table named with the bank's prefix: two per row without department breaks.
class TwoPerRowWindow : public TransferWindow {
    Q_OBJECT
public:
    db::LocalTable& ListTable() override;

protected:
    TwoPerRowWindow(QWidget* owner, int bank, BankWindowTexts texts, ExportHandOver handOver, const QString& listTablePrefix);

    void FormDestroy() override;
    TransferTableLayout TableLayout() const override { return TwoPerRowLayout(); }

private:
    QString listTablePrefix_;
    QString tempFolder_;
    db::LocalTable TempTbl;
};

// Writes the layout's detail records for each employee of the two-per-row table in turn: the first
// employee of a row, then the second.
class TwoPerRowExportDialog : public ExportDialog {
    Q_OBJECT
protected:
    using ExportDialog::ExportDialog;
    void WriteRecords(MediaFileWriter& writer, RecordContext& context) override;
};
