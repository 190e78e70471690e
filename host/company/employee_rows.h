#pragma once
// The employees a sheet names, added or updated by their number. A pay sheet takes an employee
// the company does not know from its columns; for one it knows, a name or an account that differs
// is refused unless the clerk lets the sheet update them. An employee sheet updates what differs.
#include "company/batched_insert.h"
#include "company/company_database.h"
#include "company/row_checker.h"

#include <QSet>

namespace company {

class EmployeeRows {
public:
    // `updateDifferences`: a differing value is written, not refused.
    EmployeeRows(CompanyDatabase& db, RowChecker& checker, ImportSummary& summary, bool updateDifferences, bool paySheet);

    // Takes the employee of a checked row (values by ColumnsOf's order) and writes it when `write`;
    // returns his department: the sheet's, else the company's.
    QString take(int row, const std::vector<QString>& values, bool write);
    // Writes the new employees still held.
    void finish() { insert_.finish(); }

private:
    RowChecker& checker_;
    ImportSummary& summary_;
    int numberRule_;
    bool updateDifferences_, paySheet_;
    std::vector<int> ruleOfColumn_;   // per MF_YG column below: the rule, or -1
    Statement find_, update_;
    BatchedInsert insert_;
    QSet<QString> known_;   // the company's employee numbers, read once: a new employee needs no look-up
};

} // namespace company
