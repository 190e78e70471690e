// Randomized window conditions through the selection: whatever the clerk types into the department
// and category lists, the account prefix and the employee range, both statements carry no unpaired
// quote and run on the company database.
#include "runtime/db/mquery.h"
#include "support/random_inputs.h"
#include "support/test_company.h"
#include "transfer/saved_conditions.h"
#include "transfer/selection_statements.h"

#include <gtest/gtest.h>

namespace {

const QStringList Pieces = {"A01", "B01", "0000", "'", "''", ";", "IsNull", "(", ")", " ", "%", "_", "--", "/*", "\"",
                            "年終獎金", "正常薪資", "Or 1=1", ",", "E001", "004"};

bool QuotesPaired(const QString& statement)
{
    return statement.count(u'\'') % 2 == 0;
}

TEST(SelectionRandom, TypedConditionsNeverBreakTheStatements)
{
    TestCompany company;
    company.addPayRun("R1", QDate(2026, 3, 5));
    company.addAdditionalRun("FJ1", "年終獎金");
    company.addDepartment("A01", "總公司");
    company.addDepartment("B01", "工廠", "A01");
    company.addEmployee({"E001", "王小明", "004123", "王", "", ""});
    company.addPayLine("R1", "E001", 1000);

    db::MQuery query("RurIzov");
    RandomInputs random(20260310);
    const int count = RandomInputs::Count(200);
    for (int i = 0; i < count; ++i) {
        SelectionConditions c;
        c.depMode = random.below(2);
        c.depList = random.chance(20) ? QStringLiteral("0000") : random.joined(Pieces, 5);
        c.sortMode = random.below(2);
        c.accountChoice = random.below(3);
        c.useAccountTitle = random.chance(50);
        c.salaryKinds = random.joined(Pieces, 4);
        c.accountPrefix = random.joined(Pieces, 2);
        c.employeeFrom = random.joined(Pieces, 2);
        c.employeeTo = random.joined(Pieces, 2);
        c.payDateFrom = random.chance(80) ? QStringLiteral("2026-03-01") : QString();
        c.payDateTo = QStringLiteral("2026-03-31");
        const SelectionStatements s = BuildSelectionStatements(c, RegularSalaryLabel(), DefaultOrderClause(c.sortMode));
        const std::string shown = "input " + std::to_string(i) + ": " + s.fill.join(u'\n').toStdString() + "\n" + s.read.join(u'\n').toStdString();
        ASSERT_TRUE(QuotesPaired(s.fill.join(QString()))) << shown;
        ASSERT_TRUE(QuotesPaired(s.read.join(QString()))) << shown;
        try {
            query.SQL() = QStringList{DropTempTableStatement};
            query.execSQL();
        } catch (const db::DatabaseError&) {
        }
        try {
            query.SQL() = s.fill;
            query.execSQL();
            query.SQL() = s.read;
            query.open();
        } catch (const std::exception& e) {
            FAIL() << shown << "\n" << e.what();
        }
    }
    ReportInputsTried("selection statements from typed conditions", count);
}

} // namespace
