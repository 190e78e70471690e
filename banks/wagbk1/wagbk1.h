#pragma once
// Chang Hwa Commercial Bank (彰化商業銀行): a header, a detail per transfer and a trailer, all carrying
// the company code, the receiver "CCB" and the transfer kind "251"; amounts in cents with running
// totals; the account split into branch and account. Its printouts are chosen in a dialog: the
// salary list, or the media delivery form with the total in Chinese capital numerals.
#include "banks/wagbk1/delivery_form.h"
#include "banks/wagbk1/salary_list.h"
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"

class TWagbk1aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk1aForm(QWidget* owner);
};

class TWagbk1bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk1bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
    QString EmployeeOf(const db::LocalTable& row) const override;
};

class TWagbk1fForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk1fForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk1/description.txt")) {}
};

// Branch, account, name, amount, remark and the hidden identity number.
TransferTableLayout Wagbk1TableLayout();

// The account in branch and account columns, and the control total of the accounts for the
// delivery form.
class TWagbk1Form : public BankTransferWindow<TWagbk1aForm, TWagbk1bForm, TWagBk1dForm, TWagbk1fForm> {
    Q_OBJECT
    Q_PROPERTY(qlonglong AccountTotal READ accountTotal)
public:
    explicit TWagbk1Form(QWidget* owner);
    // Characters 7-12 of the accounts of every selected pay line, taken as numbers and summed.
    qlonglong accountTotal() const { return AccountTotal; }

protected:
    TransferTableLayout TableLayout() const override { return Wagbk1TableLayout(); }
    bool ReadyToFill() override;
    void LineSelected(const db::MQuery& line, bool newRow) override;
    void PrintTransferList(const TransferListRun& run) override;

private:
    qlonglong AccountTotal = 0;
};

// The part of an account that the control total adds up: characters 7-12 when they are all digits.
qlonglong AccountControlPart(const QString& account);
