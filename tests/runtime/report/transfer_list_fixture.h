#pragma once
// A transfer list built from the report engine's API the way a bank's report form builds it:
// page header with title and column heads, one detail line per transfer, a page footer with the
// page's count and amount (suppressed on the last page), and a summary with the last page's figures,
// the grand totals and the page count.
#include "runtime/db/localtable.h"
#include "runtime/report/quickrep.h"
#include <memory>

namespace reporttest {

struct Transfer {
    QString account;
    QString name;     // empty for subtotal and total rows
    double amount = 0;
};

// A transfer table (BACC_NO, YG_NAME, A_MTN) of its own, filled with the rows, open, filtered on
// YG_NAME<>'' as the report's table is.
std::unique_ptr<db::LocalTable> MakeTransferTable(const QString& tableName, const std::vector<Transfer>& rows);

// `count` employees with names and amounts 1000.25, 1010.25, 1020.25, ...
std::vector<Transfer> Employees(int count);

class TransferListReport {
public:
    explicit TransferListReport(db::LocalTable& table);
    report::TQuickRep& rep() { return rep_; }

    int pageCount = 0;        // rows printed on the current page
    double pageAmount = 0;    // their A_MTN

private:
    report::TQuickRep rep_;
};

// Geometry of the fixture on A4 with 10 mm margins: the rows that fit on a page under the 30 mm
// page header and above the 12 mm page footer, 6 mm each.
constexpr int RowsPerPage = 39;
constexpr double DetailHeightMm = 6;
constexpr double SummaryHeightMm = 20;

} // namespace reporttest
