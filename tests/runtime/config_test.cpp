// Configuration: defaults < file < environment < command-line options; bad values are refused.
#include "runtime/config.h"
#include "runtime/db/database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const char* const ConfigVariables[] = {
    "RAR1_SYSTEM_CONFIG", "RAR1_CONFIG", "XDG_CONFIG_HOME", "RAR1_DB", "RAR1_SYSTEM_DB", "RAR1_COMPANY", "RAR1_LANG",
    "RAR1_MEDIA_DIR", "RAR1_PRINTER", "RAR1_PDF_PRINTER", "RAR1_ENGINE", "RAR1_ODBC", "RAR1_DATE_FORMAT",
};

// Runs each test with none of the configuration variables set and no configuration file,
// and puts the environment back afterwards.
class Config : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : ConfigVariables) {
            saved_.append({name, qgetenv(name)});
            qunsetenv(name);
        }
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    QString WriteFile(const QString& relativePath, const QByteArray& content)
    {
        const QString path = dir_.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QString ErrorOf(QStringList arguments)
    {
        try {
            RuntimeConfig::Load(arguments);
        } catch (const std::invalid_argument& error) {
            return QString::fromStdString(error.what());
        }
        return QString();
    }
    QTemporaryDir dir_;

private:
    QList<QPair<const char*, QByteArray>> saved_;
};

TEST_F(Config, DefaultsWithoutFileOrEnvironment)
{
    QStringList arguments;
    const RuntimeConfig config = RuntimeConfig::Load(arguments);
    EXPECT_EQ(config.companyDb, "rar1.db");
    EXPECT_EQ(config.systemDb, "rar1.db");   // the company database holds Comp as well
    EXPECT_EQ(config.company, "01");
    EXPECT_EQ(config.language, 1);
    EXPECT_TRUE(config.pdfPrinter);
    EXPECT_EQ(config.engine, "sqlite");
    EXPECT_EQ(config.dateFormat, "ymd");
}

TEST_F(Config, FileThenEnvironmentThenOptions)
{
    const QString file = WriteFile("etc/rar1.conf",
        "# company settings\n"
        "company_db = data/company.db\n"
        "company = F1\n"
        "language = 0\n"
        "printer = \"Office Laser\"\n"
        "media_dir = /srv/media\n"
        "\n"
        "; the PDF printer stays\n"
        "pdf_printer = 1\n");
    qputenv("RAR1_CONFIG", file.toUtf8());
    qputenv("RAR1_COMPANY", "E1");
    qputenv("RAR1_LANG", "2");
    qputenv("RAR1_PDF_PRINTER", "0");

    QStringList arguments{"rar1", "--company", "O1", "export", "--bank", "10", "--media-dir=out"};
    const RuntimeConfig config = RuntimeConfig::Load(arguments);
    EXPECT_EQ(config.company, "O1");                                   // option over environment
    EXPECT_EQ(config.language, 2);                                      // environment over file
    EXPECT_FALSE(config.pdfPrinter);
    EXPECT_EQ(config.printer, "Office Laser");                          // file only
    EXPECT_EQ(config.companyDb, dir_.filePath("etc/data/company.db"));  // relative to the file
    EXPECT_EQ(config.systemDb, config.companyDb);
    EXPECT_EQ(config.mediaDir, QDir::current().absoluteFilePath("out"));
    // The options it knows are taken out; the rest stays in order for the caller.
    EXPECT_EQ(arguments, (QStringList{"rar1", "export", "--bank", "10"}));
}

TEST_F(Config, StandardFileIsReadWhenNoneIsNamed)
{
    WriteFile("rar1/rar1.conf", "company = S9\nengine = SQLServer\nodbc = DSN=payroll;UID=clerk\ndate_format = dmy\n");
    QStringList arguments;
    const RuntimeConfig config = RuntimeConfig::Load(arguments);
    EXPECT_EQ(config.company, "S9");
    EXPECT_EQ(config.engine, "sqlserver");
    EXPECT_EQ(config.odbc, "DSN=payroll;UID=clerk");   // only the first "=" separates
    EXPECT_EQ(config.dateFormat, "dmy");
}

