#pragma once
// The employees of the demo company and their pay lines in the runs of January and February 2026.
#include "demo_sqlite.h"

struct DemoPayrollCount {
    qint64 employees = 0;
    qint64 payLines = 0;
};

// Writes `employees` employees (MF_YG) and their pay lines (TF_FS1), drawn from `seed`.
DemoPayrollCount WriteDemoPayroll(DemoSqlite& db, int employees, quint32 seed);
