// Randomized code lists turned into SQL conditions: a condition never carries an unpaired quote,
// runs on the database, and selects exactly the values its list names ("IsNull" or an empty item:
// no value). Bracketing keeps a condition whole.
#include "common/code_lists.h"
#include "common/sql_text.h"
#include "support/memory_database.h"
#include "support/random_inputs.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace {

// Pieces of codes the clerk might type or the masters might hold.
const QStringList CodePieces = {"A01", "A02", "B", "'", "''", ";", ";", "IsNull", "(", ")", " ", "部", "門", "%", "_",
                                "\\", "--", "/*", "\"", ",", "Or", "1=1"};

// Outside quoted literals: the quotes pair up and the brackets balance.
bool WellFormed(const QString& condition)
{
    bool quoted = false;
    int depth = 0;
    for (QChar c : condition) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u'(')
            ++depth;
        else if (!quoted && c == u')' && --depth < 0)
            return false;
    }
    return !quoted && depth == 0;
}

class ListConditionsRandom : public ::testing::Test {
protected:
    // The values of D that the condition, appended in its brackets to `before`, selects.
    std::multiset<QString> selected(const QString& before, const QString& condition, const std::string& shown)
    {
        QSqlQuery query(connection);
        const QString statement = QStringLiteral("SELECT COALESCE(A.DEP, '<null>') FROM D A WHERE ") + before
            + QStringLiteral("And") + SqlBracketed(condition);
        EXPECT_TRUE(query.exec(statement)) << shown << ": " << query.lastError().text().toStdString();
        std::multiset<QString> values;
        while (query.next())
            values.insert(query.value(0).toString());
        return values;
    }

    MemoryDatabase database{"list-conditions-random", {"CREATE TABLE D (DEP)"}};
    QSqlDatabase& connection = database.connection();
};

TEST_F(ListConditionsRandom, ConditionsSelectExactlyTheirCodes)
{
    RandomInputs random(20260308);
    const int count = RandomInputs::Count(2000);
    for (int i = 0; i < count; ++i) {
        // The table: values that are codes of the list, values that only look like them, no value.
        QSqlQuery(connection).exec("DELETE FROM D");
        std::vector<std::optional<QString>> values{std::nullopt, QStringLiteral("")};
        for (int n = random.below(8); n > 0; --n)
            values.push_back(random.joined(CodePieces, 3));
        const QString list = random.joined(CodePieces, 8);
        for (const QString& code : list.split(u';'))
            values.push_back(code);

        const int mode = random.chance(50) ? -1 : 0;
        const QString condition = BuildListCondition(mode, list, QStringLiteral("A.DEP"));
        const std::string shown = "input " + std::to_string(i) + ": mode " + std::to_string(mode) + " list \"" + list.toStdString()
            + "\" -> " + condition.toStdString();
        ASSERT_TRUE(WellFormed(condition)) << shown;
        ASSERT_TRUE(WellFormed(SqlBracketed(condition))) << shown;
        if (condition.isEmpty()) {
            ASSERT_TRUE(list.isEmpty() || mode == -1) << shown;
            continue;
        }
        // The list's codes: "IsNull" stands for no value, and so does an empty code of a department list.
        const QStringList codes = list.split(u';');
        const bool noValueListed = codes.contains(QStringLiteral("IsNull")) || (mode == 0 && codes.contains(QString()));

        std::multiset<QString> expected;
        QSqlQuery insert(connection);
        insert.prepare("INSERT INTO D VALUES (?)");
        for (const std::optional<QString>& value : values) {
            // An empty text is stored as an empty text, not as no value.
            insert.addBindValue(value ? QVariant(QStringLiteral("") + *value) : QVariant());
            ASSERT_TRUE(insert.exec());
            const bool noValue = !value || value->isEmpty();
            // "IsNull" in a list stands for no value, never for the text itself.
            const bool listed = noValue ? noValueListed : (*value != QStringLiteral("IsNull") && codes.contains(*value));
            if (listed)
                expected.insert(value ? *value : QStringLiteral("<null>"));
        }
        ASSERT_EQ(selected(QStringLiteral("(1=1)"), condition, shown), expected) << shown;
        // After a condition that selects nothing, nothing is selected: no piece of it escapes.
        ASSERT_EQ(selected(QStringLiteral("(1=0)"), condition, shown), std::multiset<QString>{}) << shown;
    }
    ReportInputsTried("list conditions", count);
}

TEST(ListCodesRandom, JoinedCodesStayWithinTheShortString)
{
    RandomInputs random(20260309);
    const int count = RandomInputs::Count(3000);
    for (int i = 0; i < count; ++i) {
        QStringList chosen;
        for (int n = random.below(40); n > 0; --n)
            chosen << random.joined(CodePieces, 4) + PickerSeparator + random.anyText(4);
        const bool multi = random.chance(50);
        const QString joined = JoinChosenCodes(multi, chosen);
        ASSERT_LE(joined.size(), 255);
        if (!multi && !chosen.isEmpty())
            ASSERT_EQ(joined, chosen.first().section(PickerSeparator, 0, 0).left(255));
        QStringList pieces;
        SplitCodeList(joined, pieces);
        ASSERT_TRUE(joined.isEmpty() ? pieces.isEmpty() : pieces.size() == joined.count(u';') + 1);
    }
    ReportInputsTried("joined code lists", count);
}

} // namespace
