#pragma once
// Chinatrust Commercial Bank (中國信託商業銀行): a 23-byte header with the company's account and the
// entry date (three-digit ROC year), then a 44-byte record per employee; amounts in whole units.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk19aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk19aForm(QWidget* owner);
};

class TWagbk19bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk19bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows employee number and identity number besides account, name and amount.
class TWagbk19cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk19dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk19dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk19/description.txt")) {}
};

// Employee number and identity number in the transfer table; the records need the transfer date only.
class TWagbk19Form : public BankTransferWindow<TWagbk19aForm, TWagbk19bForm, TWagbk19cForm, TWagbk19dForm> {
    Q_OBJECT
public:
    explicit TWagbk19Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(0, 10); }
};
