#pragma once
// The transfer list of a two-per-row table: account, name and amount of two employees side by side,
// page counts of employees, and a grand count the list takes from its rows.
#include "transfer/transfer_list_report.h"

class TwoPerRowListReport : public TransferListReport {
    Q_OBJECT
public:
    using TransferListReport::TransferListReport;

protected:
    std::vector<ListColumn> Columns() const override;
    void PrepareRun(const TransferListRun& run) override;
    void DetailBeforePrint() override;
    bool ShowsSalaryKinds() const override { return false; }
    ListWording Wording() const override { return RecordCountWording(); }
    QString GrandTotalExpression() const override;
    void AddGrandCount(report::TQRBand& summary, const QRectF& place) override;
    int LineCount() const override;
    double LineAmount() const override;
};
