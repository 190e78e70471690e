// The desktop host run as the clerk would start it, without a screen: it loads the module, hands
// it the company, opens a bank's window through DoWagBK<N> and shuts down cleanly.
#include "host/cli/demo_database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The programs are built side by side: RAR1_BIN_DIR, else this test's own folder.
QString BinDir()
{
    const QString configured = qEnvironmentVariable("RAR1_BIN_DIR");
    return configured.isEmpty() ? QCoreApplication::applicationDirPath() : configured;
}

struct DesktopRun {
    int exitCode = -1;   // -1: did not finish, -2: crashed
    QString out, err;
};

class DesktopHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        QString log;
        QTextStream stream(&log);
        CreateDemoDatabase(dir->filePath(QStringLiteral("company.db")), 12, 5, stream);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    // Runs the desktop host off screen, or with `onVirtualDisplay` on a virtual X display (xvfb-run).
    static DesktopRun Run(const QStringList& arguments, bool onVirtualDisplay = false)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), onVirtualDisplay ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("RAR1_CONFIG"));
        // The host keeps its windows' places in its configuration folder: the test's own.
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("config")));
        process.setProcessEnvironment(environment);
        const QStringList command = QStringList{QDir(BinDir()).filePath(QStringLiteral("rar1-desktop")), QStringLiteral("--db"),
                                                dir->filePath(QStringLiteral("company.db"))}
            + arguments;
        if (onVirtualDisplay)
            process.start(QStringLiteral("xvfb-run"), QStringList{QStringLiteral("-a")} + command);
        else
            process.start(command.first(), command.mid(1));
        DesktopRun run;
        if (!process.waitForFinished(60000)) {
            run.err = process.errorString();
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    static QTemporaryDir* dir;
};

QTemporaryDir* DesktopHostTest::dir = nullptr;

} // namespace

TEST_F(DesktopHostTest, SmokeOpensTheBankWindowOnceAndAgainAfterClosing)
{
    const DesktopRun run = Run({QStringLiteral("--company"), QStringLiteral("01"), QStringLiteral("--smoke"), QStringLiteral("10")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.count(QStringLiteral("windows: 1")), 2) << run.out.toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("opened: ")).size(), 2);
    EXPECT_TRUE(lines.filter(QStringLiteral("opened: ")).first().contains(QStringLiteral("臺灣銀行")));
    EXPECT_EQ(lines.count(QStringLiteral("closed")), 2);
    EXPECT_TRUE(lines.filter(QStringLiteral("error: ")).isEmpty()) << run.out.toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("bank menu: ")).size(), 1) << run.out.toStdString();
    // The keyboard reaches every menu, and the new window's first field has the focus.
    const QStringList menus = lines.filter(QRegularExpression(QStringLiteral("^menu: ")));
    EXPECT_EQ(menus.size(), 5) << run.out.toStdString();
    EXPECT_EQ(menus.filter(QStringLiteral("(&")).size(), menus.size()) << run.out.toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("focus: ")), QStringList{QStringLiteral("focus: B_DD")}) << run.out.toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("dialog: ")), QStringList{QStringLiteral("dialog: TWagbk10aForm")}) << run.out.toStdString();
}

TEST_F(DesktopHostTest, StartsOnAVirtualDisplayWithTheBankMenu)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    const DesktopRun run = Run({QStringLiteral("--smoke"), QStringLiteral("10")}, true);
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("bank menu: ")) && run.out.contains(QStringLiteral("28 banks"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("opened: 臺灣銀行"))) << run.out.toStdString();
    EXPECT_EQ(run.out.count(QStringLiteral("closed")), 2);
}

TEST_F(DesktopHostTest, AnUnknownCompanyOrBankIsRefusedWithAClearMessage)
{
    const DesktopRun company = Run({QStringLiteral("--company"), QStringLiteral("99"), QStringLiteral("--smoke"), QStringLiteral("10")});
    EXPECT_EQ(company.exitCode, 2);
    EXPECT_TRUE(company.err.contains(QStringLiteral("99"))) << company.err.toStdString();

    const DesktopRun bank = Run({QStringLiteral("--smoke"), QStringLiteral("29")});
    EXPECT_EQ(bank.exitCode, 2);
    EXPECT_TRUE(bank.err.contains(QStringLiteral("29"))) << bank.err.toStdString();

    const DesktopRun option = Run({QStringLiteral("--smoke")});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_TRUE(option.err.contains(QStringLiteral("--smoke"))) << option.err.toStdString();
}
// A database that is missing or no database: the message, and a main window that works on: its
// menus are there, with File > Open company database, and each bank command offers to open another
// database instead of repeating the error. No crash.
TEST_F(DesktopHostTest, ABrokenDatabaseIsAMessageAndTheWindowStaysUsable)
{
    const QString garbage = dir->filePath(QStringLiteral("garbage.db"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    for (const QString& database : {dir->filePath(QStringLiteral("missing.db")), garbage}) {
        const DesktopRun run = Run({QStringLiteral("--db"), database, QStringLiteral("--smoke"), QStringLiteral("10")});
        EXPECT_EQ(run.exitCode, 2) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("SYSTEM"))) << run.err.toStdString();
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.filter(QStringLiteral("bank menu: ")).size(), 1) << run.out.toStdString();
        EXPECT_TRUE(lines.filter(QStringLiteral("error: ")).isEmpty()) << run.out.toStdString();
        EXPECT_EQ(lines.filter(QStringLiteral("message: ")).size(), 3) << "each of the three bank commands: " << run.out.toStdString();
        EXPECT_EQ(lines.count(QStringLiteral("windows: 0")), 2) << run.out.toStdString();
    }
}


