#pragma once
// China Commercial Bank (中國商業銀行): a first record, a 120-byte detail record per employee and a
// 126-byte last record with the total and count, all carrying the agent branch, the bank's head office
// code "017" and the posting date; amounts in cents.
#include "transfer/bank_window.h"
#include "transfer/department_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk28aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk28aForm(QWidget* owner);
};

class TWagbk28bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk28bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk28cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
};

class TWagbk28dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk28dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk28/description.txt")) {}
};

// Employee number, identity number, department code and name in the transfer table; the records need
// the transfer date only.
class TWagbk28Form
    : public BankTransferWindow<TWagbk28aForm, TWagbk28bForm, TWagbk28cForm, TWagbk28dForm, DepartmentTransferWindow> {
    Q_OBJECT
public:
    explicit TWagbk28Form(QWidget* owner);
};
