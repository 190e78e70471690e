// Dirty company data against every bank, through `rar1 transfer` as a script runs it: each kind of
// dirty value, put where the bank's file would carry it, is refused naming the employee (or the pay
// line) and no file is written; a bank whose records mark a debit keeps a negative amount. A bounded
// randomized run puts random dirty values into random employees and parameters: every export either
// refuses naming whom, or writes a file that the bank's own reader accepts.
#include "bank_layouts.h"
#include "command_line.h"
#include "demo_banks.h"
#include "support/random_inputs.h"
#include "transfer/media_file_reader.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum class Dirt { Control, Negative, NotANumber, AccountLetters, AccountTooLong, ParameterNotBig5, NullName, OrphanLine };
constexpr Dirt Dirts[] = {Dirt::Control,        Dirt::Negative,        Dirt::NotANumber, Dirt::AccountLetters,
                          Dirt::AccountTooLong, Dirt::ParameterNotBig5, Dirt::NullName,   Dirt::OrphanLine};

// The employee the dirt is put into: number, name and the account his bank writes.
struct Target {
    QString number, name, account;
};

// What became of one export of a dirty company.
struct Export {
    Outcome run;
    QByteArray bytes;   // the file, when one was written
    bool written = false;
};

// Banks whose records mark a debit: a negative amount has its meaning there.
bool marksDebits(int bank)
{
    return bank == 11 || bank == 21 || bank == 22;
}

bool holdsAmounts(const MediaLayout& layout)
{
    for (const MediaRecord& record : layout.detail)
        for (const MediaField& field : record.fields())
            if (field.source.reading().kind == FieldKind::Amount)
                return true;
    return false;
}

bool writesColumn(const MediaLayout& layout, const QString& column)
{
    for (const MediaRecord& record : layout.detail)
        for (const MediaField& field : record.fields())
            if (field.source.column() == column)
                return true;
    return false;
}

// The statements that put `dirt` into the company for `target`.
QStringList dirtied(Dirt dirt, const Target& target, const BankCase& bank)
{
    const QString who = QString("WHERE YG_NO = '%1'").arg(target.number);
    const QString bankRow = QString::number(bank.bank);
    switch (dirt) {
    case Dirt::Control:
        // Into what the bank writes of him: his identity number, else his account.
        return {writesColumn(BankLayout(bank.bank, bank.choice), "ID_NO")
                    ? "UPDATE MF_YG SET ID_NO = 'A1234' || char(13, 10) || '567' " + who
                    : "UPDATE MF_YG SET BACC1_NO = substr(BACC1_NO, 1, 3) || char(13, 10) || substr(BACC1_NO, 6) " + who};
    case Dirt::Negative: return {"UPDATE TF_FS1 SET AMTN_NET = -5000 " + who};
    case Dirt::NotANumber: return {"UPDATE TF_FS1 SET AMTN_NET = '1,000' " + who};
    case Dirt::AccountLetters: return {"UPDATE MF_YG SET BACC1_NO = substr(BACC1_NO, 1, 4) || '-AB' || substr(BACC1_NO, 8) " + who};
    case Dirt::AccountTooLong: return {"UPDATE MF_YG SET BACC1_NO = BACC1_NO || '0000000000' " + who};
    case Dirt::ParameterNotBig5:
        return {"INSERT OR IGNORE INTO BANK1 (BNK_NO) VALUES ('" + bankRow + "')",
                QString("UPDATE BANK1 SET ID1 = '1%1', ID2 = '2%1', ID3 = '3%1', ID4 = '4%1' WHERE BNK_NO = '%2'").arg(QString::fromUtf8("😀"), bankRow)};
    case Dirt::NullName: return {"UPDATE MF_YG SET NAME = NULL " + who};
    case Dirt::OrphanLine:
        // A regular salary line of February, the month and category the export takes.
        return {"INSERT INTO TF_FS1 (FS_NO, YG_NO, DEP, AMTN_NET, BIL_NO) SELECT FS_NO, 'GHOST', DEP, 1234, BIL_NO FROM TF_FS1 " + who
                + " AND FS_NO IN (SELECT FS_NO FROM MF_FS WHERE FS_DD LIKE '2026-02-%') AND (BIL_NO IS NULL OR BIL_NO = '') LIMIT 1"};
    }
    return {};
}

