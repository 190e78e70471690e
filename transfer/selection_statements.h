#pragma once
// The two statements that select the paid salaries: the first fills the temporary table #TF_FS1
// with every paid line of the chosen pay runs, employees, departments and accounts; the second
// reads it back filtered by salary category and in the window's order.
#include <QString>
#include <QStringList>

struct SelectionConditions {
    int depMode = 1;                  // 0 listed departments, 1 one department with its subordinates
    QString depList = QStringLiteral("0000");
    int sortMode = 0;                 // 0 by employee, 1 by department then employee
    int accountChoice = 0;            // 0 first account when filled else second, 1 first, 2 second
    bool useAccountTitle = false;     // the account holder's title instead of the employee's name
    QString salaryKinds;              // code list of salary categories
    QString accountPrefix;            // as typed
    QString employeeFrom, employeeTo; // trimmed by the statement builder
    QString payDateFrom, payDateTo;   // pay dates as the database writes them in SQL
};

struct SelectionStatements {
    QStringList fill;   // the three lines that create #TF_FS1
    QStringList read;   // the two lines that read it back
    // The pay lines of the chosen runs, departments, employees and categories whose employee the
    // employee records do not hold, which the fill's join passes over: FS_NO, YG_NO and AMTN_NET.
    QStringList orphans;
};

// The order of the read-back: by employee, or by department then employee.
QString DefaultOrderClause(int sortMode);

// `regularLabel` is the category name of regular salary lines (those of no additional payment run).
SelectionStatements BuildSelectionStatements(const SelectionConditions& conditions, const QString& regularLabel,
                                             const QString& orderClause);

inline const QString DropTempTableStatement = QStringLiteral("Drop Table #TF_FS1");
