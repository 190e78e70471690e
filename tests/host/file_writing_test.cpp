// What the command line writes, on a machine that fails it: a database locked by another user after
// the file was written, two exports to one file at once, a full disk under a PDF, an interrupted
// demo company, paths that are no files. What it says is what happened, in the clerk's language.
#include "command_line.h"
#include "runtime/language.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

QString hostText(int id)
{
    Language::LanguageID = 1;
    InitLanguage();
    return LoadFormResourceStr("RAR1HOST", id);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

class FileWriting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // One demo company for the whole suite: every scenario reads it, none changes its data.
        folder = new QTemporaryDir;
        db = folder->filePath("company.db");
        ASSERT_EQ(RunRar1(db, {"init-demo", "--employees", "3000"}).status, 0);
        ASSERT_EQ(RunRar1(db, {"params", "10", "ID1=012", "ID2=007"}).status, 0);
    }
    static void TearDownTestSuite() { delete folder; }

    Outcome rar1(const QStringList& arguments) const { return RunRar1(db, arguments); }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Files in `where` beside the ones named: temporary files left behind.
    static QStringList leftovers(const QString& where, QStringList named)
    {
        QStringList files = QDir(where).entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : named)
            files.removeAll(name);
        return files;
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline QString db;
    QTemporaryDir dir;
    const QStringList february{"--today", "2026-03-01", "--pay-from", "115/02/01", "--pay-to", "115/02/28"};
};

// Each scenario runs against an earlier file (or none) and says what must be true afterwards: the
// exit status, and whether the earlier file stayed byte for byte.
TEST_F(FileWriting, WhatIsReportedIsWhatHappened)
{
    // Another user holds the database's write lock while the export remembers the file's name.
    const auto lockedDatabase = [](const std::function<Outcome()>& run) {
        QSqlDatabase lock = QSqlDatabase::addDatabase("QSQLITE", "lock");
        lock.setDatabaseName(db);
        EXPECT_TRUE(lock.open());
        EXPECT_TRUE(QSqlQuery(lock).exec("BEGIN IMMEDIATE"));
        const Outcome outcome = run();
        QSqlQuery(lock).exec("ROLLBACK");
        lock.close();
        lock = QSqlDatabase();
        QSqlDatabase::removeDatabase("lock");
        return outcome;
    };
    const QString media = path("SALARY.TXT");
    const Outcome busy = lockedDatabase([&] { return rar1(QStringList{"transfer", "10", "--out", media, "--force"} + february); });
    EXPECT_EQ(busy.status, 1);
    EXPECT_TRUE(busy.err.contains(hostText(620).section("%1", 0, 0))) << busy.err.toStdString();
    EXPECT_FALSE(QFile::exists(media)) << "a file is left beside a failure";
    EXPECT_TRUE(leftovers(dir.path(), {}).isEmpty()) << leftovers(dir.path(), {}).join(' ').toStdString();

    // Two exports to one new file at once: one writes, the other refuses as for an existing file.
    // With --force both write, and the file is whole.
    const QString bin = QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath("rar1");
    for (const bool force : {false, true}) {
        for (int round = 0; round < 3; ++round) {
            QFile::remove(media);
            QProcess a, b;
            const QStringList arguments = QStringList{"--db", db, "transfer", "10", "--out", media} + february
                + (force ? QStringList{"--force"} : QStringList{});
            a.start(bin, arguments);
            b.start(bin, arguments);
            ASSERT_TRUE(a.waitForFinished(120000) && b.waitForFinished(120000));
            QList<int> statuses{a.exitCode(), b.exitCode()};
            std::sort(statuses.begin(), statuses.end());
            EXPECT_EQ(statuses, force ? QList<int>({0, 0}) : QList<int>({0, 2})) << "round " << round << ": " << b.readAllStandardError().toStdString();
            const Outcome verified = rar1({"verify", "10", media});
            EXPECT_EQ(verified.status, 0) << verified.err.toStdString();
            EXPECT_TRUE(leftovers(dir.path(), {"SALARY.TXT"}).isEmpty());
        }
    }

    // A list or a description is written only where it replaces nothing, unless asked to.
    const QByteArray earlier("an earlier PDF");
    for (const QStringList& command : {QStringList{"list", "10", "--pdf"}, QStringList{"describe", "10", "--pdf"}}) {
        QFile file(path("earlier.pdf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();
        const QStringList conditions = command.first() == "describe" ? QStringList() : february;
        const Outcome refused = rar1(command + QStringList{path("earlier.pdf")} + conditions);
        EXPECT_EQ(refused.status, 2) << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains(hostText(607).arg(path("earlier.pdf")))) << refused.err.toStdString();
        EXPECT_EQ(contentOf(path("earlier.pdf")), earlier);
        EXPECT_EQ(rar1(command + QStringList{path("earlier.pdf"), "--force"} + conditions).status, 0);
        EXPECT_TRUE(contentOf(path("earlier.pdf")).startsWith("%PDF"));
    }
}

// PDFs on a disk that fills up: the earlier file stays, nothing half written is left, the status
// says so. Mounting needs the right to do so (CI runs as root); elsewhere the test is skipped.
TEST_F(FileWriting, AFullDiskKeepsTheEarlierPdf)
{
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const QString small = path("small");
    ASSERT_TRUE(QDir().mkdir(small));
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(small)};

    const QByteArray earlier(4000, 'P');
    for (const QStringList& command : {QStringList{"list", "10", "--pdf"}, QStringList{"describe", "10", "--pdf"},
                                       QStringList{"transfer", "10", "--out", path("S.TXT"), "--list"}}) {
        const QString pdf = small + "/l.pdf";
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();
        const Outcome run = rar1(command + QStringList{pdf, "--force"} + (command.first() == "describe" ? QStringList() : february));
        EXPECT_EQ(run.status, 1) << command.join(' ').toStdString() << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(hostText(612))) << run.err.toStdString();
        EXPECT_EQ(contentOf(pdf), earlier) << command.join(' ').toStdString();
        EXPECT_EQ(leftovers(small, {"l.pdf"}), QStringList()) << command.join(' ').toStdString();
    }
}

