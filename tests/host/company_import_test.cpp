// Sheets of a company's own data into an empty company database: every encoding, separator and
// date form read alike, each refusal named by its row and heading with nothing written, and a run
// imported twice kept once.
#include "company/company_file.h"
#include "company/sheet_import.h"
#include "company/sheet_reader.h"
#include "company/sheet_writer.h"
#include "runtime/cvcode.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using company::SheetKind;

class CompanyImport : public ::testing::Test {
protected:
    void SetUp() override { company::CreateEmptyCompany(db, "01", false); }

    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    company::ImportSummary import(const QString& file, SheetKind kind = SheetKind::Pay, company::ImportOptions options = {})
    {
        options.kind = kind;
        options.file = file;
        if (kind == SheetKind::Pay && !options.payDate.isValid())
            options.payDate = QDate(2026, 2, 27);
        return company::ImportSheet(db, options);
    }

    // The rows of a query, a line each, fields joined by "|".
    QString rows(const QString& query)
    {
        QSqlDatabase connection = QSqlDatabase::database("company-import-test", false);
        if (!connection.isValid()) {
            connection = QSqlDatabase::addDatabase("QSQLITE", "company-import-test");
        }
        connection.setDatabaseName(db);
        connection.open();
        QSqlQuery q(connection);
        q.exec(query);
        QStringList lines;
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields << q.value(i).toString();
            lines << fields.join('|');
        }
        connection.close();
        return lines.join('\n');
    }

    QTemporaryDir dir;
    QString db = dir.filePath("company.db");
};

