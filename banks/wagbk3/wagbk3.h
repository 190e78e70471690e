#pragma once
// Cooperative Bank (合作金庫): the employee's account split into the bank's four parts (branch, deposit
// kind, account number, check digit), the employee number in the user area, the company's branch at
// the end of every 80-byte record, and a window option for the Taoyuan area that adds the customer code.
#include "transfer/bank_window.h"
#include "transfer/export_dialog.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/transfer_list_report.h"

class QCheckBox;

// The customer code shows only with the Taoyuan option, and the caption names the option.
class TWagbk3aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk3aForm(QWidget* owner);
    void SetTaoyuan(bool taoyuan) { taoyuan_ = taoyuan; }
    void FormShow() override;

private:
    bool taoyuan_ = false;
};

class TWagbk3bForm : public ExportDialog {
    Q_OBJECT
public:
    explicit TWagbk3bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

// The list shows the record's parts under headings of one or two lines, and counts records.
class TWagbk3cForm : public RecordListReport {
    Q_OBJECT
public:
    using RecordListReport::RecordListReport;

protected:
    std::vector<ListColumn> Columns() const override;
    ListWording Wording() const override { return RecordCountWording(); }
};

class TWagbk3dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk3dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk3/description.txt")) {}
};

// The window keeps the Taoyuan option (ChkBox) in BANK1.ID10 and hands only the option to the export.
class TWagbk3Form : public BankTransferWindow<TWagbk3aForm, TWagbk3bForm, TWagbk3cForm, TWagbk3dForm> {
    Q_OBJECT
public:
    explicit TWagbk3Form(QWidget* owner);

    void FormShow() override;
    void FormDestroy() override;

protected:
    TransferTableLayout TableLayout() const override;
    bool ReadyToFill() override;
    void CompleteEmployeeRow(db::LocalTable& row) override;
    ExportValues ValuesForExport() const override;
    MForm* CreateParameterDialog() override;

private:
    QCheckBox* ChkBox = nullptr;
    QString branch_;   // BANK1.ID1, read at the start of each fill
};
