#include "demo_banks.h"

#include "banks/wagbk2/check_digit.h"
#include "command_line.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <map>

std::string caseName(const ::testing::TestParamInfo<BankCase>& info)
{
    return "Bank" + std::to_string(info.param.bank) + (info.param.choice ? "File" + std::to_string(info.param.choice) : "");
}

void PrintTo(const BankCase& bank, std::ostream* out)
{
    *out << caseName({bank, 0});
}

std::vector<BankCase> everyBank()
{
    // The digits of the account each bank's records hold, where fewer than the demo's fourteen.
    static const std::map<int, int> digits{{3, 13}, {5, 11},  {6, 12},  {7, 13},  {8, 11},  {11, 12}, {12, 12}, {14, 12},
                                           {15, 11}, {17, 12}, {19, 12}, {20, 11}, {22, 12}, {25, 13}, {26, 12}, {28, 11}};
    std::vector<BankCase> cases;
    for (int bank = 1; bank <= 28; ++bank) {
        const auto fewer = digits.find(bank);
        cases.push_back({bank, bank == 2 ? 1 : 0, bank == 2 ? Accounts::PostOffice : bank == 18 ? Accounts::ElevenDigits : Accounts::Demo,
                         fewer == digits.end() ? 0 : fewer->second});
    }
    cases.insert(cases.begin() + 2, {2, 2, Accounts::PostOffice});
    return cases;
}

QStringList ChoiceOf(const BankCase& bank)
{
    return bank.choice ? QStringList{"--choice", QString::number(bank.choice)} : QStringList();
}

QStringList parametersOf(int bank)
{
    static const std::map<int, QStringList> parameters{
        {2, {"ID3=12345678"}},
        {3, {"ID1=5678"}},
        {6, {"ID1=12345678901", "ID2=009", "ID3=07"}},
        {10, {"ID1=012", "ID2=007"}},
        {17, {"ID1=1080"}},
        {18, {"ID1=123", "ID2=07"}},
        {23, {"ID1=12", "ID2=601", "ID3=1234567890", "ID4=2"}},
        {26, {"ID1=123456789012"}},
    };
    const auto found = parameters.find(bank);
    return found == parameters.end() ? QStringList() : found->second;
}

namespace {

// Runs `work` on a connection of its own to the database `file`.
void WithDatabase(const QString& file, const std::function<void(QSqlDatabase&)>& work)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "demo-banks");
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(db.transaction());
        work(db);
        ASSERT_TRUE(db.commit());
    }
    QSqlDatabase::removeDatabase("demo-banks");
}

} // namespace

void rewriteAccounts(const QString& file, const std::function<QString(const QString&)>& rewrite)
{
    WithDatabase(file, [&](QSqlDatabase& db) {
        QSqlQuery select(db);
        ASSERT_TRUE(select.exec("SELECT YG_NO, BACC1_NO, BACC2_NO FROM MF_YG"));
        std::vector<QStringList> rows;
        while (select.next())
            rows.push_back({select.value(0).toString(), rewrite(select.value(1).toString()), rewrite(select.value(2).toString())});
        for (const QStringList& row : rows) {
            QSqlQuery update(db);
            update.prepare("UPDATE MF_YG SET BACC1_NO = ?, BACC2_NO = ? WHERE YG_NO = ?");
            update.addBindValue(row[1]);
            update.addBindValue(row[2]);
            update.addBindValue(row[0]);
            ASSERT_TRUE(update.exec());
        }
    });
}

QString withCheckDigits(const QString& account)
{
    if (account.size() != 14)
        return account;
    return account.left(6) + *PostOfficeCheckDigit(account.left(6)) + account.mid(7, 6) + *PostOfficeCheckDigit(account.mid(7, 6));
}

QString DemoCompanyFor(const QDir& folder, Accounts accounts, int employees, int accountDigits)
{
    const QString file = folder.filePath(QString("company%1-%2-%3.db").arg(int(accounts)).arg(employees).arg(accountDigits));
    if (QFile::exists(file))
        return file;
    if (accountDigits > 0) {
        EXPECT_TRUE(QFile::copy(DemoCompanyFor(folder, accounts, employees), file));
        rewriteAccounts(file, [accountDigits](const QString& account) { return account.right(accountDigits); });
        return file;
    }
    if (accounts == Accounts::Demo) {
        const QStringList size = employees > 0 ? QStringList{"--employees", QString::number(employees)} : QStringList();
        EXPECT_EQ(RunRar1(file, QStringList{"init-demo"} + size).status, 0);
        return file;
    }
    EXPECT_TRUE(QFile::copy(DemoCompanyFor(folder, Accounts::Demo, employees), file));
    if (accounts == Accounts::PostOffice)
        rewriteAccounts(file, withCheckDigits);
    else
        rewriteAccounts(file, [](const QString& account) { return account.right(11); });
    return file;
}

void ExecOn(const QString& file, const QStringList& statements)
{
    WithDatabase(file, [&](QSqlDatabase& db) {
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            query.prepare(statement);
            EXPECT_TRUE(query.exec()) << statement.toStdString() << ": " << query.lastError().text().toStdString();
        }
    });
}
