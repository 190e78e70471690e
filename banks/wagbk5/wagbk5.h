#pragma once
// First Bank (第一銀行): one record per employee with the consignor account, a transaction code chosen
// by the bank parameters, the identity number and the amount in cents; the transfer table and the
// list hold two employees per line.
#include "transfer/bank_window.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/two_per_row.h"
#include "transfer/two_per_row_list.h"

class TWagbk5aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk5aForm(QWidget* owner);
};

class TWagbk5bForm : public TwoPerRowExportDialog {
    Q_OBJECT
public:
    explicit TWagbk5bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk5cForm : public TwoPerRowListReport {
    Q_OBJECT
public:
    using TwoPerRowListReport::TwoPerRowListReport;
};

class TWagbk5dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk5dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk5/description.txt")) {}
};

// Two employees per row; the records need the transfer date only.
class TWagbk5Form
    : public BankTransferWindow<TWagbk5aForm, TWagbk5bForm, TWagbk5cForm, TWagbk5dForm, TwoPerRowWindow> {
    Q_OBJECT
public:
    explicit TWagbk5Form(QWidget* owner);
};