TEST_F(DesktopHostTest, TheStatusBarNamesCompanyDatabaseAndLanguage)
{
    const DesktopRun run = Run({QStringLiteral("--company"), QStringLiteral("01"), QStringLiteral("--lang"), QStringLiteral("2"),
                                QStringLiteral("--smoke"), QStringLiteral("10")});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QStringList status = run.out.split(u'\n').filter(QStringLiteral("status: "));
    ASSERT_EQ(status.size(), 3) << run.out.toStdString();
    EXPECT_TRUE(status[0].startsWith(QStringLiteral("status: Company: 01 "))) << status[0].toStdString();
    EXPECT_EQ(status[1], QStringLiteral("status: Database: ") + dir->filePath(QStringLiteral("company.db")));
    EXPECT_EQ(status[2], QStringLiteral("status: Language: English"));
}

// The menu entry and the file manager start the host with the database on its own: it is the
// company database, over --db; a second one is refused.
TEST_F(DesktopHostTest, ADatabaseNamedOnItsOwnIsTheCompanyDatabase)
{
    const QString other = dir->filePath(QStringLiteral("other.db"));
    QFile::remove(other);
    ASSERT_TRUE(QFile::copy(dir->filePath(QStringLiteral("company.db")), other));
    const DesktopRun run = Run({QStringLiteral("--lang"), QStringLiteral("2"), QStringLiteral("--smoke"), QStringLiteral("10"), other});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Database: ") + other + u'\n')) << run.out.toStdString();

    const DesktopRun two = Run({other, QStringLiteral("second.db"), QStringLiteral("--smoke"), QStringLiteral("10")});
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_TRUE(two.err.contains(QStringLiteral("second.db"))) << two.err.toStdString();
}

TEST_F(DesktopHostTest, ABankWindowOpensWhereTheClerkLeftIt)
{
    const QString places = dir->filePath(QStringLiteral("config/rar1/windows.ini"));
    QFile::remove(places);
    auto opened = [](const DesktopRun& run) {
        const QRegularExpressionMatch place = QRegularExpression(QStringLiteral("place: (\\d+),(\\d+) (\\d+)x(\\d+)")).match(run.out);
        return place.hasMatch() ? QRect(place.captured(1).toInt(), place.captured(2).toInt(), place.captured(3).toInt(), place.captured(4).toInt())
                                : QRect();
    };
    const DesktopRun first = Run({QStringLiteral("--smoke"), QStringLiteral("10")});
    ASSERT_EQ(first.exitCode, 0) << first.out.toStdString() << first.err.toStdString();
    EXPECT_EQ(QSettings(places, QSettings::IniFormat).value(QStringLiteral("TWagbk10Form/geometry")).toRect(), opened(first))
        << "closing keeps the window's size and place";

    const QRect moved(24, 16, 600, 380);
    QSettings(places, QSettings::IniFormat).setValue(QStringLiteral("TWagbk10Form/geometry"), moved);
    const DesktopRun second = Run({QStringLiteral("--smoke"), QStringLiteral("10")});
    ASSERT_EQ(second.exitCode, 0) << second.out.toStdString() << second.err.toStdString();
    EXPECT_EQ(opened(second), moved);

    // A place beyond today's main window is brought back into it.
    QSettings(places, QSettings::IniFormat).setValue(QStringLiteral("TWagbk10Form/geometry"), QRect(5000, 4000, 600, 380));
    const QRect inside = opened(Run({QStringLiteral("--smoke"), QStringLiteral("10")}));
    EXPECT_EQ(inside.size(), QSize(600, 380));
    EXPECT_LT(inside.right(), 1280);
    EXPECT_LT(inside.bottom(), 800);
}

// The language the clerk chose last, and the database he opened last, are there at the next start;
// a database or language named on the command line comes first.
TEST_F(DesktopHostTest, TheNextStartRemembersLanguageAndDatabase)
{
    const QString settings = dir->filePath(QStringLiteral("config/rar1/desktop.ini"));
    {
        QSettings remembered(settings, QSettings::IniFormat);
        remembered.setValue(QStringLiteral("language"), 2);
        remembered.setValue(QStringLiteral("company_db"), dir->filePath(QStringLiteral("gone.db")));
    }
    const DesktopRun run = Run({QStringLiteral("--smoke"), QStringLiteral("10")});
    const DesktopRun chinese = Run({QStringLiteral("--lang"), QStringLiteral("1"), QStringLiteral("--smoke"), QStringLiteral("10")});
    QFile::remove(settings);
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("status: Language: English"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Database: ") + dir->filePath(QStringLiteral("company.db")))) << "--db comes first";
    EXPECT_TRUE(chinese.out.contains(QStringLiteral("語言：繁體中文"))) << chinese.out.toStdString();
}