class DirtyData : public ::testing::TestWithParam<BankCase> {
protected:
    static void SetUpTestSuite() { folder_ = std::make_unique<QTemporaryDir>(); }
    static void TearDownTestSuite() { folder_.reset(); }

    // A copy of the small demo company with the bank's accounts and parameters, and `statements` run on it.
    static QString company(const BankCase& bank, const QStringList& statements)
    {
        const QString clean = QDir(folder_->path()).filePath(QString("clean%1-%2.db").arg(bank.bank).arg(bank.choice));
        if (!QFile::exists(clean)) {
            EXPECT_TRUE(QFile::copy(DemoCompanyFor(QDir(folder_->path()), bank.accounts, 12, bank.accountDigits), clean));
            if (!parametersOf(bank.bank).isEmpty())
                EXPECT_EQ(RunRar1(clean, QStringList{"params", QString::number(bank.bank)} + parametersOf(bank.bank)).status, 0);
        }
        const QString file = QDir(folder_->path()).filePath(QString("dirty%1.db").arg(++copies_));
        EXPECT_TRUE(QFile::copy(clean, file));
        ExecOn(file, statements);
        return file;
    }

    // The first employee paid by transfer in February 115 with both his accounts' first one filled.
    static Target target(const QString& company)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dirty-target");
        Target t;
        db.setDatabaseName(company);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec("SELECT B.YG_NO, B.NAME, B.BACC1_NO FROM MF_YG B JOIN TF_FS1 A ON A.YG_NO = B.YG_NO JOIN MF_FS F ON F.FS_NO = A.FS_NO "
                       "WHERE B.PAY_MTH = '2' AND B.BACC1_NO <> '' AND B.NAME <> '' AND F.FS_DD LIKE '2026-02-%' ORDER BY B.YG_NO LIMIT 1");
            if (query.next())
                t = {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("dirty-target");
        return t;
    }

    static Export exportFrom(const BankCase& bank, const QString& company)
    {
        const QString out = company + ".txt";
        Export e;
        e.run = RunRar1(company, QStringList{"--today", "2026-03-01", "transfer", QString::number(bank.bank), "--out", out, "--pay-from",
                                             "115/02/01", "--pay-to", "115/02/28", "--continue"}
                                     + ChoiceOf(bank));
        QFile file(out);
        e.written = file.open(QIODevice::ReadOnly);
        if (e.written)
            e.bytes = file.readAll();
        return e;
    }

    // The file read back by the bank's own layout, with the parameters its row keeps.
    static QStringList readerFailures(const BankCase& bank, const QString& company, const QByteArray& bytes)
    {
        QMap<QString, QString> parameters;
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "dirty-reading");
        db.setDatabaseName(company);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec("SELECT ID1, ID2, ID3, ID4, ID5 FROM BANK1 WHERE BNK_NO = '" + QString::number(bank.bank) + "'");
            if (query.next())
                for (int i = 0; i < 5; ++i)
                    parameters.insert(QString("ID%1").arg(i + 1), query.value(i).toString());
        }
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("dirty-reading");
        RecordContext context;
        context.parameters = &parameters;
        return ReadMediaFile(BankLayout(bank.bank, bank.choice), bytes, context).failures;
    }

    static std::unique_ptr<QTemporaryDir> folder_;
    static int copies_;
};

std::unique_ptr<QTemporaryDir> DirtyData::folder_;
int DirtyData::copies_ = 0;

// Whether the refusal names the employee: by number, name or account, whichever he is known by.
bool names(const QString& message, const Target& target)
{
    // The post office names a nameless employee by his bureau, the first six digits of his account.
    return message.contains(target.number) || (!target.name.isEmpty() && message.contains(target.name))
        || message.contains(target.account.left(6));
}

int tried = 0, refused = 0, writtenClean = 0;