// The demo company never replaces a database unasked, nor leaves its temporary file when stopped.
TEST_F(FileWriting, TheDemoCompanyReplacesNothingUnaskedAndLeavesNothingWhenStopped)
{
    const QString text = path("notes.db");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("the clerk's notes") > 0);
    file.close();
    const Outcome refused = RunRar1(text, {"init-demo"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(contentOf(text), "the clerk's notes");

    QProcess init;
    init.start(QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath("rar1"),
               {"--db", path("big.db"), "init-demo", "--employees", "400000"});
    ASSERT_TRUE(init.waitForStarted());
    for (int i = 0; i < 200 && leftovers(dir.path(), {"notes.db"}).isEmpty(); ++i)
        QThread::msleep(25);
    QThread::msleep(300);
    init.terminate();
    ASSERT_TRUE(init.waitForFinished(30000));
    EXPECT_EQ(leftovers(dir.path(), {"notes.db"}), QStringList()) << "the stopped run left its file";
}

// Bad input on the command line: one line in the clerk's language naming the cause, and no hang on
// a pipe or a device.
TEST_F(FileWriting, BadInputIsNamedAndNeverHangs)
{
    const QString fifo = path("PIPE");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling.pdf")));
    ASSERT_EQ(rar1({"params", "23", "ID1=", "ID2="}).status, 0);
    const struct {
        QStringList arguments;
        int status;
        QString says;
    } cases[] = {
        {{"verify", "10", fifo}, 1, hostText(603).arg(fifo)},
        {{"verify", "10", "/dev/zero"}, 1, hostText(603).arg("/dev/zero")},
        {{"list", "10", "--pdf", fifo}, 1, hostText(601).arg(fifo)},
        {{"list", "10", "--pdf", path("dangling.pdf")}, 1, hostText(602).arg(path("dangling.pdf"), path("nowhere"))},
        {{"transfer", "10", "--out", ""}, 1, hostText(605).arg("")},
        {QStringList{"transfer", "23", "--out", dir.path() + "/"} + february, 1, hostText(605).arg(".TXT")},
        {{"init-demo", "--seed", "abc"}, 1, hostText(641).arg("--seed", "abc").arg(0).arg(UINT_MAX)},
        {{"--today", "9999-12-31", "banks"}, 1, hostText(640).arg("9999-12-31")},
        {{"--company", "99", "params", "10"}, 1, hostText(202).arg("99")},
        {{"describe", "x"}, 1, hostText(203).arg("x")},
    };
    for (const auto& c : cases) {
        const Outcome run = rar1(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.says)) << c.arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(".TXT")));

    const Outcome banks = RunRar1(path("none.db"), {"banks"});
    EXPECT_EQ(banks.status, 0) << banks.err.toStdString();
    EXPECT_EQ(banks.out.count('\n'), 28);
    EXPECT_FALSE(QFile::exists(path("none.db")));
    for (const QString& program : {QString("rar1"), QString("rar1-desktop")}) {
        QProcess help;
        // Asked where there is no display at all, as over a plain terminal.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(display);
        help.setProcessEnvironment(environment);
        help.start(QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath(program), {"--help"});
        ASSERT_TRUE(help.waitForFinished(30000));
        EXPECT_EQ(help.exitCode(), 0) << program.toStdString();
        EXPECT_TRUE(help.readAllStandardOutput().startsWith("usage: " + program.toUtf8())) << program.toStdString();
    }
}

} // namespace
