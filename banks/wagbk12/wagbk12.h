#pragma once
// Taipei City Bank (臺北市銀行): a 54-byte "D" header with the entrusting unit, the transfer date and
// the total, then a 54-byte "C" record per employee with the identity number; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk12aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk12aForm(QWidget* owner);
};

class TWagbk12bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk12bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The salary categories label keeps its design text: this bank's window does not fill it.
class TWagbk12cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    bool FillsSalaryKinds() const override { return false; }
};

class TWagbk12dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk12dForm(QWidget* owner) : FormatDescriptionForm(owner, DescriptionBeingSetUp) {}
};

// The identity number in a hidden column; the export takes the total but no count.
class TWagbk12Form : public BankTransferWindow<TWagbk12aForm, TWagbk12bForm, TWagbk12cForm, TWagbk12dForm> {
    Q_OBJECT
public:
    explicit TWagbk12Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override;
};
