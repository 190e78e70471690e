// Statement, date, padding and rounding helpers.
#include "common/date_range.h"
#include "common/sql_text.h"
#include "common/temp_names.h"
#include "common/text_helpers.h"
#include "runtime/clock.h"
#include "runtime/db/mquery.h"
#include "runtime/getdate.h"
#include "runtime/language.h"
#include "support/test_company.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(SqlHelpers, RunSqlOpensSelectsAndExecutesTheRest)
{
    TestCompany company;
    company.addDepartment("A01", "總公司");
    db::MQuery query("RurIzov");
    EXPECT_TRUE(RunSql(query, "  \n sElEcT DEP FROM DEPT"));
    EXPECT_FALSE(RunSql(query, "Select DEP FROM DEPT WHERE DEP='none'"));
    EXPECT_FALSE(RunSql(query, "Select A.DEP,A.NAME Into #T From DEPT A"));
    EXPECT_TRUE(RunSql(query, "Select * From #T"));
    EXPECT_FALSE(RunSql(query, "Drop Table #T"));
    EXPECT_THROW(RunSql(query, "Drop Table #T"), db::DatabaseError);
}

TEST(SqlHelpers, DatesInTheEnginesOrder)
{
    EXPECT_EQ(SqlDateText(QString("2026/03/05"), {0, u'/'}), "03/05/2026");
    EXPECT_EQ(SqlDateText(QString("2026/03/05"), {1, u'.'}), "05.03.2026");
    EXPECT_EQ(SqlDateText(QString("2026/3/5"), {2, u'-'}), "2026-03-05");
    EXPECT_EQ(SqlDateText(QString(""), {2, u'-'}), "");
    EXPECT_EQ(SqlDateText(QString("  -  -  "), {2, u'-'}), "  -  -  ");
    EXPECT_EQ(SqlLiteral("O'Neil"), "'O''Neil'");
}

TEST(SqlHelpers, OnlyTheAllZeroDateIsAnErrorTextAndAnUnreadableDateIsRaisedByName)
{
    EXPECT_EQ(SqlDateText(QString("0000/00/00"), {2, u'-'}), "ERROR");
    EXPECT_EQ(SqlDateText(QString("0-0-0"), {0, u'/'}), "ERROR");
    EXPECT_EQ(SqlDateText(QDate(), {2, u'-'}), "ERROR") << "not 0-00-00";
    EXPECT_EQ(SqlDateText(QDate(2026, 3, 5), {2, u'-'}), "2026-03-05");
    for (const char* unreadable : {"2026/02/30", "2026/13/01", "yesterday", "2026/03", "0000/00/01"}) {
        try {
            SqlDateText(QString(unreadable), {2, u'-'});
            ADD_FAILURE() << unreadable << " gave no error";
        } catch (const DateError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(unreadable)) << e.what();
        }
    }
}

TEST(DateHelpers, EmptyRangeBecomesTheCurrentMonth)
{
    SetToday(QDate(2024, 2, 15));
    QLineEdit begin, end;
    DefaultMonthRange(begin, end);
    EXPECT_EQ(begin.text(), "113/02/01");
    EXPECT_EQ(end.text(), "113/02/29");

    begin.setText("115/03/31");
    end.setText("115/03/01");
    DefaultMonthRange(begin, end);
    EXPECT_EQ(begin.text(), "115/03/31") << "both filled: nothing happens";

    begin.clear();
    end.setText("99/01/01");
    DefaultMonthRange(begin, end);
    EXPECT_EQ(begin.text(), "99/01/01") << "an end before the begin swaps them";
    EXPECT_EQ(end.text(), "113/02/01");
    SetToday(QDate());

    int day = 7;
    DaysInMonth(2023, 2, day);
    EXPECT_EQ(day, 28);
    DaysInMonth(2023, 13, day);
    EXPECT_EQ(day, 28);
}

TEST(TextHelpers, PaddingAndRounding)
{
    EXPECT_EQ(Spaces(300).size(), 255);
    EXPECT_EQ(Spaces(-2), "");
    EXPECT_EQ(FillChars(3, QChar()), "   ");
    EXPECT_EQ(FillChars(400, u'0').size(), 256);
    double v = 2.5;
    EXPECT_EQ(RoundTo(v, 0), 3);
    v = -2.5;
    EXPECT_EQ(RoundTo(v, 0), -3);
    v = 1234.5678;
    EXPECT_DOUBLE_EQ(RoundTo(v, 2), 1234.57);
    v = 1250;
    EXPECT_EQ(RoundTo(v, -2), 1300);
    EXPECT_EQ(RoundHalfEven(1000.5), 1000);
    EXPECT_EQ(RoundHalfEven(1001.5), 1002);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(TextHelpers, RoundToScalesBothWaysWithoutDrift)
{
    // Negative digits round to tens of thousands and more: the result is the exact multiple.
    const struct {
        double value;
        int digits;
        double rounded;
    } cases[] = {
        {50000, -5, 100000}, {49999, -5, 0}, {-50000, -5, -100000}, {150, -2, 200}, {-149, -2, -100},
        {123456789, -3, 123457000}, {0.5, 0, 1}, {-0.5, 0, -1}, {0.125, 2, 0.13}, {-0.125, 2, -0.13},
        {2.675, 3, 2.675}, {0, -4, 0},
    };
    for (const auto& c : cases) {
        double v = c.value;
        EXPECT_EQ(RoundTo(v, c.digits), c.rounded) << c.value << " at " << c.digits;
        EXPECT_EQ(v, c.rounded) << "the value itself takes the result";
    }
    // Every power of ten a double holds exactly scales exactly: half of it rounds up to it.
    for (int n = 1; n <= 22; ++n) {
        double half = 5 * std::pow(10.0, n - 1);
        EXPECT_EQ(RoundTo(half, -n), std::pow(10.0, n)) << n;
    }
}

TEST(TempNames, UniqueNameWithTheTableExtension)
{
    QString folder, name, other;
    MakeTempTableName("Dn4", folder, name);
    MakeTempTableName("Dn4", folder, other);
    EXPECT_TRUE(folder.endsWith('/'));
    EXPECT_TRUE(name.startsWith("Dn4") && name.endsWith(".DB"));
    EXPECT_NE(name, other);

    const QStringList before = QDir(folder).entryList({"Dn4*"}, QDir::Files);
    RemoveTempTableFile(folder, name);
    RemoveTempTableFile(folder, other);
    EXPECT_EQ(QDir(folder).entryList({"Dn4*"}, QDir::Files).size(), before.size() - 2) << "the system's files are removed";
}

TEST(TempNames, AFolderThatCannotTakeTheFileIsNamedInTheClerksLanguage)
{
    // A "temporary folder" that is a plain file can take no file.
    QTemporaryFile notAFolder;
    ASSERT_TRUE(notAFolder.open());
    const QString folder = QFileInfo(notAFolder.fileName()).canonicalFilePath();
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", folder.toLocal8Bit());
    Language::LanguageID = 0;
    InitLanguage();
    QString message;
    try {
        QString folderOut, name;
        MakeTempTableName("Dn4", folderOut, name);
    } catch (const std::runtime_error& e) {
        message = QString::fromUtf8(e.what());
    }
    const QString expected = LoadFormResourceStr("WAGBK", 15103).arg(folder);
    Language::LanguageID = 1;
    InitLanguage();
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);
    EXPECT_EQ(message, expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("暂存"))) << expected.toStdString();
}

} // namespace
