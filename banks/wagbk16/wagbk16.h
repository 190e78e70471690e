#pragma once
// The Chinese Bank (中華商業銀行): an 80-byte header with the unit code, the count, the total and the
// effective date (four-digit ROC year), then an 80-byte record per employee; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk16aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk16aForm(QWidget* owner);
};

class TWagbk16bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk16bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk16cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;
};

class TWagbk16dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk16dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk16/description.txt")) {}
};

class TWagbk16Form : public BankTransferWindow<TWagbk16aForm, TWagbk16bForm, TWagbk16cForm, TWagbk16dForm> {
    Q_OBJECT
public:
    explicit TWagbk16Form(QWidget* owner);
};
