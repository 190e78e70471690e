#pragma once
// Shanghai Commercial Bank (上海商業銀行): a control record with the company's own account, a
// 74-byte detail record per employee that starts with the company's short name, amounts in cents,
// and the end record "END$", in a file named after the transfer month.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk4aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk4aForm(QWidget* owner);
    // The name the export proposes for a transfer this month.
    QString DefaultFileName() const override;
};

// Proposes "BT", the transfer date's ROC year and month, and "20"; remembers no name.
class TWagbk4bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk4bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
    QString ProposedFileName() const override;
};

class TWagbk4cForm : public RecordListReport {
    Q_OBJECT
public:
    explicit TWagbk4cForm(QWidget* owner);

protected:
    ListWording Wording() const override;
};

class TWagbk4dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk4dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk4/description.txt")) {}
};

// Account, employee number, name, amount, identity number, and the company's short name read from
// the bank parameters when the table is filled.
class TWagbk4Form : public BankTransferWindow<TWagbk4aForm, TWagbk4bForm, TWagbk4cForm, TWagbk4dForm> {
    Q_OBJECT
public:
    explicit TWagbk4Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override;
    bool ReadyToFill() override;
    void CompleteEmployeeRow(db::LocalTable& row) override;

private:
    QString ShortName;   // ID1 of the bank's row, read at the start of each fill
};
