#pragma once
// The employees a transfer table pays, one after another whatever the number of employees a row
// holds: whom (the employee number), into which account (whole, as his record holds it) and how much.
#include "runtime/db/localtable.h"

#include <functional>

// Every slot of a transfer table also keeps, hidden, whom it pays and where as the employee records
// hold them: the employee number and the whole account, whatever the bank shows or writes of them.
inline const QString PayeeNumberColumnName = QStringLiteral("PAYEE_NO");
inline const QString PayeeAccountColumnName = QStringLiteral("PAYEE_ACC");

struct PaidLine {
    QString employee;
    QString account;
    double amount = 0;
};

// Gives each employee of `table` to `take`, in the table's order; subtotal and total rows are passed.
void ForEachPaidLine(const db::LocalTable& table, const std::function<void(const PaidLine&)>& take);
// The employees of `table` as the export log keeps them (AppendPayLine, runtime/db/export_log.h).
QString PayLinesText(const db::LocalTable& table);
