#pragma once
// Macoto Bank (萬通銀行): one 65-byte record per employee, each repeating the branch code, the
// transfer date and the company's entrusting account; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk13aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk13aForm(QWidget* owner);
};

class TWagbk13bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk13bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// Account, name and amount; the heading has no salary categories.
class TWagbk13cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;
};

class TWagbk13dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk13dForm(QWidget* owner) : FormatDescriptionForm(owner, DescriptionBeingSetUp) {}
};

// The identity number and, hidden, the employee number in the transfer table; the records need the
// transfer date only.
class TWagbk13Form : public BankTransferWindow<TWagbk13aForm, TWagbk13bForm, TWagbk13cForm, TWagbk13dForm> {
    Q_OBJECT
public:
    explicit TWagbk13Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override;
};
