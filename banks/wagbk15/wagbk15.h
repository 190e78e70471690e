#pragma once
// Taiwan Business Bank, Taiwan region (臺灣中小企業銀行(臺灣區)): a 128-byte header marked "*" with the
// transfer group, the transfer date, the count and the total, then a 128-byte record per employee;
// amounts in tenths, dates with a three-digit ROC year.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk15aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk15aForm(QWidget* owner);
};

class TWagbk15bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk15bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk15cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;
};

class TWagbk15dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk15dForm(QWidget* owner) : FormatDescriptionForm(owner, DescriptionBeingSetUp) {}
};

class TWagbk15Form : public BankTransferWindow<TWagbk15aForm, TWagbk15bForm, TWagbk15cForm, TWagbk15dForm> {
    Q_OBJECT
public:
    explicit TWagbk15Form(QWidget* owner);
};
