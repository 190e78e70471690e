#pragma once
// Chang Hwa Bank's salary list (各受款帳戶明細表): the enterprise number, the transfer date and the
// transfer item above branch, account, name, amount and remark of every employee, with the page's
// and the grand count and amount.
#include "transfer/transfer_list_report.h"

class TWagBk1dForm : public TransferListReport {
    Q_OBJECT
public:
    explicit TWagBk1dForm(QWidget* owner);

protected:
    std::vector<ListColumn> Columns() const override;
    void BuildPageHeader(const std::vector<ListColumn>& columns) override;
    void PageTotalsLine(report::TQRBand& band, double y, const QString& amountItem, const QString& countItem) override;
    void GrandTotalsLine(report::TQRBand& band, double y) override;
    void PrepareRun(const TransferListRun& run) override;
};

// "115/3/5": the ROC year, month and day without padding.
QString RocUnpaddedDate(const QDate& date);
