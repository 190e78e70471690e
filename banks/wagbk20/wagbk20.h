#pragma once
// First Bank (第一銀行), general transfer input file: one 73-byte record per employee with the
// transaction code 1797, account, identity number, amount in cents, handling branch and the
// passbook memo "薪資存入".
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk20aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk20aForm(QWidget* owner);
};

class TWagbk20bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk20bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows the transfer date and the employee's columns line by line.
class TWagbk20cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
    ListLocalization Localization() const override { return {QStringLiteral("宋體")}; }
};

class TWagbk20dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk20dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk20/description.txt")) {}
};

// Employee number and identity number in the transfer table; the records need the transfer date only.
class TWagbk20Form : public BankTransferWindow<TWagbk20aForm, TWagbk20bForm, TWagbk20cForm, TWagbk20dForm> {
    Q_OBJECT
public:
    explicit TWagbk20Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(); }
};
