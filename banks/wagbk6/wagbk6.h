#pragma once
// Taiwan Business Bank, Taichung area (中小企業臺中區): a header with the company's codes, the total in
// cents and a Gregorian date, then one 40-byte record per employee; the transfer kind (B5 salary, D5
// bonuses) follows the chosen salary categories. Two employees per row in the table and the list,
// which also carries the bank's check amount.
#include "transfer/bank_window.h"
#include "transfer/format_description.h"
#include "transfer/parameter_dialog.h"
#include "transfer/two_per_row.h"
#include "transfer/two_per_row_list.h"

#include <optional>

class TWagbk6aForm : public BankParameterDialog {
    Q_OBJECT
public:
    explicit TWagbk6aForm(QWidget* owner);
};

class TWagbk6bForm : public TwoPerRowExportDialog {
    Q_OBJECT
public:
    explicit TWagbk6bForm(QWidget* owner);

protected:
    const MediaLayout& Layout() const override;
};

class TWagbk6cForm : public TwoPerRowListReport {
    Q_OBJECT
public:
    using TwoPerRowListReport::TwoPerRowListReport;
    void FormCreate() override;
    // The check amount the window worked out at its last complete fill; none: the label stays empty.
    void SetCheckAmount(std::optional<qint64> amount) { checkAmount_ = amount; }

protected:
    ListWording Wording() const override;
    void PrepareRun(const TransferListRun& run) override;

private:
    std::optional<qint64> checkAmount_;
};

class TWagbk6dForm : public FormatDescriptionForm {
    Q_OBJECT
public:
    explicit TWagbk6dForm(QWidget* owner) : FormatDescriptionForm(owner, QStringLiteral(":/banks/wagbk6/description.txt")) {}
};

// "B5" (salary) when the categories are the regular salary alone, or the regular salary and runs of
// no category; "D5" (year-end and festival bonuses) otherwise.
QString TransferKind(const QString& salaryKinds);

// The sum the bank checks the transfer with: the date as yyyymmdd, the thousands of the total times
// the selected lines, and the numbers formed by the company number and the consignor account.
qint64 CheckAmount(const QDate& transferDate, double total, int selectedLines, const QString& consignorAccount,
                   const QString& companyNumber);

class TWagbk6Form
    : public BankTransferWindow<TWagbk6aForm, TWagbk6bForm, TWagbk6cForm, TWagbk6dForm, TwoPerRowWindow> {
    Q_OBJECT
public:
    explicit TWagbk6Form(QWidget* owner);
    std::optional<qint64> checkAmount() const { return ChkAmtn; }

protected:
    ExportValues ValuesForExport() const override;
    void TableFilled(const TransferTableResult& result) override;
    TransferListReport* CreateTransferList() override;

private:
    std::optional<qint64> ChkAmtn;
};
