#pragma once
// Pan Asia Bank (泛亞商業銀行): a 60-byte first record with the dates, the company's codes, the total
// and the count, then one record per employee with the department; the file is named after the
// customer code the bank assigned.
#include "transfer/bank_window.h"
#include "transfer/department_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk23aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk23aForm(QWidget* owner);
};

// Proposes "<customer code>.TXT" and does not remember the name.
class TWagbk23bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk23bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
    QString ProposedFileName() const override;
};

class TWagbk23cForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override { return EmployeeListColumns(); }
};

class TWagbk23dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk23dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk23/description.txt")) {}
};

// The records carry their own total and count: the window hands over the transfer date only.
class TWagbk23Form : public BankTransferWindow<TWagbk23aForm, TWagbk23bForm, TWagbk23cForm, TWagbk23dForm,
                                               DepartmentTransferWindow> {
    Q_OBJECT
public:
    explicit TWagbk23Form(QWidget* owner);
};
