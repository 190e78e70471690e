#pragma once
// Land Bank of Taiwan (土地銀行): a header, one detail record per employee and a trailer with the
// total and the number of detail records; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk24aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk24aForm(QWidget* owner);
};

class TWagbk24bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk24bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk24cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override { return EmployeeListColumns(); }
};

class TWagbk24dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk24dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk24/description.txt")) {}
};

// Employee number and identity number in the transfer table; the trailer takes the transfer total.
class TWagbk24Form : public BankTransferWindow<TWagbk24aForm, TWagbk24bForm, TWagbk24cForm, TWagbk24dForm> {
    Q_OBJECT
public:
    explicit TWagbk24Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override { return TransferTableLayout::EmployeeNumbered(12, 10); }
};
