// The two-list picker: moves and the selection after them, both limits, drops, keys and
// PickFromLists.
#include "ui_test_support.h"

#include "common/picker_dialog.h"
#include "runtime/language.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Numbered(const QString& prefix, int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << prefix + QString::number(i);
    return items;
}

struct PickerTest : ::testing::Test {
    AutomationGuard guard;
    RecordedMessages messages{guard};
    TPRD_DSCForm form;
};

} // namespace

TEST_F(PickerTest, IncludeMovesTheSelectedItemWithItsDataAndSelectsTheNextOne)
{
    form.SetItems({QStringLiteral("A01 --- 總務"), QStringLiteral("A02 --- 會計"), QStringLiteral("B10 --- 業務")},
                  {QStringLiteral("C01 --- 生產")});
    form.SrcList->item(1)->setData(Qt::UserRole, 42);
    form.SrcList->setCurrentRow(1);
    form.Include();
    EXPECT_EQ(form.DestinationItems(), QStringList({QStringLiteral("C01 --- 生產"), QStringLiteral("A02 --- 會計")}));
    EXPECT_EQ(form.DstList->item(1)->data(Qt::UserRole).toInt(), 42);
    EXPECT_EQ(form.SrcList->currentItem()->text(), QStringLiteral("B10 --- 業務"));

    // Moving the last item selects the item that is now last.
    form.Include();
    EXPECT_EQ(form.SourceItems(), QStringList{QStringLiteral("A01 --- 總務")});
    EXPECT_EQ(form.SrcList->currentRow(), 0);

    form.DstList->setCurrentRow(0);
    form.Exclude();
    EXPECT_EQ(form.SourceItems(), QStringList({QStringLiteral("A01 --- 總務"), QStringLiteral("C01 --- 生產")}));
    EXPECT_EQ(form.DstList->currentItem()->text(), QStringLiteral("A02 --- 會計"));
}

TEST_F(PickerTest, DoubleClickAndEnterMoveAcross)
{
    form.SetItems({QStringLiteral("X"), QStringLiteral("Y")}, {});
    form.show();
    form.SrcList->setCurrentRow(0);
    QTest::keyClick(form.SrcList, Qt::Key_Return);
    EXPECT_EQ(form.DestinationItems(), QStringList{QStringLiteral("X")});
    emit form.SrcList->itemDoubleClicked(form.SrcList->item(0));
    EXPECT_EQ(form.DestinationItems(), QStringList({QStringLiteral("X"), QStringLiteral("Y")}));
    form.DstList->setCurrentRow(0);
    QTest::keyClick(form.DstList, Qt::Key_Enter);
    EXPECT_EQ(form.SourceItems(), QStringList{QStringLiteral("X")});
}

TEST_F(PickerTest, IncludeAllIsRefusedAboveNinetyNineItemsTogether)
{
    form.SetItems(Numbered(QStringLiteral("S"), 60), Numbered(QStringLiteral("D"), 40));
    form.IncAllBtn->click();
    EXPECT_EQ(form.SrcList->count(), 60);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, LoadFormResourceStr(QStringLiteral("COMMON"), 19001));
    EXPECT_EQ(messages.requests[0].type, MsgType::Information);

    form.SetItems(Numbered(QStringLiteral("S"), 59), Numbered(QStringLiteral("D"), 40));
    form.IncludeAll();
    EXPECT_EQ(form.SrcList->count(), 0);
    EXPECT_EQ(form.DestinationItems().mid(40), Numbered(QStringLiteral("S"), 59));
    EXPECT_EQ(messages.requests.size(), 1u);

    // Back again, without limit and in order.
    form.ExcludeAll();
    EXPECT_EQ(form.SourceItems(), Numbered(QStringLiteral("D"), 40) + Numbered(QStringLiteral("S"), 59));
}