// The administrator's file sets what every clerk shares; a clerk's own file overrides it key by key,
// and each file's relative paths are taken from its own folder.
TEST_F(Config, TheInstallationsFileIsReadBeforeTheClerks)
{
    const QString system = WriteFile("etc/rar1/rar1.conf", "company_db = payroll.db\ncompany = A1\nprinter = Office Laser\n");
    qputenv("RAR1_SYSTEM_CONFIG", system.toUtf8());
    QStringList arguments;
    EXPECT_EQ(RuntimeConfig::Load(arguments).companyDb, dir_.filePath("etc/rar1/payroll.db"));

    WriteFile("rar1/rar1.conf", "company = C7\nsystem_db = sys.db\n");
    const RuntimeConfig config = RuntimeConfig::Load(arguments);
    EXPECT_EQ(config.company, "C7");
    EXPECT_EQ(config.printer, "Office Laser");
    EXPECT_EQ(config.companyDb, dir_.filePath("etc/rar1/payroll.db"));
    EXPECT_EQ(config.systemDb, dir_.filePath("rar1/sys.db"));

    qputenv("RAR1_SYSTEM_CONFIG", dir_.filePath("missing.conf").toUtf8());
    EXPECT_TRUE(ErrorOf({}).contains("missing.conf"));
}

TEST_F(Config, OptionsAfterDoubleDashAreLeftAlone)
{
    QStringList arguments{"--lang=0", "--", "--lang", "2"};
    EXPECT_EQ(RuntimeConfig::Load(arguments).language, 0);
    EXPECT_EQ(arguments, (QStringList{"--", "--lang", "2"}));
}

TEST_F(Config, BadSettingsAreRefusedWithTheirName)
{
    EXPECT_TRUE(ErrorOf({"--lang", "3"}).contains("--lang"));
    EXPECT_TRUE(ErrorOf({"--db"}).contains("--db"));
    EXPECT_TRUE(ErrorOf({"--db", "--lang", "1"}).contains("--db"));

    qputenv("RAR1_ENGINE", "oracle");
    EXPECT_TRUE(ErrorOf({}).contains("RAR1_ENGINE"));
    qunsetenv("RAR1_ENGINE");

    const QString file = WriteFile("bad.conf", "company = 01\nlanguag = 1\n");
    qputenv("RAR1_CONFIG", file.toUtf8());
    EXPECT_TRUE(ErrorOf({}).contains("languag"));
    WriteFile("bad.conf", "company 01\n");
    EXPECT_TRUE(ErrorOf({}).contains("company 01"));
    WriteFile("bad.conf", "date_format = ydm\n");
    EXPECT_TRUE(ErrorOf({}).contains("ydm"));

    qputenv("RAR1_CONFIG", dir_.filePath("missing.conf").toUtf8());
    EXPECT_TRUE(ErrorOf({}).contains("missing.conf"));
}

TEST_F(Config, ConnectsCompanyAndSystemDatabases)
{
    RuntimeConfig config;
    config.companyDb = dir_.filePath("company.db");
    config.systemDb = dir_.filePath("system.db");
    ConnectDatabases(config);
    db::Session* session = db::Session::Default();
    ASSERT_NE(session, nullptr);
    const db::MDatabase* company = session->findDatabase("rurizov");
    const db::MDatabase* system = session->findDatabase(db::SystemDatabaseName);
    ASSERT_NE(company, nullptr);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(company->engine(), db::Engine::SQLite);
    EXPECT_EQ(company->settings().sqliteFile, config.companyDb);
    EXPECT_EQ(system->settings().sqliteFile, config.systemDb);
    EXPECT_EQ(company->dateFormat().mode, 2);
    EXPECT_EQ(company->dateFormat().separator, u'-');

    // Connecting again (another company) replaces the registration.
    config.companyDb = dir_.filePath("other.db");
    ConnectDatabases(config);
    EXPECT_EQ(db::Session::Default()->database(db::CompanyDatabaseName).settings().sqliteFile, config.companyDb);

    // SQL Server without a connection string is refused and leaves the registration as it was.
    config.engine = "sqlserver";
    EXPECT_THROW(ConnectDatabases(config), std::invalid_argument);
    EXPECT_EQ(db::Session::Default()->database(db::CompanyDatabaseName).engine(), db::Engine::SQLite);
    db::Session::Default()->removeDatabase(db::CompanyDatabaseName);
    db::Session::Default()->removeDatabase(db::SystemDatabaseName);
}

TEST_F(Config, SqlServerDateFormatFollowsTheSetting)
{
    RuntimeConfig config;
    config.engine = "sqlserver";
    config.odbc = "Driver=FreeTDS;Server=localhost";
    config.dateFormat = "mdy";
    ConnectDatabases(config);
    const db::MDatabase& company = db::Session::Default()->database(db::CompanyDatabaseName);
    EXPECT_EQ(company.engine(), db::Engine::SqlServer);
    EXPECT_EQ(company.settings().odbcConnection, config.odbc);
    EXPECT_EQ(company.dateFormat().mode, 0);
    db::Session::Default()->removeDatabase(db::CompanyDatabaseName);
    db::Session::Default()->removeDatabase(db::SystemDatabaseName);
}

} // namespace
