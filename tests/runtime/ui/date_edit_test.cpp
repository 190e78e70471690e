// The ROC date edit: two- and three-digit years, digits typed without slashes, impossible dates.
#include "runtime/getdate.h"
#include "runtime/ui/mdate_edit.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(DateEdit, ReadsTwoAndThreeDigitYears)
{
    MDateEdit edit;
    edit.setText(QStringLiteral("91/03/05"));
    EXPECT_EQ(edit.date(QStringLiteral("轉帳日期")), QDate(2002, 3, 5));
    edit.setText(QStringLiteral("115/03/05"));
    EXPECT_EQ(edit.date(QStringLiteral("轉帳日期")), QDate(2026, 3, 5));
    edit.setText(QStringLiteral("1150229"));
    EXPECT_THROW(edit.date(QStringLiteral("轉帳日期")), DateError);
    edit.setText(QStringLiteral("1130229"));
    EXPECT_EQ(edit.date(QStringLiteral("轉帳日期")), QDate(2024, 2, 29));
}

TEST(DateEdit, WritesDatesAndKnowsWhenEmpty)
{
    MDateEdit edit;
    EXPECT_TRUE(edit.IsEmpty());
    EXPECT_FALSE(edit.date(QStringLiteral("發薪日")).isValid());
    edit.setDate(QDate(2010, 12, 31));
    EXPECT_EQ(edit.text(), QStringLiteral("99/12/31"));
    edit.setDate(QDate(2026, 3, 1));
    EXPECT_EQ(edit.text(), QStringLiteral("115/03/01"));
    EXPECT_FALSE(edit.IsEmpty());
    edit.setDate(QDate());
    EXPECT_TRUE(edit.IsEmpty());
}

TEST(DateEdit, ImpossibleDateIsAnErrorNamingTheField)
{
    MDateEdit edit;
    for (const QString& text : {QStringLiteral("115/02/30"), QStringLiteral("115/13/01"), QStringLiteral("115/00/10"),
                                QStringLiteral("91/04/31")}) {
        edit.setText(text);
        try {
            edit.date(QStringLiteral("轉帳日期"));
            ADD_FAILURE() << text.toStdString() << " was taken as a date";
        } catch (const DateError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("轉帳日期"))) << e.what();
        }
    }
}

TEST(DateEdit, TypedDigitsGetSlashesAndLettersAreRefused)
{
    EXPECT_EQ(MDateEdit::WithSlashes(QStringLiteral("1150305")), QStringLiteral("115/03/05"));
    EXPECT_EQ(MDateEdit::WithSlashes(QStringLiteral("910305")), QStringLiteral("91/03/05"));
    EXPECT_EQ(MDateEdit::WithSlashes(QStringLiteral("11503")), QStringLiteral("11503"));

    MDateEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("1x15a0305"));
    EXPECT_EQ(edit.text(), QStringLiteral("1150305"));
    emit edit.editingFinished();
    EXPECT_EQ(edit.text(), QStringLiteral("115/03/05"));
    EXPECT_EQ(edit.date(QString()), QDate(2026, 3, 5));
}
