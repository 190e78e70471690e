// The demo company: reproducible from its seed, and holding the cases the salary transfers must handle.
#include "cli/demo_database.h"
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iconv.h>
#include <set>

namespace {

QString Create(const QTemporaryDir& dir, const QString& name, int employees, quint32 seed)
{
    const QString file = dir.filePath(name);
    QString log;
    QTextStream stream(&log);
    CreateDemoDatabase(file, employees, seed, stream);
    EXPECT_TRUE(log.contains(QString::number(employees) + " employees")) << log.toStdString();
    return file;
}

// Read access to a demo file through a connection of the test's own.
class DemoFile {
public:
    explicit DemoFile(const QString& file)
    {
        db_ = QSqlDatabase::addDatabase("QSQLITE", "demo-test-" + file);
        db_.setDatabaseName(file);
        EXPECT_TRUE(db_.open());
    }
    ~DemoFile()
    {
        const QString name = db_.connectionName();
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QStringList rows(const QString& select) const
    {
        QSqlQuery q(db_);
        EXPECT_TRUE(q.exec(select)) << select.toStdString();
        QStringList out;
        while (q.next()) {
            QStringList cells;
            for (int i = 0; i < q.record().count(); ++i)
                cells << (q.isNull(i) ? "NULL" : q.value(i).toString());
            out << cells.join('|');
        }
        return out;
    }
    qint64 count(const QString& where) const { return rows("SELECT COUNT(*) FROM " + where).value(0).toLongLong(); }

private:
    QSqlDatabase db_;
};

bool FitsBig5(const QString& text)
{
    iconv_t cd = iconv_open("CP950", "UTF-8");
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t srcLeft = size_t(in.size()), dstLeft = size_t(out.size());
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1);
    iconv_close(cd);
    return ok;
}

bool PostOfficeGroupValid(const QString& group)
{
    int s = 0;
    for (int i = 0; i < 6; ++i)
        s += (i + 2) * group[i].digitValue();
    return group[6].digitValue() == (11 - s % 11) % 10;
}

bool IdentityNumberValid(const QString& id)
{
    static const int areas[26] = {10, 11, 12, 13, 14, 15, 16, 17, 34, 18, 19, 20, 21,
                                  22, 35, 23, 24, 25, 26, 27, 28, 29, 32, 30, 31, 33};
    if (id.size() != 10 || id[0] < 'A' || id[0] > 'Z')
        return false;
    const int area = areas[id[0].unicode() - 'A'];
    int sum = area / 10 + area % 10 * 9 + id[9].digitValue();
    for (int i = 1; i <= 8; ++i)
        sum += id[i].digitValue() * (9 - i);
    return sum % 10 == 0;
}

class DemoCompany : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        file = Create(*dir, "demo.db", 120, 7);
    }
    static void TearDownTestSuite() { delete dir; }
    static QTemporaryDir* dir;
    static QString file;
};
QTemporaryDir* DemoCompany::dir;
QString DemoCompany::file;

TEST_F(DemoCompany, TheSameSeedGivesTheSameCompany)
{
    const QString again = Create(*dir, "again.db", 120, 7);
    const QString other = Create(*dir, "other.db", 120, 8);
    DemoFile a(file), b(again), c(other);
    for (const char* table : {"MF_YG", "TF_FS1", "MF_FS", "MF_FJ", "DEPT", "DEPT_CHK", "Comp", "BANK1", "PRDT"})
        EXPECT_EQ(a.rows(QString("SELECT * FROM %1 ORDER BY rowid").arg(table)),
                  b.rows(QString("SELECT * FROM %1 ORDER BY rowid").arg(table)))
            << table;
    EXPECT_NE(a.rows("SELECT * FROM MF_YG"), c.rows("SELECT * FROM MF_YG"));
    EXPECT_NE(a.rows("SELECT AMTN_NET FROM TF_FS1"), c.rows("SELECT AMTN_NET FROM TF_FS1"));
}

