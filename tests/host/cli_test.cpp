// The command-line host as a script uses it: exit statuses, one-line errors, the files it writes.
#include "command_line.h"
#include "demo_banks.h"
#include "runtime/report/pdf_text.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CommandLine : public ::testing::Test {
protected:
    Outcome rar1(const QStringList& arguments) { return RunRar1(db, arguments); }
    // The demo's accounts cut to the eleven digits every bank's records hold, for banks that take
    // fewer than its fourteen (and refuse longer ones).
    void elevenDigitAccounts() { rewriteAccounts(db, [](const QString& account) { return account.right(11); }); }
    QString path(const QString& name) const { return dir.filePath(name); }

    void SetUp() override { ASSERT_EQ(rar1({"init-demo"}).status, 0); }

    QTemporaryDir dir;
    QString db = dir.filePath("company.db");
    const QStringList february{"--today", "2026-03-01", "--pay-from", "115/02/01", "--pay-to", "115/02/28"};
};

TEST_F(CommandLine, TransferWritesTheFileAndTheListAndRefusesToOverwrite)
{
    ASSERT_EQ(rar1({"params", "10", "ID1=012", "ID2=007"}).status, 0);
    const Outcome run = rar1(QStringList{"transfer", "10", "--out", path("SALARY.TXT"), "--list", path("list.pdf")} + february);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("employees: ")) << run.out.toStdString();
    QFile file(path("SALARY.TXT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.first().size(), 63) << "a 62-byte header from the year 100 on, then CR";
    EXPECT_EQ(lines.first().mid(14, 3), "012");
    for (int i = 1; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 61);
    EXPECT_TRUE(QFile::exists(path("list.pdf")));

    const Outcome again = rar1(QStringList{"transfer", "10", "--out", path("SALARY.TXT")} + february);
    EXPECT_EQ(again.status, 2);
    EXPECT_EQ(again.err.count('\n'), 1) << again.err.toStdString();
    EXPECT_EQ(rar1(QStringList{"transfer", "10", "--out", path("SALARY.TXT"), "--force"} + february).status, 0);
}

// A run that prints nothing goes without fonts; one that prints has them, and a printout that
// would have no text is refused rather than written.
TEST_F(CommandLine, PrintedPagesCarryTheirTextAndAreRefusedWithoutFonts)
{
    elevenDigitAccounts();
    const Outcome transfer = rar1(QStringList{"transfer", "17", "--out", dir.path() + "/", "--list", path("t.pdf")} + february);
    ASSERT_EQ(transfer.status, 0) << transfer.err.toStdString();
    const Outcome listed = rar1(QStringList{"list", "17", "--pdf", path("l.pdf")} + february);
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    for (const QString& pdf : {path("t.pdf"), path("l.pdf")}) {
        const QString text = reporttest::PdfText(pdf);
        if (!text.isNull())
            EXPECT_TRUE(text.contains(QStringLiteral("薪資轉存清冊"))) << pdf.toStdString();
    }

    const Outcome fontless = RunRar1(db, QStringList{"list", "17", "--pdf", path("none.pdf")} + february, "minimal");
    EXPECT_EQ(fontless.status, 1);
    EXPECT_TRUE(fontless.err.contains("no font is installed")) << fontless.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.pdf")));
}

TEST_F(CommandLine, AFolderTakesTheProposedNameAndTheSummaryNamesTheFile)
{
    elevenDigitAccounts();
    ASSERT_EQ(rar1({"params", "17", "ID1=1080"}).status, 0);
    const Outcome run = rar1(QStringList{"transfer", "17", "--out", dir.path() + "/out/"} + february);
    ASSERT_EQ(run.status, 1) << "a folder that does not exist cannot take the file";
    QDir(dir.path()).mkdir("out");
    const Outcome written = rar1(QStringList{"transfer", "17", "--out", dir.path() + "/out/"} + february);
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_TRUE(written.out.contains("file: " + dir.path() + "/out/HNCBIN.DAT")) << written.out.toStdString();
    EXPECT_TRUE(QFile::exists(dir.path() + "/out/HNCBIN.DAT"));
    const Outcome existing = rar1(QStringList{"transfer", "17", "--out", dir.path() + "/out", "--force"} + february);
    EXPECT_EQ(existing.status, 0) << "an existing folder without the slash is a folder too: " << existing.err.toStdString();
}

// A list parameter is set by the value BANK1 keeps; the file is named after a parameter.
TEST_F(CommandLine, ListParametersAndAFileNamedAfterTheCustomerCode)
{
    const Outcome wrong = rar1({"params", "23", "ID2=601", "ID4=5"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("ID4") && wrong.err.contains("2 / 0")) << wrong.err.toStdString();
    EXPECT_TRUE(rar1({"params", "23"}).out.contains("ID2\t委託戶代號\t\n")) << "nothing was saved";

    ASSERT_EQ(rar1({"params", "23", "ID1=12", "ID2=601", "ID3=1234567890", "ID4=2"}).status, 0);
    EXPECT_TRUE(rar1({"params", "23"}).out.contains("ID4\t身分核對\t2"));
    const Outcome run = rar1(QStringList{"transfer", "23", "--out", dir.path() + "/"} + february);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QFile file(path("601.TXT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << run.out.toStdString();
    const QList<QByteArray> lines = file.readAll().split('\n');
    EXPECT_EQ(lines.first().mid(54, 4).toInt(), lines.size() - 2) << "the header counts the employee records; both dates take seven";
    EXPECT_EQ(lines[1].at(33), '2');
}

TEST_F(CommandLine, UsageAndDataErrorsEndWithStatusOne)
{
    EXPECT_EQ(rar1({"transfer", "10"}).status, 1) << "no --out";
    EXPECT_EQ(rar1({"transfer", "29", "--out", path("x")}).status, 1);
    EXPECT_EQ(rar1({"params", "10", "ID9=1"}).status, 1);
    const Outcome empty = rar1({"transfer", "10", "--out", path("EMPTY.TXT"), "--pay-from", "114/01/01", "--pay-to", "114/01/31"});
    EXPECT_EQ(empty.status, 1);
    EXPECT_FALSE(QFile::exists(path("EMPTY.TXT")));
    const Outcome badDate = rar1({"transfer", "10", "--out", path("X.TXT"), "--pay-from", "115/02/30"});
    EXPECT_EQ(badDate.status, 1);
    EXPECT_FALSE(badDate.err.isEmpty());
}

// A date option is taken whole or refused, naming what was given; a parameter the bank file cannot
// carry is refused naming it, and nothing is shown as kept; a saved holder-title choice can be
// switched off, and an employee without a title is refused, never dropped.
TEST_F(CommandLine, DatesAndParametersAreTakenWholeOrRefusedAndTheTitleCanBeSwitchedOff)
{
    ASSERT_EQ(rar1({"params", "10", "ID1=012", "ID2=007"}).status, 0);
    for (const char* date : {"115/02/289", "115/02/011", "115/02/01x", "115/02/01 junk", "115/02/00"}) {
        const Outcome run = rar1({"transfer", "10", "--out", path("D.TXT"), "--pay-from", "115/02/01", "--pay-to", date});
        EXPECT_EQ(run.status, 1) << date;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(date))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("D.TXT")));
    }
    const QString emoji = QString::fromUtf8("😀");
    for (const QString& assignment : {"ID3=1234" + emoji, "ID2=" + emoji.repeated(8), QString("ID3=12\r\n")}) {
        const Outcome run = rar1({"params", "2", assignment});
        EXPECT_EQ(run.status, 1) << assignment.toStdString();
        EXPECT_TRUE(run.err.contains(assignment.left(3))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_FALSE(rar1({"params", "2"}).out.contains(emoji.left(1)));

    const QStringList run{"transfer", "10", "--out", path("T.TXT"), "--force"};
    EXPECT_EQ(rar1(run + february + QStringList{"--title"}).status, 2) << "demo employees without a holder's title";
    EXPECT_EQ(rar1(run + february).status, 2) << "the title is remembered";
    const Outcome off = rar1(run + february + QStringList{"--no-title"});
    EXPECT_EQ(off.status, 0) << off.err.toStdString();
}

TEST_F(CommandLine, ParametersBanksAndDescription)
{
    EXPECT_EQ(rar1({"params", "10", "ID1=012"}).status, 0);
    EXPECT_TRUE(rar1({"params", "10"}).out.contains("ID1\t分行代號\t012"));
    const Outcome banks = rar1({"banks"});
    EXPECT_EQ(banks.status, 0);
    EXPECT_TRUE(banks.out.contains("10\t臺灣銀行\tSALARY.TXT")) << banks.out.toStdString();
    EXPECT_TRUE(banks.out.contains(" 1\t彰化商業銀行\tPccut.Txt")) << "a bank whose window has the general caption";
    EXPECT_EQ(banks.out.count('\n'), 28);
    EXPECT_TRUE(rar1({"describe", "10"}).out.contains("SALARY.TXT"));
    EXPECT_EQ(rar1({"describe", "10", "--pdf", path("d.pdf")}).status, 0);
    EXPECT_TRUE(QFile::exists(path("d.pdf")));
    EXPECT_EQ(rar1(QStringList{"list", "10", "--pdf", path("l.pdf"), "--sort", "1"} + february).status, 0);
    EXPECT_TRUE(QFile::exists(path("l.pdf")));
}

TEST_F(CommandLine, AWindowOptionIsSetByItsColumnAndAnExitCheckRunsAsTheClerkLeavesTheEdit)
{
    const Outcome set = rar1({"params", "3", "ID1=5678", "ID10=1"});
    ASSERT_EQ(set.status, 0) << set.err.toStdString();
    EXPECT_TRUE(set.out.contains("ID10\t桃園專用\t1")) << set.out.toStdString();
    EXPECT_TRUE(rar1({"params", "3"}).out.contains("ID10\t桃園專用\t1")) << "kept in BANK1 when the window closed";
    const Outcome wrong = rar1({"params", "3", "ID10=2"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("ID10") && wrong.err.contains("1 / 0")) << wrong.err.toStdString();

    ASSERT_EQ(rar1({"params", "5", "ID2=7"}).status, 0);
    EXPECT_TRUE(rar1({"params", "5"}).out.contains("ID2\t聯行/分行\t1")) << "a code other than 1 or 2 becomes 1";
}

TEST_F(CommandLine, TheCooperativeAndFirstBankFamilyTransferAndListOnTheDemoCompany)
{
    elevenDigitAccounts();
    ASSERT_EQ(rar1({"params", "6", "ID1=12345678901", "ID2=009", "ID3=07"}).status, 0);
    const QMap<QString, std::pair<QString, int>> files{
        {"3", {"Hncbin", 82}}, {"5", {"SALY.DAT", 83}}, {"6", {"SALY.DAT", 42}}, {"20", {"HNCBIN.DAT", 76}}};
    for (auto bank = files.cbegin(); bank != files.cend(); ++bank) {
        const QString folder = path("out" + bank.key());
        QDir().mkpath(folder);
        const Outcome run = rar1(QStringList{"transfer", bank.key(), "--out", folder + "/", "--list", folder + "/list.pdf"} + february);
        ASSERT_EQ(run.status, 0) << bank.key().toStdString() << run.err.toStdString();
        QFile file(folder + "/" + bank->first);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << bank.key().toStdString();
        const QList<QByteArray> lines = file.readAll().split('\n');
        EXPECT_GT(lines.size(), 2);
        EXPECT_EQ(lines.last(), "");
        for (int i = bank.key() == "6" ? 1 : 0; i + 1 < lines.size(); ++i)
            ASSERT_EQ(lines[i].size(), bank->second - 1) << "bank " << bank.key().toStdString() << " line " << i;
        EXPECT_TRUE(QFile::exists(folder + "/list.pdf"));
    }
}

TEST_F(CommandLine, ChoicesAndTheAccountErrorListOfThePostOffice)
{
    ASSERT_EQ(rar1({"params", "2", "ID3=12345678"}).status, 0);
    QDir(dir.path()).mkdir("out");
    const QString out = dir.path() + "/out/";
    const QStringList postOffice = february + QStringList{"--prefix", "700"};
    const Outcome held = rar1(QStringList{"transfer", "2", "--choice", "1", "--out", out} + postOffice);
    EXPECT_EQ(held.status, 2);
    const QStringList listed = held.err.trimmed().split('\n');
    EXPECT_GE(listed.size(), 1);
    for (const QString& line : listed)
        EXPECT_TRUE(line.startsWith("rar1: 帳號錯誤一覽表,請修改: 700")) << line.toStdString();
    EXPECT_TRUE(QDir(out).isEmpty()) << "nothing written";

    const Outcome deposit = rar1(QStringList{"transfer", "2", "--choice", "1", "--continue", "--out", out} + postOffice);
    ASSERT_EQ(deposit.status, 0) << deposit.err.toStdString();
    EXPECT_TRUE(deposit.out.contains("file: " + out + "PSBP-PAY"));
    const Outcome accounts = rar1(QStringList{"transfer", "2", "--choice", "2", "--continue", "--out", out} + postOffice);
    ASSERT_EQ(accounts.status, 0) << accounts.err.toStdString();
    QFile file(out + "TDOP-PAY");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray first = file.readLine();
    EXPECT_TRUE(first.startsWith("4060000001" "12345678" "700")) << first.toStdString();
    EXPECT_EQ(first.size(), 82);

    EXPECT_EQ(rar1(QStringList{"list", "2", "--form", "3", "--continue", "--pdf", path("407.pdf")} + postOffice).status, 0);
    EXPECT_TRUE(QFile::exists(path("407.pdf")));
    EXPECT_EQ(rar1(QStringList{"list", "2", "--form", "3", "--pdf", path("held.pdf")} + postOffice).status, 2);
    EXPECT_FALSE(QFile::exists(path("held.pdf")));
}

TEST_F(CommandLine, TheFormChoiceOfChangHwaBankAndChoicesThatDoNotExist)
{
    const Outcome delivery = rar1(QStringList{"list", "1", "--form", "2", "--pdf", path("delivery.pdf")} + february);
    EXPECT_EQ(delivery.status, 0) << delivery.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("delivery.pdf")));
    const Outcome missing = rar1(QStringList{"list", "1", "--form", "4", "--pdf", path("none.pdf")} + february);
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("no choice 4")) << missing.err.toStdString();
    EXPECT_EQ(rar1(QStringList{"list", "1", "--form", "0", "--pdf", path("none.pdf")} + february).status, 1);
    EXPECT_EQ(rar1(QStringList{"transfer", "1", "--out", dir.path() + "/"} + february).status, 1)
        << "without its row the bank proposes no file name";
    EXPECT_EQ(rar1(QStringList{"transfer", "10", "--choice", "2", "--out", path("S.TXT")} + february).status, 0)
        << "a bank without a choice dialog ignores the answer";
}

// A database that is missing, is no database, or lacks a table or a column: one line that names the
// cause, status 1, no crash and no file.
TEST_F(CommandLine, ABrokenDatabaseIsOneLineAndStatusOne)
{
    const auto refused = [this](const QString& database, const QString& cause, const QStringList& more = {}) {
        db = database;
        const Outcome run = rar1(QStringList{"transfer", "17", "--out", path("OUT.DAT")} + february + more);
        EXPECT_EQ(run.status, 1) << cause.toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(cause)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("OUT.DAT")));
    };
    const QString company = db;
    refused(path("missing.db"), "missing.db");
    QFile garbage(path("garbage.db"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    refused(path("garbage.db"), "file is not a database");

    const auto altered = [&](const QString& name, const QString& statement) {
        const QString copy = path(name);
        QFile::copy(company, copy);
        QProcess sqlite;
        sqlite.start("sqlite3", {copy, statement});
        sqlite.waitForFinished();
        return copy;
    };
    refused(altered("nobank.db", "DROP TABLE BANK1"), "BANK1");
    refused(altered("noaccount.db", "ALTER TABLE MF_YG DROP COLUMN BACC1_NO"), "BACC1_NO");
    // The conditions cannot be kept: nothing is exported under conditions that were not saved.
    refused(altered("noid4.db", "ALTER TABLE BANK1 DROP COLUMN ID4"), "ID4", {"--sort", "1"});
}

// A real full disk: a 12 KiB file system that holds an earlier 6,000-byte file has no room for the
// new one. The export fails with status 1 and one line, the earlier file stays byte for byte, and no
// temporary file is left. Mounting needs the right to do so (CI runs as root); elsewhere the test
// is skipped.
TEST_F(CommandLine, AFullDiskKeepsTheEarlierFileAndFails)
{
    elevenDigitAccounts();
    // A mount namespace of this test's own, so that the small file system is never seen outside.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        GTEST_SKIP() << "no small file system can be mounted here (" << std::strerror(errno) << ")";
    const QString small = path("small");
    ASSERT_TRUE(QDir().mkdir(small));
    if (::mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=12k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here (" << std::strerror(errno) << ")";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(small)};

    ASSERT_EQ(rar1({"params", "17", "ID1=1234"}).status, 0);
    const QString target = small + "/SALARY.DAT";
    const QByteArray earlier(6000, 'E');
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(earlier), earlier.size());
    file.close();

    const Outcome run = rar1(QStringList{"transfer", "17", "--out", target, "--force"} + february);
    EXPECT_EQ(run.status, 1) << run.out.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(target)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << "no summary of an export that failed: " << run.out.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), earlier);
    EXPECT_EQ(QDir(small).entryList(QDir::Files | QDir::Hidden), QStringList{"SALARY.DAT"});

    // The same export where there is room writes the whole file.
    const Outcome roomy = rar1(QStringList{"transfer", "17", "--out", path("SALARY.DAT"), "--force"} + february);
    EXPECT_EQ(roomy.status, 0) << roomy.err.toStdString();
    EXPECT_GT(QFileInfo(path("SALARY.DAT")).size(), 8 * 1024);
}

