#pragma once
// Fubon Bank (富邦銀行): head, detail and total records of 64 bytes, each carrying the transfer group
// (class, branch, special number) and the transfer date with a three-digit ROC year; accounts filled
// with zeros on the right; the total record with the count and the total in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk9aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk9aForm(QWidget* owner);
};

class TWagbk9bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk9bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk9cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk9dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk9dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk9/description.txt")) {}
};

// Employee number and identity number in the transfer table, the labels in the account column; the
// export gets the transfer date and the total.
class TWagbk9Form : public BankTransferWindow<TWagbk9aForm, TWagbk9bForm, TWagbk9cForm, TWagbk9dForm> {
    Q_OBJECT
public:
    explicit TWagbk9Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override
    {
        return TransferTableLayout::EmployeeNumbered().withLabelIn(QStringLiteral("BACC_NO"));
    }
};
