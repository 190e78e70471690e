#pragma once
// Da An Commercial Bank (大安商業銀行): a 50-byte header with the company's codes, the total, the
// count and the transfer date, then a 50-byte record per employee with a sign flag; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk11aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk11aForm(QWidget* owner);
};

class TWagbk11bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk11bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk11cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;
};

class TWagbk11dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk11dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk11/description.txt")) {}
};

class TWagbk11Form : public BankTransferWindow<TWagbk11aForm, TWagbk11bForm, TWagbk11cForm, TWagbk11dForm> {
    Q_OBJECT
public:
    explicit TWagbk11Form(QWidget* owner);
};
