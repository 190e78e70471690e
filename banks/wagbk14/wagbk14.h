#pragma once
// Chung Shing Bank (中興銀行): one 83-byte record per employee, each repeating the transfer date, the
// handling bank and the company's number; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk14aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk14aForm(QWidget* owner);
};

class TWagbk14bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk14bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows employee number, identity number and the transfer date on every line.
class TWagbk14cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk14dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk14dForm(QWidget* owner) : FormatDescriptionForm(owner, DescriptionBeingSetUp) {}
};

// Employee number and identity number in the transfer table; the records need the transfer date only.
class TWagbk14Form : public BankTransferWindow<TWagbk14aForm, TWagbk14bForm, TWagbk14cForm, TWagbk14dForm> {
    Q_OBJECT
public:
    explicit TWagbk14Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(0, 10); }
};
