// Randomized statements through the SQL Server to SQLite translation: it never crashes, keeps every
// character of a statement it does not rewrite, passes string literals through untouched, and the
// translated statement runs on SQLite or fails with an error.
#include "runtime/db/sql_tokenizer.h"
#include "runtime/db/sqlserver_dialect.h"
#include "support/memory_database.h"
#include "support/random_inputs.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// Pieces of the statements the module writes, and pieces that break them.
const QStringList Pieces = {
    "Select ", "SELECT ", "select ", "DISTINCT ", "Into ", "#TF_FS1 ", "#T", " From ", "TF_FS1 A", ",MF_YG B",
    " Where ", "(", ")", ",", "=", "<>", ">=", "A.YG_NO", "B.NAME", "BACC_NO=", "YG_NAME=", "Case When ", " then ",
    " else ", " End", "'004'", "'it''s'", "'", "''", "\"Q\"", "[N]", "-- note\n", "/* c */", "/*", "*/", "*", " And",
    "Or", " IS NULL", " In ", "(Select FJ_NO From MF_FJ)", " Order By ", "A.BIL_NO", "1", "2.5", "-", "+", ";",
    " ", "\n", "SubString(B.BACC1_NO,1,3)", "N'王'", "王小明", "#", "[", "]", "\"", "As ",
};

// Statements the module really writes, as seeds to be mutated.
const QStringList Seeds = {
    "Select A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN,BACC_NO=Case When (B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'') "
    "then B.BACC1_NO else B.BACC2_NO End,B.NAME As YG_NAME,B.ID_NO,B.ENG_NAME Into #TF_FS1 From TF_FS1 A,MF_YG B "
    "Where (A.YG_NO=B.YG_NO)And(B.PAY_MTH='2') And(A.FS_NO IN (Select DISTINCT FS_NO From MF_FS Where (FS_DD>='2026-02-01'))) Order By A.BIL_NO",
    "Select * From #TF_FS1 Where ((BIL_NO IS NULL)Or(BIL_NO='')Or(BIL_NO In(Select FJ_NO From MF_FJ Where (FJ_KND IN ('年終獎金'))))) Order By YG_NO",
    "Drop Table #TF_FS1",
    "Select DISTINCT FJ_KND FROM MF_FJ",
};

QString mutated(RandomInputs& random, QString statement)
{
    for (int n = random.between(1, 4); n > 0; --n) {
        const int at = random.below(int(statement.size()) + 1);
        switch (random.below(3)) {
        case 0: statement.insert(at, random.pick(Pieces)); break;
        case 1: statement.remove(at, random.between(1, 12)); break;
        default: statement.insert(at, random.anyText(3)); break;
        }
    }
    return statement;
}

QStringList literals(const QString& statement)
{
    QStringList found;
    for (const db::SqlToken& token : db::TokenizeSql(statement)) {
        if (token.kind == db::SqlToken::Kind::Literal)
            found << token.text;
    }
    return found;
}

class SqlTranslationRandom : public ::testing::Test {
protected:
    MemoryDatabase database{"translation-random",
                            {"CREATE TABLE TF_FS1 (FS_NO, YG_NO, DEP, AMTN_NET, BIL_NO)",
                             "CREATE TABLE MF_YG (YG_NO, NAME, ENG_NAME, ID_NO, PAY_MTH, BACC1_NO, BACC1_TIT, BACC2_NO, BACC2_TIT)",
                             "CREATE TABLE MF_FS (FS_NO, FS_DD)", "CREATE TABLE MF_FJ (FJ_NO, FJ_KND)",
                             "INSERT INTO TF_FS1 VALUES ('R1', 'E1', 'A01', 100, NULL)",
                             "INSERT INTO MF_YG VALUES ('E1', '王', '', '', '2', '004', '', '', '')"}};
    QSqlDatabase& connection = database.connection();
};

TEST_F(SqlTranslationRandom, TranslatedStatementsRunOrFailWithAnError)
{
    RandomInputs random(20260301);
    const int count = RandomInputs::Count(3000);
    int ran = 0;
    for (int i = 0; i < count; ++i) {
        // The module's own statements (in any letter case) must run; mutated ones and pieces may not.
        const int kind = random.below(4);
        const int seed = random.below(int(Seeds.size()));
        QString statement = Seeds[seed];
        if (kind == 0) {
            statement = random.chance(50) ? statement.toLower() : statement;
            // The first seed creates the temporary table, the others need it.
            QSqlQuery(connection).exec(seed == 0 ? QStringLiteral("DROP TABLE IF EXISTS \"#TF_FS1\"")
                                                 : QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS \"#TF_FS1\" "
                                                                  "(BIL_NO, YG_NO, DEP_NO, A_MTN, BACC_NO, YG_NAME, ID_NO, ENG_NAME)"));
        }
        else
            statement = kind == 1 ? mutated(random, statement) : random.joined(Pieces, 30);
        const std::string shown = "input " + std::to_string(i) + " (seed " + std::to_string(random.seed()) + "): " + statement.toStdString();

        QString joinedTokens;
        for (const db::SqlToken& token : db::TokenizeSql(statement))
            joinedTokens += token.text;
        ASSERT_EQ(joinedTokens, statement) << shown;

        const QString translated = db::SqlServerToStandardSql(statement);
        ASSERT_EQ(literals(translated), literals(statement)) << shown << "\n -> " << translated.toStdString();

        // It runs, or SQLite refuses it; either way the program goes on.
        QSqlQuery query(connection);
        const bool runs = !translated.trimmed().isEmpty() && query.exec(translated);
        if (runs) {
            ++ran;
            while (query.next()) {
            }
        }
        if (kind == 0)
            ASSERT_TRUE(runs) << shown << "\n -> " << translated.toStdString();
        query.finish();
        QSqlQuery(connection).exec("DROP TABLE IF EXISTS \"#T\"");
    }
    EXPECT_GE(ran, count / 5);
    ReportInputsTried("SQL Server to SQLite translation", count);
}

} // namespace
