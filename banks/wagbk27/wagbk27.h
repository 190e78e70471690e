#pragma once
// Taishin Bank (台新銀行): a 72-byte header with the entrusting account, the calendar date, the total
// and the count, then one detail record per employee; the fixed enterprise number and transfer kind
// stand in every record, and the file is always proposed as TSBCUST.TXT.
#include "transfer/bank_window.h"
#include "transfer/department_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk27aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk27aForm(QWidget* owner);
};

// Always proposes TSBCUST.TXT and does not remember the name.
class TWagbk27bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk27bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
    QString ProposedFileName() const override;
};

class TWagbk27cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override { return EmployeeListColumns(QStringLiteral("員工代號")); }
};

class TWagbk27dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk27dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk27/description.txt")) {}
};

// The records carry their own total and count: the window hands over the transfer date only.
class TWagbk27Form : public BankTransferWindow<TWagbk27aForm, TWagbk27bForm, TWagbk27cForm, TWagbk27dForm,
                                               DepartmentTransferWindow> {
    Q_OBJECT
public:
    explicit TWagbk27Form(QWidget* owner);
};