TEST_F(CompanyImport, EveryEncodingSeparatorAndDateFormReadsTheSame)
{
    const auto sheet = [](const QString& separator, const QString& joined, const QString& left) {
        const QList<QStringList> rows = {{"員工代號", "姓名", "帳號", "實發金額", "到職日"},
                                         {"E001", "王小明", "00412345678901", "\"38,749\"", joined},
                                         {"E002", "\"陳, \"\"阿\"\"美\"", "00412345678902", "38749.50", left}};
        QString text;
        for (const QStringList& row : rows)
            text += row.join(separator) + "\r\n";
        return text;
    };
    const auto utf16 = [](const QString& text, bool little) {
        QStringEncoder encoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    struct Form {
        const char* name;
        QString separator, date1, date2;
        std::function<QByteArray(const QString&)> encode;
    };
    const std::vector<Form> forms = {
        {"utf8-comma-roc.csv", ",", "115/02/28", "1150301", [](const QString& t) { return t.toUtf8(); }},
        {"utf8-bom-semicolon.csv", ";", "2026-02-28", "2026/3/1", [](const QString& t) { return "\xEF\xBB\xBF" + t.toUtf8(); }},
        {"utf16le-tab.txt", "\t", "115/2/28", "2026-03-01", [&](const QString& t) { return utf16(t, true); }},
        {"utf16be-tab.txt", "\t", "115/02/28", "2026/03/01", [&](const QString& t) { return utf16(t, false); }},
        {"big5-comma.csv", ",", "2026/2/28", "115/03/01", [](const QString& t) { return ToBig5(t).bytes; }},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        const QString file = write(form.name, form.encode(sheet(form.separator, form.date1, form.date2)));
        const company::ImportSummary summary = import(file);
        ASSERT_TRUE(summary.failures.isEmpty()) << summary.failures.join('\n').toStdString();
        EXPECT_EQ(rows("SELECT YG_NO,NAME,BACC1_NO,BACC1_TIT,PAY_MTH,IN_DD FROM MF_YG ORDER BY 1"),
                  "E001|王小明|00412345678901|王小明|2|2026-02-28\n"
                  "E002|陳, \"阿\"美|00412345678902|陳, \"阿\"美|2|2026-03-01");
    }
}

TEST_F(CompanyImport, EachRefusalNamesItsRowAndHeadingAndNothingIsWritten)
{
    ASSERT_TRUE(import(write("known.csv", "員工代號,姓名,帳號,實發金額\nK1,林一,111,1\n")).written);
    const QString before = rows("SELECT * FROM TF_FS1 UNION ALL SELECT YG_NO,NAME,BACC1_NO,0,0 FROM MF_YG");
    const QString file = write("bad.csv",
                               "工號,姓名,帳號,實發,發薪方式,到職日\n"
                               "A1,甲,12-34,100,2,\n"            // 3 an account of more than digits
                               "A2,乙,123,-1,2,\n"               // 4 a negative amount
                               "A3,丙,123,1.005,2,\n"            // 5 three decimals
                               "A4,丁,123,abc,2,\n"              // 6 not a number
                               "A5,,123,10,2,\n"                 // 7 a new employee without a name
                               "A1,戊,123,10,2,\n"               // 8 a key twice
                               "A6,己,123,10,9,\n"               // 9 no such pay method
                               "A7,庚,123,10,2,115/02/30\n"      // 10 a date that does not exist
                               "K1,林二,111,10,2,\n"             // 11 a name that differs from the company's
                               ",辛,123,10,2,\n"                 // 12 no employee number
                               "A8,\"壬\n癸\",123,10,2,\n"       // 13 a line break inside quotes
                               "A9,癸,123,,2,\n");               // 14 no amount
    const company::ImportSummary summary = import(file);
    EXPECT_FALSE(summary.written);
    const std::vector<std::pair<QString, QString>> expected = {
        {"第 2 列，帳號「12-34」", "只能是數字"}, {"第 3 列，實發「-1」", "不可為負數"},
        {"第 4 列，實發「1.005」", "小數超過兩位"}, {"第 5 列，實發「abc」", "不是數字"},
        {"第 6 列，工號「A5」", "新員工須有姓名"}, {"第 7 列，工號「A1」", "第 2 列已有"},
        {"第 8 列，發薪方式「9」", "只能是"}, {"第 9 列，到職日「115/02/30」", "不是存在的日期"},
        {"第 10 列，姓名「林二」", "林一"}, {"第 11 列，工號「」", "必須填寫"},
        {"第 12 列，姓名「壬<0A>癸」", "控制字元"}, {"第 13 列，實發「」", "必須填寫"},
    };
    ASSERT_EQ(summary.failures.size(), qsizetype(expected.size())) << summary.failures.join('\n').toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(summary.failures[qsizetype(i)].startsWith("bad.csv，工作表 bad，" + expected[i].first)) << summary.failures[qsizetype(i)].toStdString();
        EXPECT_TRUE(summary.failures[qsizetype(i)].contains(expected[i].second)) << summary.failures[qsizetype(i)].toStdString();
    }
    EXPECT_EQ(rows("SELECT * FROM TF_FS1 UNION ALL SELECT YG_NO,NAME,BACC1_NO,0,0 FROM MF_YG"), before);

    const company::ImportSummary headings = import(write("headings.csv", "工號,薪水\nA1,1\n"));
    EXPECT_EQ(headings.failures, QStringList({"headings.csv，工作表 headings，第 1 列，薪水「薪水」：不認得的標題",
                                              "headings.csv，工作表 headings，第 1 列，實發金額「實發金額」：缺少必要的欄"}));
    const company::ImportSummary empty = import(write("empty.csv", "工號,姓名,實發\n,,\n"));
    EXPECT_EQ(empty.failures, QStringList({"empty.csv，工作表 empty：標題下沒有任何發薪列，未匯入"}));
    EXPECT_EQ(rows("SELECT count(*) FROM MF_FS"), "1");
}

