// Every bank's file from the demo company on the server equals, byte for byte, the file from the
// same company in SQLite: the statements, their translation and the rows read give the same media.
#include "server_company.h"
#include "support/test_company.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Case {
    int bank;
    QStringList options;   // conditions and answers besides February's pay runs
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << "bank " << c.bank << ' ' << c.options.join(' ').toStdString();
}

// What a bank needs before its transfer: its parameters, and for every bank but the post office
// accounts of eleven digits (the demo's fourteen-digit accounts without their bank code), which
// every bank's records hold whole.
std::vector<QStringList> Preparation(int bank)
{
    switch (bank) {
    case 2: return {{"params", "2", "ID3=12345678"}};
    case 6: return {{"params", "6", "ID1=12345678901", "ID2=009", "ID3=07"}};
    case 18: return {{"params", "18", "ID2=37"}};
    default: return {};
    }
}
const QStringList ElevenDigitAccounts = {"UPDATE MF_YG SET BACC1_NO = substr(BACC1_NO, 4) WHERE length(BACC1_NO) = 14",
                                         "UPDATE MF_YG SET BACC2_NO = substr(BACC2_NO, 4) WHERE length(BACC2_NO) = 14"};

void RunOnFile(const QString& file, const QString& statement)
{
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("company file"));
        connection.setDatabaseName(file);
        QSqlQuery query(connection);
        ASSERT_TRUE(connection.open() && query.exec(statement)) << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("company file"));
}

class SameFiles : public ServerCompany, public ::testing::WithParamInterface<Case> {};

TEST_P(SameFiles, AsFromTheSqliteFile)
{
    const Case& c = GetParam();
    for (const QStringList& preparation : Preparation(c.bank)) {
        ASSERT_EQ(onServer(preparation).status, 0);
        ASSERT_EQ(onFile(preparation).status, 0);
    }
    if (c.bank != 2) {
        for (const QString& statement : ElevenDigitAccounts) {
            RunAsSuperuser(database, statement);
            RunOnFile(file, statement);
        }
    }
    const QStringList transfer = QStringList{"transfer", QString::number(c.bank)} + february + c.options + QStringList{"--out"};
    const auto fromServer = StartRar1(server, transfer + QStringList{path("server.dat")});
    const auto fromFile = StartRar1(file, transfer + QStringList{path("file.dat")});
    const Outcome serverRun = FinishRar1(*fromServer), fileRun = FinishRar1(*fromFile);
    ASSERT_EQ(fileRun.status, 0) << fileRun.err.toStdString();
    ASSERT_EQ(serverRun.status, 0) << serverRun.err.toStdString();
    EXPECT_EQ(serverRun.out.section("\nfile:", 0, 0), fileRun.out.section("\nfile:", 0, 0)) << "count and total";
    const QByteArray expected = ReadFileBytes(path("file.dat"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(ReadFileBytes(path("server.dat")) == expected);
}

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (int bank = 1; bank <= 28; ++bank)
        cases.push_back({bank, bank == 2 ? QStringList{"--choice", "1", "--continue", "--prefix", "700"} : QStringList{}});
    cases.push_back({2, {"--choice", "2", "--continue", "--prefix", "700"}});   // the post office's account data file
    cases.push_back({17, {"--sort", "1"}});                                      // by department
    cases.push_back({17, {"--account", "1"}});
    cases.push_back({17, {"--account", "2"}});
    cases.push_back({10, {"--account", "0", "--title"}});                        // the holder's title
    cases.push_back({17, {"--kinds", "年終獎金"}});                               // a bonus category
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryBank, SameFiles, ::testing::ValuesIn(Cases()));

} // namespace
