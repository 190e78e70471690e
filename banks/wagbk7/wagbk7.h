#pragma once
// E.SUN Bank (玉山銀行): one 80-byte record per employee with the main branch, the company's
// registration number and the transfer kind "101", amounts in cents, in a file named after the branch.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

// Every save also names the media file after the branch: ESB, the branch, ".IN".
class TWagbk7aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk7aForm(QWidget* owner);

protected:
    std::vector<std::pair<QString, QString>> SavedColumns() const override;
};

class TWagbk7bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk7bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk7cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk7dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk7dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk7/description.txt")) {}
};

// Employee number and identity number in the transfer table, the labels in the account column; the
// records need the transfer date only.
class TWagbk7Form : public BankTransferWindow<TWagbk7aForm, TWagbk7bForm, TWagbk7cForm, TWagbk7dForm> {
    Q_OBJECT
public:
    explicit TWagbk7Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override
    {
        return TransferTableLayout::EmployeeNumbered().withLabelIn(QStringLiteral("BACC_NO"));
    }
};
