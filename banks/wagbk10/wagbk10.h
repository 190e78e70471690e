#pragma once
// Bank of Taiwan (臺灣銀行): the reference bank. Its window, selection, dialogs and list are the
// framework's own; it adds its parameters and its media file of 60-byte records.
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"
#include "transfer/bank_window.h"

class TWagbk10aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk10aForm(QWidget* owner);
};

class TWagbk10bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk10bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk10cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;
};

class TWagbk10dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk10dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk10/description.txt")) {}
};

class TWagbk10Form : public BankTransferWindow<TWagbk10aForm, TWagbk10bForm, TWagbk10cForm, TWagbk10dForm> {
    Q_OBJECT
public:
    explicit TWagbk10Form(QWidget* owner);
};
