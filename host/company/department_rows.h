#pragma once
// The departments a sheet names, added or updated by their code, and the department tree
// (DEPT_CHK: every department with each of its subordinates, at any depth) made again from the
// parents the sheet gives and those the company had.
#include "company/company_database.h"
#include "company/row_checker.h"

#include <QHash>

namespace company {

class DepartmentRows {
public:
    DepartmentRows(CompanyDatabase& db, RowChecker& checker, ImportSummary& summary);

    void take(int row, const std::vector<QString>& values);
    // Checks the parents and writes the tree (when no row failed).
    void finish();

private:
    QHash<QString, QString> storedParents() ;
    CompanyDatabase& db_;
    RowChecker& checker_;
    ImportSummary& summary_;
    Statement find_, insert_, update_;
    QHash<QString, QString> parents_;   // code -> parent, as the company has them
    struct Given {
        int row;
        QString parent;
    };
    QHash<QString, Given> given_;   // code -> the parent the sheet gives
};

} // namespace company
