#pragma once
// Overseas Chinese Bank (華僑銀行): one line per employee with the account, a deposit or debit mark,
// the amount in cents and up to ten bytes of the name; the bank needs no parameters.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

// No parameter edits: a notice, Esc, and the F8 key that keeps the bank's row for its file name.
class TWagbk21aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk21aForm(QWidget* owner);
};

class TWagbk21bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk21bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// Its simplified-Chinese captions take the font "宋體" and leave the expressions as they are.
class TWagbk21cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    ListLocalization Localization() const override { return {QStringLiteral("宋體"), false}; }
};

class TWagbk21dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk21dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk21/description.txt")) {}
};

// Account, employee number, name and amount; the records need the transfer date only.
class TWagbk21Form : public BankTransferWindow<TWagbk21aForm, TWagbk21bForm, TWagbk21cForm, TWagbk21dForm> {
    Q_OBJECT
public:
    explicit TWagbk21Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::AccountAndNumber(12); }
};
