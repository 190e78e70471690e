#include "demo_company_data.h"
#include "demo_database.h"
#include <algorithm>

const std::vector<DemoDepartment>& DemoDepartments()
{
    static const std::vector<DemoDepartment> departments = {
        {"0000", "總公司", "Head Office", "", 0},
        {"1000", "管理部", "Administration Division", "0000", 1},
        {"1100", "人事課", "Human Resources Section", "1000", 4},
        {"1200", "財務課", "Finance Section", "1000", 4},
        {"1300", "總務課", "General Affairs Section", "1000", 3},
        {"2000", "業務部", "Sales Division", "0000", 1},
        {"2100", "北區業務課", "Northern Sales Section", "2000", 5},
        {"2200", "中區業務課", "Central Sales Section", "2000", 4},
        {"2300", "南區業務課", "Southern Sales Section", "2000", 4},
        {"3000", "生產部", "Production Division", "0000", 1},
        {"3100", "製造一課", "Manufacturing Section I", "3000", 10},
        {"3200", "製造二課", "Manufacturing Section II", "3000", 9},
        {"3300", "品管課", "Quality Control Section", "3000", 4},
        {"4000", "研發部", "Research and Development Division", "0000", 1},
        {"4100", "軟體課", "Software Section", "4000", 5},
        {"4200", "硬體課", "Hardware Section", "4000", 4},
    };
    return departments;
}

namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void WriteRows(DemoSqlite& db, const QString& table, const std::vector<QVariantList>& rows)
{
    QStringList marks;
    for (qsizetype i = 0; i < rows.front().size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert = db.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(u',')));
    for (const QVariantList& row : rows)
        db.run(insert, row);
}

void WriteCompany(DemoSqlite& db)
{
    WriteRows(db, "Comp", {{DemoCompanyNumber, Text("瑞和精密工業股份有限公司"), "Ruihe Precision Industry Co., Ltd.",
                            "02-2718-5566", "02-2718-5567", "12345678",
                            Text("臺北市松山區民生東路三段130號8樓")}});
}

void WriteMasters(DemoSqlite& db)
{
    WriteRows(db, "PRDT", {{"P-1001", Text("精密軸承"), "Precision bearing"},
                           {"P-1002", Text("滾珠螺桿"), "Ball screw"},
                           {"P-2001", Text("線性滑軌"), "Linear guide"}});
    WriteRows(db, "ACCN", {{"1101", Text("現金"), "Cash"}, {"1102", Text("銀行存款"), "Cash in banks"},
                           {"2171", Text("應付薪資"), "Salaries payable"}, {"6101", Text("薪資支出"), "Salaries"}});
    WriteRows(db, "CUST", {{"C0001", Text("大成機械股份有限公司"), "Dacheng Machinery Co., Ltd."},
                           {"C0002", Text("東昇自動化有限公司"), "Dongsheng Automation Ltd."}});
    WriteRows(db, "CUR_ID", {{"NTD", Text("新臺幣"), "New Taiwan dollar"}, {"USD", Text("美元"), "US dollar"},
                             {"JPY", Text("日圓"), "Japanese yen"}});
    WriteRows(db, "MY_WH", {{"01", Text("總倉"), "Main warehouse"}, {"02", Text("臺中倉"), "Taichung warehouse"}});
    WriteRows(db, "BILN", {{"FS", Text("薪資發放單"), "FS2602003"}, {"FJ", Text("額外發放單"), "FJ2602003"}});
    WriteRows(db, "PSWD", {{"ADMIN", Text("系統管理員")}, {"PAY01", Text("薪資專員")}});
    WriteRows(db, "PSWD1", {{"ADMIN", "01", Text("系統管理員")}, {"PAY01", "01", Text("薪資專員")}});
    WriteRows(db, "SPC_PSWD", {{"PAY01", "WAGBK", Text("銀行薪資轉存作業")}});
}

// DEPT_CHK holds every department with each of its subordinates, at any depth.
void WriteDepartments(DemoSqlite& db)
{
    std::vector<QVariantList> departments, tree;
    for (const DemoDepartment& d : DemoDepartments()) {
        departments.push_back({d.code, Text(d.name), d.englishName});
        for (QString up = d.parent; !up.isEmpty();) {
            tree.push_back({up, d.code});
            const auto parent = std::find_if(DemoDepartments().begin(), DemoDepartments().end(),
                                             [&](const DemoDepartment& p) { return up == QLatin1String(p.code); });
            up = QString::fromLatin1(parent->parent);
        }
    }
    std::sort(tree.begin(), tree.end(), [](const QVariantList& a, const QVariantList& b) {
        return std::pair(a[0].toString(), a[1].toString()) < std::pair(b[0].toString(), b[1].toString());
    });
    WriteRows(db, "DEPT", departments);
    WriteRows(db, "DEPT_CHK", tree);
}

void WriteRuns(DemoSqlite& db)
{
    using namespace DemoRuns;
    WriteRows(db, "MF_FS", {{JanuaryBonusRun, "2026-01-20", Text("114年度下半年績效獎金")},
                            {JanuarySalaryRun, "2026-01-31", Text("115年1月薪資")},
                            {YearEndBonusRun, "2026-02-10", Text("114年度年終獎金")},
                            {FestivalBonusRun, "2026-02-13", Text("春節三節獎金")},
                            {FebruarySalaryRun, "2026-02-27", Text("115年2月薪資")},
                            {BackPayRun, "2026-02-27", Text("1月加班費補發")}});
    WriteRows(db, "MF_FJ", {{PerformanceBonus, Text("績效獎金"), "2026-01-20", Text("下半年績效")},
                            {YearEndBonus, Text("年終獎金"), "2026-02-10", Text("年終")},
                            {FestivalBonus, Text("三節獎金"), "2026-02-13", Text("春節")},
                            {BackPay, QVariant(), "2026-02-27", Text("加班費補發，未分類")}});
}

} // namespace

void WriteDemoCompanyData(DemoSqlite& db)
{
    WriteCompany(db);
    WriteMasters(db);
    WriteDepartments(db);
    WriteRuns(db);
}
