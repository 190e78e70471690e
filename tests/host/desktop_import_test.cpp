// File > Import pay sheet… run through the desktop's real window off screen: the preview names the
// columns, a sheet with faults shows them in the refusal list and writes nothing, a clean sheet is
// imported and summed.
#include "company/company_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DesktopImport, PreviewRefusalsAndImportGoThroughTheFileMenu)
{
    QTemporaryDir dir;
    const QString db = dir.filePath("company.db");
    company::CreateEmptyCompany(db, "01", false);
    const auto run = [&](const QString& name, const QByteArray& sheet) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("員工代號,姓名,帳號,實發金額\n" + sheet);
        file.close();
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(environment);
        const QString binDir = qEnvironmentVariable("RAR1_BIN_DIR", QCoreApplication::applicationDirPath());
        process.start(QDir(binDir).filePath("rar1-desktop"), {"--db", db, "--smoke-import", file.fileName()});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString bad = run("bad.csv", "E1,甲,0-1,100\nE2,乙,002,-2\n");
    EXPECT_TRUE(bad.contains("preview: 員工代號 YG_NO|姓名 NAME|帳號 BACC1_NO|實發金額 AMTN_NET\npreview rows: 2\n")) << bad.toStdString();
    EXPECT_TRUE(bad.contains("refusal: bad.csv，工作表 bad，第 2 列，帳號「0-1」：只能是數字\n"
                             "refusal: bad.csv，工作表 bad，第 3 列，實發金額「-2」：不可為負數\n")) << bad.toStdString();
    const QString good = run("good.csv", "E1,甲,001,100\nE2,乙,002,200.5\n");
    EXPECT_TRUE(good.contains("員工：新增 2，更新 0，未變 0 / 發薪明細 2 筆")) << good.toStdString();
    EXPECT_TRUE(good.contains("合計 300.50")) << good.toStdString();

    QSqlDatabase connection = QSqlDatabase::addDatabase("QSQLITE", "desktop-import-test");
    connection.setDatabaseName(db);
    ASSERT_TRUE(connection.open());
    QSqlQuery lines("SELECT group_concat(YG_NO || '=' || AMTN_NET) FROM TF_FS1", connection);
    ASSERT_TRUE(lines.next());
    EXPECT_EQ(lines.value(0).toString(), "E1=100,E2=200.5");
}

} // namespace