TEST_P(DirtyData, EachKindOfDirtyValueIsRefusedNamingWhomBeforeAnythingIsWritten)
{
    const BankCase& bank = GetParam();
    const QString clean = company(bank, {});
    const Export sound = exportFrom(bank, clean);
    ASSERT_EQ(sound.run.status, 0) << "the clean company is written: " << sound.run.err.toStdString();
    EXPECT_EQ(readerFailures(bank, clean, sound.bytes), QStringList());
    const Target t = target(clean);
    ASSERT_FALSE(t.number.isEmpty());
    for (const Dirt dirt : Dirts) {
        const QString db = company(bank, dirtied(dirt, t, bank));
        const Export e = exportFrom(bank, db);
        const std::string what = "dirt " + std::to_string(int(dirt)) + ": " + e.run.err.left(600).toStdString();
        ++tried;
        // A negative amount where the record marks debits or holds no amount, a name where the bank
        // needs none, a parameter the bank does not write: the file may be written, and read back clean.
        const MediaLayout& layout = BankLayout(bank.bank, bank.choice);
        const bool mayBeWritten = (dirt == Dirt::Negative && (marksDebits(bank.bank) || !holdsAmounts(layout)))
            || (dirt == Dirt::NullName && layout.nameColumn != "YG_NAME") || dirt == Dirt::ParameterNotBig5;
        if (e.run.status == 0 && mayBeWritten) {
            EXPECT_TRUE(readerFailures(bank, db, e.bytes).isEmpty()) << what;
            ++writtenClean;
            continue;
        }
        EXPECT_NE(e.run.status, 0) << what;
        EXPECT_FALSE(e.written) << what;
        if (dirt == Dirt::OrphanLine)
            EXPECT_TRUE(e.run.err.contains("GHOST")) << what;
        else if (dirt != Dirt::ParameterNotBig5)
            EXPECT_TRUE(names(e.run.err, t)) << what;
        refused += e.run.status != 0 ? 1 : 0;
    }
}

// Random dirty values in random employees, pay lines and parameters: never a file its reader rejects.
TEST_P(DirtyData, RandomDirtIsRefusedOrGivesAFileItsReaderAccepts)
{
    const BankCase& bank = GetParam();
    RandomInputs random(quint32(bank.bank * 31 + bank.choice));
    const QStringList dirty{"", " ", "\t", "\r\n", QString(QChar(0x7F)), "-", "1,0", "abc", QString::fromUtf8("😀"), QString::fromUtf8("王"),
                            "0000000000000000000000", "9", "1e3"};
    const QStringList columns{"NAME", "ID_NO", "BACC1_NO", "BACC1_TIT"};
    const int runs = RandomInputs::Count(2);
    for (int i = 0; i < runs; ++i) {
        QStringList statements;
        for (int k = random.between(1, 3); k > 0; --k) {
            const QString value = random.joined(dirty, 2);
            const QString quoted = "'" + QString(value).replace("'", "''") + "'";
            switch (random.below(3)) {
            case 0:
                statements << QString("UPDATE MF_YG SET %1 = %2 WHERE YG_NO = (SELECT YG_NO FROM MF_YG ORDER BY YG_NO LIMIT 1 OFFSET %3)")
                                  .arg(random.pick(columns), quoted)
                                  .arg(random.below(12));
                break;
            case 1:
                statements << QString("UPDATE TF_FS1 SET AMTN_NET = %1 WHERE rowid = (SELECT rowid FROM TF_FS1 LIMIT 1 OFFSET %2)")
                                  .arg(random.chance(50) ? quoted : QString::number(random.between(-99999, 99999)))
                                  .arg(random.below(40));
                break;
            default:
                statements << "INSERT OR IGNORE INTO BANK1 (BNK_NO) VALUES ('" + QString::number(bank.bank) + "')"
                           << QString("UPDATE BANK1 SET ID%1 = %2 WHERE BNK_NO = '%3'").arg(random.between(1, 5)).arg(quoted).arg(bank.bank);
            }
        }
        const QString db = company(bank, statements);
        const Export e = exportFrom(bank, db);
        const std::string what = statements.join("; ").toStdString() + "\n" + e.run.err.left(600).toStdString();
        ++tried;
        if (e.run.status == 0) {
            EXPECT_TRUE(e.written) << what;
            EXPECT_EQ(readerFailures(bank, db, e.bytes), QStringList()) << what;
            ++writtenClean;
        } else {
            EXPECT_FALSE(e.written) << what;
            ++refused;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBank, DirtyData, ::testing::ValuesIn(everyBank()), caseName);

class DirtyDataFigures : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (tried > 0)
            printf("dirty data: %d exports tried, %d refused, %d written and read back clean\n", tried, refused, writtenClean);
    }
};
const auto* const figures = ::testing::AddGlobalTestEnvironment(new DirtyDataFigures);

} // namespace
