#pragma once
// United World Chinese Commercial Bank (世華商業銀行), new format: one 78-byte record per employee in
// ascending account order, with a running sequence number and two check codes that depend on the
// weight (權數) the bank gave the company.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class TWagbk18aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk18aForm(QWidget* owner);
};

class TWagbk18bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk18bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows the record's columns line by line, each line numbered from 0001.
class TWagbk18cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
    void DetailBeforePrint() override;
};

class TWagbk18dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk18dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk18/description.txt")) {}
};

// Selects in account order and keeps the check codes of every employee row in hidden columns; without
// a weight in the bank parameters it leaves the transfer table as it is.
class TWagbk18Form : public BankTransferWindow<TWagbk18aForm, TWagbk18bForm, TWagbk18cForm, TWagbk18dForm> {
    Q_OBJECT
public:
    explicit TWagbk18Form(QWidget* owner);

protected:
    TransferTableLayout TableLayout() const override;
    QString OrderClause(int sortMode) const override;
    bool ReadyToFill() override;
    QString NotReadyCause() const override;
    void CompleteEmployeeRow(db::LocalTable& row) override;

private:
    QString Weight;        // ID2 of the bank's row as last read; kept while the window is open
    int weightValue_ = 0;
};
