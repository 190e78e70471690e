#pragma once
// The transfer list: the selected transfers (one line per employee row) with page totals and grand
// totals, printed or previewed. A bank changes its columns and what its header labels show.
#include "runtime/db/localtable.h"
#include "transfer/report_form.h"

#include <QDate>
#include <functional>
#include <optional>
#include <vector>

// What the transfer window hands to a run of the list.
struct TransferListRun {
    QDate transferDate;
    bool printDirect = false;
    QString salaryKinds;     // the chosen categories joined by ","
};

// A column of the list: its heading (lines separated by "\n" make a memo of several lines), and
// either a field of the transfer table or a label whose caption the bank sets (the same on every line).
struct ListColumn {
    QString heading;
    QString itemName;
    QString dataField;       // empty: a label
    double widthMm = 40;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString mask;
    // A label's caption as the list is designed, before any run fills it.
    QString designCaption;
    // A label's text for the whole run, the same on every line; no function, or no text from it,
    // leaves the label as it is (the bank fills it, or it keeps its design caption).
    std::function<std::optional<QString>(const TransferListRun&)> text;
    double gapBeforeMm = 0;  // room between this column and the one before it
};

// A label on every line, with the same text for the whole run.
ListColumn LineLabelColumn(const QString& heading, const QString& itemName, double widthMm,
                           std::function<std::optional<QString>(const TransferListRun&)> text = {});
// The transfer date on every line, "115/03/05", in the label YMD.
ListColumn TransferDateColumn(const QString& heading, double widthMm);
// A column of the bank's BANK1 row on every line; when the row does not exist the label keeps its
// design caption.
ListColumn BankParameterColumn(const QString& heading, const QString& itemName, double widthMm, const QString& rowKey,
                               const QString& column, const QString& designCaption = QString());

// The columns of the lists that show who is paid: employee number (under `numberHeading`), name,
// identity number, account (under `accountHeading`) and amount.
std::vector<ListColumn> EmployeeListColumns(const QString& numberHeading = QStringLiteral("員 工 代 號"),
                                            const QString& accountHeading = QStringLiteral("帳      號"));

// The words of the page and grand total lines: before the count, after it, the grand total's caption,
// and the caption before the amounts.
struct ListWording {
    QString pageCount = QStringLiteral("本頁小計");
    QString grandCount = QStringLiteral("本頁合計");
    QString countUnit = QStringLiteral("人");
    QString grandTotal = QStringLiteral("** 總    計 **");
    QString amount = QStringLiteral("金        額 ：");
};

// Records rather than persons: "筆數共" n "筆" on the page and grand total lines.
ListWording RecordCountWording();

class TransferListReport : public ReportForm {
    Q_OBJECT
public:
    explicit TransferListReport(QWidget* owner);

    void FormCreate() override;
    // Binds the transfer table and fills the header labels; the report is then ready to lay out.
    void Prepare(const db::LocalTable& transferTable, const TransferListRun& run);
    // Prepares, then prints or previews.
    void Run(const db::LocalTable& transferTable, const TransferListRun& run);

protected:
    // The reference bank's columns: account, name, amount.
    virtual std::vector<ListColumn> Columns() const;
    // Fills the labels that depend on the run (the title's year and month, the categories).
    virtual void PrepareRun(const TransferListRun& run);
    // Runs before each detail line prints (a bank's line counter).
    virtual void DetailBeforePrint() {}
    // Whether the second header line shows the salary categories.
    virtual bool ShowsSalaryKinds() const { return true; }
    // Whether the run fills that line with the chosen categories; if not it keeps its design text.
    virtual bool FillsSalaryKinds() const { return true; }
    virtual ListWording Wording() const { return {}; }
    // The grand total, and the item of the grand count at `place` (the report's COUNT by default).
    virtual QString GrandTotalExpression() const { return QStringLiteral("SUM(A_MTN)"); }
    virtual void AddGrandCount(report::TQRBand& summary, const QRectF& place);
    // What the printed line adds to the page's count and amount.
    virtual int LineCount() const { return 1; }
    virtual double LineAmount() const;

    // The page header: title, print date, categories and page, a rule, the column headings.
    virtual void BuildPageHeader(const std::vector<ListColumn>& columns);
    // The line of a page's totals, in the page footer and again in the summary: the labels named
    // `amountItem` and `countItem` get the page's amount and count.
    virtual void PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem);
    // The grand totals line of the summary (count, sum and number of pages).
    virtual void GrandTotalsLine(report::TQRBand& band, double y);
    // The column headings at `y` of the band, one beside the other as the columns stand; a heading of
    // several lines is a memo.
    void ColumnHeadings(report::TQRBand& band, double y, const std::vector<ListColumn>& columns);

    db::LocalTable Report;

private:
    void buildBands();
    void QuickRep1StartPage();
    void DetailBand1AfterPrint();
    void PageFooterBand1BeforePrint(bool& printBand);
    void SummaryBand1BeforePrint();

    int pageCount_ = 0;
    double pageAmount_ = 0;
};

// A list that shows the bank's record line by line (the transfer date among its columns); its heading
// carries no salary categories.
class RecordListReport : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    bool ShowsSalaryKinds() const override { return false; }
};

// "115/03/05": the ROC year unpadded, month and day with two digits.
QString RocSlashedDate(const QDate& date);
// The amount with thousands separators and two decimals: 1,234.56.
QString AmountText(double amount);
