#pragma once
// The transfer windows' F2 conditions, kept between uses in the BANK1 row "0" that all banks share.
#include <QString>

struct TransferConditions {
    int DepMode = 1;             // 0 the listed departments, 1 one department with its subordinates
    int SortMode = 0;            // 0 by employee, 1 by department then employee
    int AccountChoice = 0;       // 0 first account when filled else second, 1 first, 2 second
    bool UseAccountTitle = false;
    QString DepList = QStringLiteral("0000");   // with DepMode 1: every department
    QString SalaryKinds;                        // the regular-salary label at first

    static TransferConditions Initial();
};

// The category of pay lines that belong to no additional payment run (text 10019).
QString RegularSalaryLabel();

// Loads the saved row over `conditions` (initial values first); a missing row keeps the initial values.
// The saved categories keep the regular salary whatever language saved them. A non-numeric mode
// raises a conversion error.
void LoadSavedConditions(TransferConditions& conditions);

// Normalises the department list, stores the row and returns the text the toolbar keeps:
// DepMode,SortMode,AccountChoice,SalaryKinds,DepList.
QString SaveConditions(TransferConditions& conditions);
