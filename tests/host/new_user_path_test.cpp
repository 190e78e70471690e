// A new user's path from an empty company to the bank's file, as the README tells it: the file from
// imported sheets equals byte for byte the file from the same data written into the database.
#include "command_line.h"
#include "company/sheet_reader.h"
#include "company/sheet_writer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class NewUserPath : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // init, the company record and bank 10's parameters in a new company database.
    void newCompany(const QString& db)
    {
        ASSERT_EQ(RunRar1(db, {"init"}).status, 0);
        const Outcome record = RunRar1(db, {"company", "NAME=新創科技有限公司", "UNI_NO=24681357", "TEL=02-2345-6789"});
        ASSERT_EQ(record.status, 0) << record.err.toStdString();
        ASSERT_EQ(RunRar1(db, {"params", "10", "ID1=012", "ID2=007"}).status, 0);
    }

    QByteArray transfer(const QString& db, const QString& file)
    {
        const Outcome run = RunRar1(db, {"--today", "2026-03-01", "transfer", "10", "--out", file, "--pay-from", "115/02/01",
                                         "--pay-to", "115/02/28", "--date", "115/03/05", "--kinds", "正常薪資;年終獎金"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(RunRar1(db, {"verify", "10", file}).status, 0);
        return Bytes(file);
    }

    QTemporaryDir dir;
};

TEST_F(NewUserPath, ImportedSheetsGiveTheFileOfTheSameDataWrittenDirectly)
{
    const QString imported = path("imported.db");
    newCompany(imported);
    QFile csv(path("salary.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("\xEF\xBB\xBF員工代號,姓名,帳號,實發金額\r\nE001,王小明,01234567890123,\"38,749\"\r\nE002,李大同,01234567890124,40000.50\r\n");
    csv.close();
    const Outcome pay = RunRar1(imported, {"import", "pay", path("salary.csv"), "--pay-date", "115/02/25"});
    ASSERT_EQ(pay.status, 0) << pay.err.toStdString();
    EXPECT_TRUE(pay.out.contains("78,749.50")) << pay.out.toStdString();

    // The bonus sheet: the template, filled as a clerk fills it in a spreadsheet program.
    ASSERT_EQ(RunRar1(QString(), {"template", "pay", path("template.xlsx")}).status, 0);
    company::SheetRow headings;
    company::OpenSheet(path("template.xlsx"))->next(headings);
    ASSERT_EQ(headings.cells.front(), "員工代號");
    {
        const auto filled = company::CreateSheet(path("bonus.xlsx"), "Sheet1");
        std::vector<company::SheetCell> row(headings.cells.size()), first;
        for (const QString& heading : headings.cells)
            first.push_back({heading, {}});
        filled->addRow(first);
        row[0] = {"E002", {}};
        row[11] = {"", 5000.0};   // 實發金額
        filled->addRow(row);
        filled->finish();
    }
    ASSERT_EQ(headings.cells[11], "實發金額");
    const Outcome bonus = RunRar1(imported, {"import", "pay", path("bonus.xlsx"), "--pay-date", "2026-02-10", "--category", "年終獎金"});
    ASSERT_EQ(bonus.status, 0) << bonus.err.toStdString();

    const QString direct = path("direct.db");
    newCompany(direct);
    QProcess sqlite;
    sqlite.start("sqlite3", {direct, "INSERT INTO MF_YG (YG_NO,NAME,PAY_MTH,BACC1_NO,BACC1_TIT) VALUES "
                                     "('E001','王小明','2','01234567890123','王小明'),('E002','李大同','2','01234567890124','李大同');"
                                     "INSERT INTO MF_FS VALUES ('S1','2026-02-25',NULL),('B1','2026-02-10',NULL);"
                                     "INSERT INTO MF_FJ VALUES ('J1','年終獎金','2026-02-10',NULL);"
                                     "INSERT INTO TF_FS1 VALUES ('S1','E001',NULL,38749,NULL),('S1','E002',NULL,40000.5,NULL),"
                                     "('B1','E002',NULL,5000,'J1');"});
    ASSERT_TRUE(sqlite.waitForFinished());
    ASSERT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();

    const QByteArray fromSheets = transfer(imported, path("imported.txt"));
    EXPECT_FALSE(fromSheets.isEmpty());
    EXPECT_EQ(fromSheets, transfer(direct, path("direct.txt")));

    // The transfer table as the window shows it: its columns, the employees, the total marked.
    const Outcome table = RunRar1(imported, {"table", "10", "--out", path("table.csv"), "--pay-from", "115/02/01", "--pay-to", "115/02/28"});
    ASSERT_EQ(table.status, 0) << table.err.toStdString();
    // The salary categories the transfer chose are remembered by the window.
    EXPECT_TRUE(Bytes(path("table.csv")).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(Bytes(path("table.csv")).mid(3)),
              "\"帳號\",\"姓名\",\"金額\",\"列別\"\r\n"
              "\"01234567890123\",\"王小明\",\"38749.00\",\"\"\r\n"
              "\"01234567890124\",\"李大同\",\"45000.00\",\"\"\r\n"
              "\"合計\",\"\",\"83749.00\",\"合計\"\r\n");
    ASSERT_EQ(RunRar1(imported, {"table", "10", "--out", path("table.xlsx"), "--pay-from", "115/02/01", "--pay-to", "115/02/28"}).status, 0);
    company::SheetRow last;
    for (const auto sheet = company::OpenSheet(path("table.xlsx")); sheet->next(last);) {
    }
    EXPECT_EQ(last.cells, std::vector<QString>({"合計", "", "83749", "合計"})) << "the amount a number cell";

    EXPECT_EQ(RunRar1(imported, {"init"}).status, 1) << "an existing database is refused";
}

} // namespace