// Devices and pipes are refused and stay what they are. The device is a node of the null device in
// the test's folder (creating one needs root, as in CI), never the system's own.
TEST_F(CommandLine, ATargetThatIsNoRegularFileIsRefused)
{
    ASSERT_EQ(rar1({"params", "17", "ID1=1234"}).status, 0);
    QStringList targets;
    const QString device = path("NULL.DAT");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets << device;
    const QString fifo = path("PIPE.DAT");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    targets << fifo;
    for (const QString& target : targets) {
        const Outcome run = rar1(QStringList{"transfer", "17", "--out", target, "--force"} + february);
        EXPECT_EQ(run.status, 1) << target.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(target)) << run.err.toStdString();
        struct stat status {};
        ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &status), 0);
        EXPECT_FALSE(S_ISREG(status.st_mode)) << target.toStdString() << " was replaced by a file";
    }
}

} // namespace

// Every bank's file written from the demo company reads back by its layout; a damaged one is named
// by line and field, with status 2.
TEST_F(CommandLine, EveryBanksFileFromTheDemoCompanyVerifies)
{
    ASSERT_EQ(rar1({"params", "10", "ID1=012", "ID2=007"}).status, 0);
    ASSERT_EQ(rar1({"params", "17", "ID1=1080"}).status, 0);
    ASSERT_EQ(rar1({"params", "6", "ID1=12345678901", "ID2=009", "ID3=07"}).status, 0);
    // The banks whose records hold the demo's accounts of fourteen digits; the others refuse them
    // (never cut), and read back their files in the tests of every bank.
    for (const QString bank : {"10", "23", "24", "27"}) {
        const QString file = path("bank" + bank + ".txt");
        const Outcome written = rar1(QStringList{"transfer", bank, "--out", file} + february);
        ASSERT_EQ(written.status, 0) << "bank " << bank.toStdString() << ": " << written.err.toStdString();
        const Outcome verified = rar1({"verify", bank, file});
        EXPECT_EQ(verified.status, 0) << "bank " << bank.toStdString() << ": " << verified.err.toStdString();
        const QString employees = written.out.section('\n', 0, 0);
        EXPECT_TRUE(verified.out.contains(employees + '\n')) << bank.toStdString() << verified.out.right(80).toStdString();
        const Outcome json = rar1({"verify", bank, file, "--json"});
        EXPECT_TRUE(json.out.contains("\"valid\": true")) << bank.toStdString();
    }

    // Bank 18 takes no account of the demo company; its files are read back in its own tests.
    QFile file(path("bank10.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.remove(bytes.indexOf("\r\n"), 1);   // the header's CR
    file.resize(0);
    file.write(bytes);
    file.close();
    const Outcome damaged = rar1({"verify", "10", path("bank10.txt")});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_EQ(damaged.err.count('\n'), 1) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains("1") && damaged.err.contains("CR LF")) << damaged.err.toStdString();
}
