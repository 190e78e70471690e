#pragma once
// The fixed part of the demo company: the company row, the master tables, the department tree,
// and the pay runs of January and February 2026 with their additional payment runs.
#include "demo_sqlite.h"
#include <vector>

struct DemoDepartment {
    const char* code;
    const char* name;
    const char* englishName;
    const char* parent;   // "" for the head office
    int staffWeight;      // how many employees it has, relatively
};
const std::vector<DemoDepartment>& DemoDepartments();

// Pay runs (MF_FS.FS_NO) and additional payment runs (MF_FJ.FJ_NO) that the payroll refers to.
namespace DemoRuns {
inline const QString JanuaryBonusRun = QStringLiteral("FS2601001");     // 績效獎金, 2026-01-20
inline const QString JanuarySalaryRun = QStringLiteral("FS2601002");    // 2026-01-31
inline const QString YearEndBonusRun = QStringLiteral("FS2602001");     // 年終獎金, 2026-02-10
inline const QString FestivalBonusRun = QStringLiteral("FS2602002");    // 三節獎金, 2026-02-13
inline const QString FebruarySalaryRun = QStringLiteral("FS2602003");   // 2026-02-27
inline const QString BackPayRun = QStringLiteral("FS2602004");          // overtime back pay, no category
inline const QString PerformanceBonus = QStringLiteral("FJ2601001");
inline const QString YearEndBonus = QStringLiteral("FJ2602001");
inline const QString FestivalBonus = QStringLiteral("FJ2602002");
inline const QString BackPay = QStringLiteral("FJ2602003");
}

void WriteDemoCompanyData(DemoSqlite& db);
