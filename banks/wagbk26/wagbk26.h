#pragma once
// Union Bank of Taiwan (聯邦商業銀行): a short header line with the transfer date, then one line per
// employee with blank-separated account, identity number, amount in whole units, transfer code and
// check flag.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk26aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk26aForm(QWidget* owner);
};

class TWagbk26bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk26bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk26cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk26dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk26dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk26/description.txt")) {}
};

// Employee number and identity number in the transfer table, the labels in the employee number column.
class TWagbk26Form : public BankTransferWindow<TWagbk26aForm, TWagbk26bForm, TWagbk26cForm, TWagbk26dForm> {
    Q_OBJECT
public:
    explicit TWagbk26Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override
    {
        return TransferTableLayout::EmployeeNumbered(12, 10);
    }
};