TEST_F(DemoCompany, EmployeesShowEveryCaseOfPaymentAndAccount)
{
    DemoFile d(file);
    EXPECT_EQ(d.count("MF_YG"), 120);
    EXPECT_GT(d.count("MF_YG WHERE PAY_MTH <> '2'"), 0);
    EXPECT_GT(d.count("MF_YG WHERE PAY_MTH = '2'"), 100);
    EXPECT_GT(d.count("MF_YG WHERE BACC1_NO = '' AND BACC2_NO <> ''"), 0);
    EXPECT_GT(d.count("MF_YG WHERE BACC1_NO IS NULL AND BACC2_NO <> ''"), 0);
    EXPECT_GT(d.count("MF_YG WHERE BACC1_NO <> '' AND BACC2_NO <> ''"), 0);
    EXPECT_GT(d.count("MF_YG WHERE BACC1_NO <> '' AND BACC1_TIT IS NULL"), 0);
    EXPECT_GT(d.count("MF_YG WHERE BACC1_TIT <> NAME"), 0);
    for (const char* bank : {"004", "008", "013"})
        EXPECT_GT(d.count(QString("MF_YG WHERE BACC1_NO LIKE '%1%' OR BACC2_NO LIKE '%1%'").arg(bank)), 0) << bank;

    int valid = 0, invalid = 0;
    for (const QString& account : d.rows("SELECT BACC1_NO FROM MF_YG WHERE BACC1_NO LIKE '700%'")) {
        ASSERT_EQ(account.size(), 14);
        (PostOfficeGroupValid(account.left(7)) && PostOfficeGroupValid(account.mid(7)) ? valid : invalid)++;
    }
    EXPECT_GT(valid, 0);
    EXPECT_GT(invalid, 0);

    int outsideBig5 = 0;
    for (const QString& row : d.rows("SELECT NAME, ID_NO FROM MF_YG")) {
        const QStringList cells = row.split('|');
        outsideBig5 += FitsBig5(cells[0]) ? 0 : 1;
        EXPECT_TRUE(IdentityNumberValid(cells[1])) << cells[1].toStdString();
    }
    EXPECT_GE(outsideBig5, 2);
    EXPECT_LE(outsideBig5, 6);
}

TEST_F(DemoCompany, PayRunsOfJanuaryAndFebruaryWithCategories)
{
    DemoFile d(file);
    const qint64 lines = d.count("TF_FS1");
    EXPECT_GT(lines, 120 * 2.2);
    EXPECT_LT(lines, 120 * 2.8);
    EXPECT_EQ(d.rows("SELECT substr(FS_DD, 1, 7), COUNT(*) FROM MF_FS GROUP BY 1"),
              (QStringList{"2026-01|2", "2026-02|4"}));
    EXPECT_EQ(d.rows("SELECT IFNULL(FJ_KND, 'NULL') FROM MF_FJ ORDER BY 1"),
              (QStringList{"NULL", "三節獎金", "年終獎金", "績效獎金"}));
    // Every additional run and both forms of regular salary have lines; every line has its run.
    EXPECT_EQ(d.count("MF_FJ WHERE FJ_NO NOT IN (SELECT BIL_NO FROM TF_FS1 WHERE BIL_NO IS NOT NULL)"), 0);
    EXPECT_GT(d.count("TF_FS1 WHERE BIL_NO IS NULL"), 0);
    EXPECT_GT(d.count("TF_FS1 WHERE BIL_NO = ''"), 0);
    EXPECT_EQ(d.count("TF_FS1 WHERE FS_NO NOT IN (SELECT FS_NO FROM MF_FS) OR YG_NO NOT IN (SELECT YG_NO FROM MF_YG)"), 0);
    EXPECT_GT(d.count("TF_FS1 WHERE round(AMTN_NET * 100) % 100 = 50"), 0);
    EXPECT_GT(d.count("TF_FS1 WHERE round(AMTN_NET * 100) % 100 NOT IN (0, 50)"), 0);
    EXPECT_EQ(d.count("TF_FS1 WHERE AMTN_NET <= 0 OR AMTN_NET IS NULL"), 0);
    // Someone changed department between the months.
    EXPECT_GT(d.count("(SELECT YG_NO FROM TF_FS1 GROUP BY YG_NO HAVING COUNT(DISTINCT DEP) > 1)"), 0);
}

