#pragma once
// Hsinchu International Bank (新竹國際商業銀行): serial-numbered records; a first record debiting the
// company's account with the total, one crediting each employee, and two closing records with the
// debit and credit counts and totals. The file is named after the transfer date.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk25aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk25aForm(QWidget* owner);
};

// Proposes the transfer date in ROC form as the file name.
class TWagbk25bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk25bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
    QString ProposedFileName() const override;
};

class TWagbk25cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override { return EmployeeListColumns(); }
};

class TWagbk25dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk25dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk25/description.txt")) {}
};

// Employee number and identity number in the transfer table; the records take the transfer total.
class TWagbk25Form : public BankTransferWindow<TWagbk25aForm, TWagbk25bForm, TWagbk25cForm, TWagbk25dForm> {
    Q_OBJECT
public:
    explicit TWagbk25Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(12, 10); }
};
