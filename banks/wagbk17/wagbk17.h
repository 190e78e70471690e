#pragma once
// Hua Nan Commercial Bank (華南商業銀行): one 80-byte record per employee, each carrying the
// transfer date, the handling branch and the company's number; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk17aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk17aForm(QWidget* owner);
};

class TWagbk17bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk17bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows the record's columns line by line.
class TWagbk17cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk17dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk17dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk17/description.txt")) {}
};

// Employee number and identity number in the transfer table; the records need the transfer date only.
class TWagbk17Form : public BankTransferWindow<TWagbk17aForm, TWagbk17bForm, TWagbk17cForm, TWagbk17dForm> {
    Q_OBJECT
public:
    explicit TWagbk17Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(); }
};
