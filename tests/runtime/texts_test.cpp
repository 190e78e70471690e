// Texts by group and number: every number the windows ask for has a text in all three languages.
#include "runtime/bank_names.h"
#include "runtime/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Restores the language after each test.
class Texts : public ::testing::Test {
protected:
    void TearDown() override
    {
        Language::LanguageID = saved_;
        InitLanguage();
    }
    static void Switch(int language)
    {
        Language::LanguageID = language;
        InitLanguage();
    }

private:
    int saved_ = Language::LanguageID;
};

std::vector<std::pair<QString, int>> IdsTheWindowsUse()
{
    std::vector<std::pair<QString, int>> ids;
    const auto range = [&](const char* group, int first, int last) {
        for (int id = first; id <= last; ++id)
            ids.emplace_back(QString::fromLatin1(group), id);
    };
    range("WAGBK", 10000, 10140);
    range("WAGBK", 11000, 11024);
    range("WAGBK", 11204, 11209);
    range("WAGBK", 12000, 12130);
    for (int id : {10202, 10218, 10225, 10230, 10231, 10232, 10235, 10237, 10239})
        ids.emplace_back("WAGBK", id);
    for (int id : {10002, 10003, 10100, 10101, 10140, 19001})
        ids.emplace_back("COMMON", id);
    ids.emplace_back("INVAH", 10200);
    ids.emplace_back("INVAH", 10203);
    ids.emplace_back("F5MAIN", 11012);
    ids.emplace_back("F2FORM", 19000);
    return ids;
}

TEST_F(Texts, EveryIdHasATextInEveryLanguage)
{
    for (int language : {0, 1, 2}) {
        Switch(language);
        for (const auto& [group, id] : IdsTheWindowsUse()) {
            const QString text = LoadFormResourceStr(group, id, 0);
            EXPECT_FALSE(text.isEmpty() || text.startsWith(u'#'))
                << group.toStdString() << ' ' << id << " in language " << language;
        }
    }
}

TEST_F(Texts, QuotedCaptionsStandAsTheFormsGiveThem)
{
    Switch(1);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10096), QStringLiteral("員工名稱"));
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10092), QStringLiteral("轉出")) << "the toolbar puts the key in front";
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10093), QStringLiteral("轉出薪資媒體檔 (F9)"));
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10101), QStringLiteral("合計"));
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10102), QStringLiteral("小計"));
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 11009), QStringLiteral("臺灣銀行"));
    EXPECT_EQ(LoadFormResourceStr("COMMON", 10101), QStringLiteral("部門選擇"));
    EXPECT_EQ(LoadFormResourceStr("COMMON", 10002), QStringLiteral("F8 確認"));
    EXPECT_EQ(LoadFormResourceStr("COMMON", 10003), QStringLiteral("Esc 取消"));
    // The same number in another group is another text.
    EXPECT_NE(LoadFormResourceStr("F5MAIN", 11012), LoadFormResourceStr("WAGBK", 11012));
}

TEST_F(Texts, SwitchesLanguageOnlyThroughInitLanguage)
{
    Switch(1);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("正常薪資"));
    Switch(0);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("正常薪资"));
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 11009), QStringLiteral("台湾银行"));
    Switch(2);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("Regular salary"));
    Language::LanguageID = 1;   // not yet loaded
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("Regular salary"));
    InitLanguage();
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("正常薪資"));
}

TEST_F(Texts, UnknownLanguageShowsTraditionalTexts)
{
    Switch(7);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("正常薪資"));
    Switch(-1);
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 10019), QStringLiteral("正常薪資"));
}

TEST_F(Texts, UnknownIdsShowAPlaceholder)
{
    EXPECT_EQ(LoadFormResourceStr("WAGBK", 12345), "#WAGBK 12345");
    EXPECT_EQ(LoadFormResourceStr("NOGROUP", 10002), "#NOGROUP 10002");
    EXPECT_EQ(LoadFormResourceStr("COMMON", 99999), "#COMMON 99999");
}

} // namespace

namespace {

// The buttons Qt itself draws (message boxes, the print dialog) speak the clerk's language too.
TEST_F(Texts, QtsOwnButtonsFollowTheLanguage)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    Switch(1);
    EXPECT_EQ(cancel(), QStringLiteral("取消"));
    Switch(0);
    EXPECT_EQ(cancel(), QStringLiteral("取消"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("保存"));
    Switch(2);
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

} // namespace

// Banks that share a name are told apart by their number and kind of file, in the clerk's language.
TEST_F(Texts, TheBankMenuNamesEachBanksNumberAndKindOfFile)
{
    Switch(1);
    QStringList captions;
    for (int bank = 1; bank <= BankCount; ++bank)
        captions << BankMenuCaption(bank);
    EXPECT_EQ(captions.removeDuplicates(), 0);
    EXPECT_EQ(BankMenuCaption(20), QStringLiteral("20 第一銀行 (一般轉帳)"));
    EXPECT_EQ(BankMenuCaption(5), QStringLiteral("5 第一銀行 (薪資轉帳)"));
    Switch(2);
    EXPECT_EQ(BankMenuCaption(2), QStringLiteral("2 Post Office (salary deposit)"));
    Switch(0);
    EXPECT_EQ(BankMenuCaption(10), QStringLiteral("10 台湾银行 (薪资转帐)"));
    EXPECT_TRUE(BankMenuCaption(29).isEmpty());
}