TEST_F(DemoCompany, DepartmentTreeHoldsEverySubordinate)
{
    DemoFile d(file);
    const QStringList departments = d.rows("SELECT DEP FROM DEPT WHERE DEP <> '0000' ORDER BY DEP");
    EXPECT_EQ(departments.size(), 15);
    EXPECT_EQ(d.rows("SELECT DEP_DW FROM DEPT_CHK WHERE DEP_UP = '0000' ORDER BY DEP_DW"), departments);
    EXPECT_EQ(d.rows("SELECT DEP_DW FROM DEPT_CHK WHERE DEP_UP = '3000' ORDER BY DEP_DW"),
              (QStringList{"3100", "3200", "3300"}));
    EXPECT_EQ(d.count("DEPT_CHK WHERE DEP_UP = '3100'"), 0);
    EXPECT_EQ(d.count("DEPT_CHK A, DEPT_CHK B WHERE A.DEP_DW = B.DEP_UP AND NOT EXISTS "
                      "(SELECT 1 FROM DEPT_CHK C WHERE C.DEP_UP = A.DEP_UP AND C.DEP_DW = B.DEP_DW)"),
              0);
    EXPECT_EQ(d.count("MF_YG WHERE DEP NOT IN (SELECT DEP FROM DEPT)"), 0);
}

TEST_F(DemoCompany, CompanyRowMastersAndSummary)
{
    DemoFile d(file);
    const QStringList company = d.rows("SELECT COMPNO, UNI_NO, NAME <> '', TEL <> '', CMP_ADR <> '' FROM Comp");
    EXPECT_EQ(company, QStringList{"01|12345678|1|1|1"});
    for (const char* table : {"PRDT", "ACCN", "CUST", "CUR_ID", "MY_WH", "BILN", "PSWD", "PSWD1", "SPC_PSWD"})
        EXPECT_GT(d.count(table), 0) << table;
    EXPECT_EQ(d.count("BANK1"), 0);

    const QStringList summary = DemoDatabaseSummary(file).split('\n');
    EXPECT_EQ(summary.value(0), "Employees: 120");
    EXPECT_EQ(summary.value(1), QString("Paid by bank transfer: %1").arg(d.count("MF_YG WHERE PAY_MTH = '2'")));
    EXPECT_TRUE(summary.contains("Pay runs 2026-01: 2"));
    EXPECT_TRUE(summary.contains("Pay runs 2026-02: 4"));
    EXPECT_TRUE(summary.contains(QString("Pay lines: %1").arg(d.count("TF_FS1"))));
    EXPECT_TRUE(summary.contains("Departments: 16"));
}

TEST(DemoCompanyFile, ScalesAndReplacesAndReportsFailures)
{
    QTemporaryDir dir;
    const QString file = Create(dir, "large.db", 40000, 1);
    {
        DemoFile d(file);
        EXPECT_NEAR(double(d.count("TF_FS1")) / 40000, 2.5, 0.15);
        EXPECT_EQ(d.count("(SELECT DISTINCT YG_NO FROM MF_YG)"), 40000);
    }
    Create(dir, "large.db", 10, 1);   // replaces the file
    EXPECT_EQ(DemoFile(file).count("MF_YG"), 10);
    EXPECT_FALSE(QFile::exists(file + ".part"));

    QString log;
    QTextStream stream(&log);
    EXPECT_THROW(CreateDemoDatabase(dir.filePath("missing/folder/demo.db"), 10, 1, stream), std::runtime_error);
    EXPECT_THROW(DemoDatabaseSummary(dir.filePath("none.db")), std::runtime_error);
}

} // namespace