TEST_F(PickerTest, DropIsRefusedWhenMoreThanTwentyNineAreChosen)
{
    form.SetItems({QStringLiteral("S1"), QStringLiteral("S2")}, Numbered(QStringLiteral("D"), 29));
    form.SrcList->setCurrentRow(0);
    form.DropItem(form.SrcList, form.DstList);
    EXPECT_EQ(form.DstList->count(), 30);
    EXPECT_TRUE(messages.requests.empty());

    form.SrcList->setCurrentRow(0);
    form.DropItem(form.SrcList, form.DstList);
    EXPECT_EQ(form.DstList->count(), 30);
    EXPECT_EQ(form.SourceItems(), QStringList{QStringLiteral("S2")});
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, LoadFormResourceStr(QStringLiteral("COMMON"), 10100));

    // Back to the available list there is no limit; within one list nothing moves.
    form.DstList->setCurrentRow(0);
    form.DropItem(form.DstList, form.SrcList);
    EXPECT_EQ(form.SourceItems(), QStringList({QStringLiteral("S2"), QStringLiteral("D1")}));
    form.SrcList->setCurrentRow(0);
    form.DropItem(form.SrcList, form.SrcList);
    EXPECT_EQ(form.SourceItems(), QStringList({QStringLiteral("S2"), QStringLiteral("D1")}));
}

TEST_F(PickerTest, ButtonsFollowTheListsContents)
{
    form.SetItems({QStringLiteral("S1")}, {});
    EXPECT_TRUE(form.IncludeBtn->isEnabled());
    EXPECT_TRUE(form.IncAllBtn->isEnabled());
    EXPECT_FALSE(form.ExcludeBtn->isEnabled());
    EXPECT_FALSE(form.ExcAllBtn->isEnabled());
    form.SrcList->setCurrentRow(0);
    form.IncludeBtn->click();
    EXPECT_FALSE(form.IncludeBtn->isEnabled());
    EXPECT_FALSE(form.IncAllBtn->isEnabled());
    EXPECT_TRUE(form.ExcludeBtn->isEnabled());
    EXPECT_TRUE(form.ExcAllBtn->isEnabled());
}

TEST_F(PickerTest, ArrowKeysLeaveTheListsAndShowSetsCaptionsAndFocus)
{
    form.SetItems({QStringLiteral("S1")}, {QStringLiteral("D1")});
    form.show();
    form.FormShow();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(form.F8Btn->text(), LoadFormResourceStr(QStringLiteral("COMMON"), 10002));
    EXPECT_EQ(form.ESCBtn->text(), LoadFormResourceStr(QStringLiteral("COMMON"), 10003));
    EXPECT_EQ(form.SrcList->currentRow(), 0);

    form.SrcList->setFocus();
    QTest::keyClick(form.SrcList, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form.IncludeBtn);
    form.DstList->setFocus();
    QTest::keyClick(form.DstList, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), form.ExcAllBtn);
    EXPECT_EQ(form.SourceItems(), QStringList{QStringLiteral("S1")});
}

TEST_F(PickerTest, KeysAndButtonsCloseWithTheirResults)
{
    guard.onModal([](MForm& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F8);
        return int(mrNone);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    guard.onModal([](MForm& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return int(mrNone);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    guard.onModal([](MForm& dialog) {
        dialog.component<QPushButton>(QStringLiteral("ESCBtn"))->click();
        return int(mrNone);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(PickFromLists, ConfirmedTakesTheListsAndCancelledLeavesThem)
{
    AutomationGuard guard;
    QString caption;
    guard.onModal([&caption](MForm& dialog) {
        auto& picker = static_cast<TPRD_DSCForm&>(dialog);
        caption = picker.windowTitle();
        picker.SrcList->setCurrentRow(0);
        picker.IncludeBtn->click();
        picker.F8Btn->click();
        return int(mrNone);
    });
    QStringList available{QStringLiteral("A01 --- 總務"), QStringLiteral("A02 --- 會計")};
    QStringList chosen;
    ASSERT_TRUE(PickFromLists(available, chosen, 1));
    EXPECT_EQ(caption, LoadFormResourceStr(QStringLiteral("COMMON"), 10101));
    EXPECT_EQ(available, QStringList{QStringLiteral("A02 --- 會計")});
    EXPECT_EQ(chosen, QStringList{QStringLiteral("A01 --- 總務")});

    guard.onModal([](MForm& dialog) {
        auto& picker = static_cast<TPRD_DSCForm&>(dialog);
        picker.IncAllBtn->click();
        return int(mrCancel);
    });
    EXPECT_FALSE(PickFromLists(available, chosen, 1));
    EXPECT_EQ(available, QStringList{QStringLiteral("A02 --- 會計")});
    EXPECT_EQ(chosen, QStringList{QStringLiteral("A01 --- 總務")});
}
