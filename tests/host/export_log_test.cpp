// The export log and the changes since a bank's last file, through `rar1` as a clerk's script runs
// it: a changed account holds the file until accepted, other changes are shown, every file written
// is logged with its employees, `verify` knows a logged file byte for byte, and the files are the
// clerk's alone.
#include "command_line.h"
#include "demo_banks.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class ExportLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RunRar1(db, {"init"}).status, 0);
        ASSERT_EQ(RunRar1(db, {"params", "10", "ID1=012", "ID2=007"}).status, 0);
        QFile csv(path("pay.csv"));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("\xEF\xBB\xBF員工代號,姓名,帳號,實發金額\r\n"
                  "E001,王小明,01234567890123,30000\r\nE002,李大同,01234567890124,40000\r\nE003,陳美麗,01234567890125,50000\r\n");
        csv.close();
        const Outcome pay = RunRar1(db, {"import", "pay", path("pay.csv"), "--pay-date", "115/02/25"});
        ASSERT_EQ(pay.status, 0) << pay.err.toStdString();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    Outcome transfer(const QString& file, const QStringList& more = {})
    {
        return RunRar1(db, QStringList{"--lang", "2", "--today", "2026-03-01", "transfer", "10", "--out", path(file), "--pay-from", "115/02/01",
                                       "--pay-to", "115/02/28", "--date", "115/03/05"} + more);
    }

    // The employees' lines of export `number`, as the log keeps them.
    QStringList loggedLines(int number)
    {
        QStringList lines;
        {
            QSqlDatabase connection = QSqlDatabase::addDatabase("QSQLITE", "export-log-test");
            connection.setDatabaseName(db);
            EXPECT_TRUE(connection.open());
            QSqlQuery rows(connection);
            EXPECT_TRUE(rows.exec(QString("SELECT PAY_LINES FROM TF_EXPORT_LOG WHERE LOG_NO=%1").arg(number)));
            if (rows.next())
                lines = rows.value(0).toString().split('\n', Qt::SkipEmptyParts);
        }
        QSqlDatabase::removeDatabase("export-log-test");
        return lines;
    }

    QTemporaryDir dir;
    const QString db = dir.filePath("company.db");
};

TEST_F(ExportLog, AChangedAccountHoldsTheFileUntilAcceptedAndOtherChangesAreShown)
{
    const Outcome first = transfer("first.txt");
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains("nothing to compare")) << first.err.toStdString();

    const struct Step {
        const char* what;
        QStringList statements;
        QStringList options;
        int status;
        QStringList errors;   // each on a stderr line
        bool written;
    } steps[] = {
        {"an account changed is held", {"UPDATE MF_YG SET BACC1_NO='09999999999999' WHERE YG_NO='E002'"}, {}, 2,
         {"E002: account changed = 01234567890124 → 09999999999999"}, false},
        {"accepted, it is written", {}, {"--accept-changes"}, 0, {"E002: account changed"}, true},
        {"added, left out and a tripled amount are shown, not held",
         {"UPDATE TF_FS1 SET AMTN_NET=AMTN_NET*3 WHERE YG_NO='E001'", "DELETE FROM TF_FS1 WHERE YG_NO='E003'",
          "INSERT INTO MF_YG (YG_NO,NAME,PAY_MTH,BACC1_NO) VALUES ('E004','林新人','2','01234567890126')",
          "INSERT INTO TF_FS1 (FS_NO,YG_NO,AMTN_NET) SELECT FS_NO,'E004',20000 FROM TF_FS1 WHERE YG_NO='E001'"},
         {},
         0,
         {"E004: added = account 01234567890126, amount 20,000", "E003: left out = account 01234567890125, amount 50,000",
          "E001: amount moved by more than a third = 30,000 → 90,000"},
         true},
        {"nothing changed, nothing shown", {}, {}, 0, {}, true},
    };
    int step = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        ExecOn(db, s.statements);
        const QString file = QString("step%1.txt").arg(++step);
        const Outcome run = transfer(file, s.options);
        EXPECT_EQ(run.status, s.status) << run.err.toStdString();
        for (const QString& error : s.errors)
            EXPECT_TRUE(run.err.contains(error)) << run.err.toStdString();
        if (s.errors.isEmpty())
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(QFile::exists(path(file)), s.written);
    }

    const Outcome log = RunRar1(db, {"log", "10", "--json"});
    ASSERT_EQ(log.status, 0) << log.err.toStdString();
    const QJsonArray exports = QJsonDocument::fromJson(log.out.toUtf8()).array();
    ASSERT_EQ(exports.size(), 4) << "the held export is not logged";
    EXPECT_EQ(exports[0].toObject()["number"].toInt(), 4) << "newest first";
    EXPECT_EQ(exports[3].toObject()["file"].toString(), path("first.txt"));
    EXPECT_EQ(exports[2].toObject()["employees"].toInt(), 3);
    EXPECT_EQ(exports[2].toObject()["total"].toDouble(), 120000);
    EXPECT_EQ(loggedLines(1), QStringList({"E001\t01234567890123\t30000.00", "E002\t01234567890124\t40000.00", "E003\t01234567890125\t50000.00"}));
    EXPECT_EQ(loggedLines(2), QStringList({"E001\t01234567890123\t30000.00", "E002\t09999999999999\t40000.00", "E003\t01234567890125\t50000.00"}));
    EXPECT_EQ(RunRar1(db, {"log", "11"}).out, QString()) << "another bank has logged nothing";
}

TEST_F(ExportLog, VerifyNamesTheLoggedExportAndAChangedByteIsNotLogged)
{
    ASSERT_EQ(transfer("salary.txt").status, 0);
    const Outcome verified = RunRar1(db, {"verify", "10", path("salary.txt")});
    EXPECT_EQ(verified.status, 0) << verified.err.toStdString();
    EXPECT_TRUE(verified.out.contains("log: export 1 of bank 10, " + path("salary.txt"))) << verified.out.toStdString();

    QFile file(path("salary.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype digit = bytes.indexOf("30000");
    ASSERT_GE(digit, 0);
    bytes[digit] = '9';
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_TRUE(RunRar1(db, {"verify", "10", path("salary.txt")}).out.contains("log: not logged"));
}

TEST_F(ExportLog, FilesAreTheClerksAloneAndAReplacedFileKeepsItsNarrowerMode)
{
    ASSERT_EQ(transfer("salary.txt").status, 0);
    struct stat status {};
    // The transfer table as a sheet holds the same accounts and pay.
    for (const QString& table : {path("table.csv"), path("table.xlsx")}) {
        const Outcome written = RunRar1(db, {"table", "10", "--out", table, "--pay-from", "115/02/01", "--pay-to", "115/02/28"});
        ASSERT_EQ(written.status, 0) << written.err.toStdString();
        ASSERT_EQ(::stat(QFile::encodeName(table).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u) << table.toStdString();
    }
    ASSERT_EQ(::stat(QFile::encodeName(path("salary.txt")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    ASSERT_EQ(::chmod(QFile::encodeName(path("salary.txt")).constData(), 0400), 0);
    ASSERT_EQ(transfer("salary.txt", {"--force"}).status, 0);
    ASSERT_EQ(::stat(QFile::encodeName(path("salary.txt")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0400u);
}

} // namespace
