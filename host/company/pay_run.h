#pragma once
// The pay run a pay sheet goes into: its number (the clerk's, else made from the pay date and the
// salary category: one number per date and category), its MF_FS row, for an additional payment its
// MF_FJ row, and its former lines removed, since a run imported again is replaced whole.
#include "company/company_database.h"

#include <QDate>

namespace company {

struct PayRun {
    QString number;
    QString bill;         // the additional payment run (MF_FJ.FJ_NO) of the lines; empty for salary
    int formerLines = 0;
};

// Makes the run ready for its lines in `db` (within the caller's transaction).
PayRun PreparePayRun(CompanyDatabase& db, const QString& number, const QDate& payDate, const QString& category, const QString& remark);

} // namespace company