TEST_F(CompanyImport, ARunImportedTwiceIsReplacedWholeAndNamesChangeOnlyWhenAllowed)
{
    const QString first = write("feb.csv", "員工代號,姓名,帳號,實發金額,發薪日\nE1,甲,001,100,115/02/27\nE2,乙,002,200,115/02/27\n");
    ASSERT_TRUE(import(first).written);
    const QString second = write("feb2.csv", "員工代號,帳號,實發金額\nE1,001,150\n");
    const company::ImportSummary again = import(second);
    EXPECT_TRUE(again.written);
    EXPECT_EQ(again.run, "FS20260227");
    EXPECT_EQ(again.replacedLines, 2);
    EXPECT_EQ(rows("SELECT FS_NO,YG_NO,AMTN_NET FROM TF_FS1"), "FS20260227|E1|150");
    EXPECT_EQ(rows("SELECT FS_NO,FS_DD FROM MF_FS"), "FS20260227|2026-02-27");

    company::ImportOptions bonus;
    bonus.category = "年終獎金";
    const company::ImportSummary additional = import(first, SheetKind::Pay, bonus);
    EXPECT_EQ(additional.run, "FS2026022701");
    EXPECT_EQ(rows("SELECT FJ_NO,FJ_KND FROM MF_FJ"), "FJ2026022701|年終獎金");
    EXPECT_EQ(rows("SELECT count(*) FROM TF_FS1 WHERE BIL_NO='FJ2026022701'"), "2");
    EXPECT_EQ(import(first, SheetKind::Pay, bonus).run, "FS2026022701") << "one number per date and category";

    const QString renamed = write("renamed.csv", "員工代號,姓名,實發金額\nE2,乙乙,10\n");
    EXPECT_FALSE(import(renamed).written);
    company::ImportOptions update;
    update.updateEmployees = true;
    const company::ImportSummary updated = import(renamed, SheetKind::Pay, update);
    EXPECT_EQ(updated.updated, 1);
    EXPECT_EQ(rows("SELECT NAME FROM MF_YG WHERE YG_NO='E2'"), "乙乙");

    company::ImportOptions dry;
    dry.dryRun = true;
    EXPECT_FALSE(import(first, SheetKind::Pay, dry).written);
    EXPECT_EQ(rows("SELECT count(*) FROM TF_FS1 WHERE FS_NO='FS20260227'"), "1");
}

TEST_F(CompanyImport, DepartmentsBuildTheTreeAtEveryDepthAndRefuseALoop)
{
    const QString tree = write("dept.csv", "部門代號,部門名稱,上層部門\n0000,總公司,\n1000,管理部,0000\n1100,人事課,1000\n");
    ASSERT_TRUE(import(tree, SheetKind::Departments).written);
    EXPECT_EQ(rows("SELECT DEP_UP,DEP_DW FROM DEPT_CHK ORDER BY 1,2"), "0000|1000\n0000|1100\n1000|1100");
    const company::ImportSummary loop = import(write("loop.csv", "部門代號,上層部門\n0000,1100\n1200,9999\n"), SheetKind::Departments);
    ASSERT_EQ(loop.failures.size(), 2) << loop.failures.join('\n').toStdString();
    EXPECT_TRUE(loop.failures[0].contains("第 3 列，上層部門「9999」：沒有此部門")) << loop.failures[0].toStdString();
    EXPECT_TRUE(loop.failures[1].contains("第 2 列，上層部門「1100」")) << loop.failures[1].toStdString();
    EXPECT_EQ(rows("SELECT count(*) FROM DEPT"), "3");
}

TEST_F(CompanyImport, AWorkbookGivesItsDatesNumbersAndNamedSheet)
{
    const QString book = dir.filePath("pay.xlsx");
    {
        const auto sheet = company::CreateSheet(book, "二月");
        sheet->addRow({{"員工代號", {}}, {"姓名", {}}, {"帳號", {}}, {"實發金額", {}}, {"到職日", {}}});
        sheet->addRow({{"E1", {}}, {"甲", {}}, {"00123", {}}, {"", 38749.1}, {"2026-02-02", {}}});
        sheet->finish();
    }
    EXPECT_THROW(company::OpenSheet(book, "三月"), company::SheetError);
    company::ImportOptions named;
    named.sheet = "二月";
    const company::ImportSummary summary = import(book, SheetKind::Pay, named);
    ASSERT_TRUE(summary.written) << summary.failures.join('\n').toStdString();
    EXPECT_EQ(rows("SELECT YG_NO,BACC1_NO,IN_DD FROM MF_YG"), "E1|00123|2026-02-02");
    EXPECT_EQ(rows("SELECT AMTN_NET FROM TF_FS1"), "38749.1");
}

} // namespace
