#pragma once
// United World Chinese Commercial Bank (世華銀行): the shortest record of all, "0", the account and
// the amount in cents; the bank needs no parameters.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

// No parameter edits: a notice, Esc, and the F8 key that keeps the bank's row.
class TWagbk8aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk8aForm(QWidget* owner);
};

class TWagbk8bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk8bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The reference list with the bank's caption, counting records; the salary categories stay.
class TWagbk8cForm : public TransferListReport {
    Q_OBJECT
public:
    explicit TWagbk8cForm(QWidget* owner);

protected:
    ListWording Wording() const override { return RecordCountWording(); }
};

class TWagbk8dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk8dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk8/description.txt")) {}
};

// Account, employee number, name and amount; the records need the transfer date only.
class TWagbk8Form : public BankTransferWindow<TWagbk8aForm, TWagbk8bForm, TWagbk8cForm, TWagbk8dForm> {
    Q_OBJECT
public:
    explicit TWagbk8Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::AccountAndNumber(12); }
};
