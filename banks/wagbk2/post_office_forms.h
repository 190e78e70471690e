#pragma once
// The post office's printed forms: the deposit form (030), the account data list (406) and the
// summary (407). They carry the bank parameters, the transfer date and the company's name, address
// and telephone.
#include "transfer/transfer_list_report.h"

// What the forms print besides the transfer table.
struct PostOfficeFacts {
    QString officeName, bureau, giroAccount, controlNumber;   // BANK1 ID1 to ID4
    QDate transferDate;
    QString companyName, companyAddress, companyTelephone;
    int employees = 0;        // employee rows of the transfer table
    double total = 0;         // their amounts

    // The bank parameters (the office name and bureau number by default while the row is missing)
    // and the company's name, address and telephone.
    static PostOfficeFacts Read();
};

// The office name shown while the post office's BANK1 row does not exist, in the language's characters.
QString DefaultOfficeName();
inline const QString DefaultBureau = QStringLiteral("0000001");

// A list form of the post office: its title and parameters above the employees' lines.
class PostOfficeListForm : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;
    void SetFacts(const PostOfficeFacts& facts) { Facts = facts; }

protected:
    // The title, the parameter lines (the labels named in `lines`) and the column headings.
    void BuildHeader(const QString& title, const std::vector<std::vector<std::pair<QString, QString>>>& lines,
                     const std::vector<ListColumn>& columns);
    void PrepareRun(const TransferListRun& run) override;
    static std::vector<ListColumn> AccountColumns(const ListColumn& last);
    PostOfficeFacts Facts;
};

// The deposit form (030): bureau, account, name, identity number and amount, page subtotals of count
// and amount, and the totals.
class TWagbk2dForm : public PostOfficeListForm {
    Q_OBJECT
public:
    using PostOfficeListForm::PostOfficeListForm;

protected:
    std::vector<ListColumn> Columns() const override;
    void BuildPageHeader(const std::vector<ListColumn>& columns) override;
    void PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem) override;
    void GrandTotalsLine(report::TQRBand& band, double y) override;
};

// The account data list (406): bureau, account, name, identity number and remark, counted per page and in total.
class TWagbk2eForm : public PostOfficeListForm {
    Q_OBJECT
public:
    using PostOfficeListForm::PostOfficeListForm;

protected:
    std::vector<ListColumn> Columns() const override;
    void BuildPageHeader(const std::vector<ListColumn>& columns) override;
    void PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem) override;
    void GrandTotalsLine(report::TQRBand& band, double y) override;
};

// The summary (407): one page with the parameters, the company, the number of employees and the total.
class TWagbk2gForm : public ReportForm {
    Q_OBJECT
public:
    explicit TWagbk2gForm(QWidget* owner);
    void FormCreate() override;
    void Fill(const PostOfficeFacts& facts);
};

// "115年03月05日": the deposit form's date.
QString RocWordedDate(const QDate& date);
