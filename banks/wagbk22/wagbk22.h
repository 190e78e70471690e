#pragma once
// Taipei Business Bank (台北商銀): a 50-byte head record with the count and the total, then one
// account record per employee; amounts in cents, every record marked credit or debit.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk22aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk22aForm(QWidget* owner);
};

class TWagbk22bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk22bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows the debit or credit mark, the category and the enterprise number of every line.
class TWagbk22cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk22dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk22dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk22/description.txt")) {}
};

// Employee number first; each employee row also shows its debit or credit mark and the bank's
// enterprise number and category as they stand when the table is filled.
class TWagbk22Form : public BankTransferWindow<TWagbk22aForm, TWagbk22bForm, TWagbk22cForm, TWagbk22dForm> {
    Q_OBJECT
public:
    explicit TWagbk22Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override;
    bool ReadyToFill() override;
    void CompleteEmployeeRow(db::LocalTable& row) override;

private:
    QString EnterpriseNumber, Category;   // ID1 and ID2 of the bank's row, read for every selection
};
