// The function-key toolbar: the F2 panel's round trip through the window's events, commands by key
// and button, the silent abort, errors shown with the window still usable, rights, and the
// toolbar's own actions on its table.
#include "ui_test_support.h"

#include "runtime/ui/function_buttons.h"
#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/mprogress_form.h"
#include "runtime/ui/silent_abort.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// A window wired like a transfer window: departments with a picker, a mode, a check box.
class ToolbarWindow : public MForm {
public:
    ToolbarWindow()
    {
        auto* layout = new QVBoxLayout(this);
        grid = new MBBDBGrid(this);
        toolbar = new TFunctionButtons(this);
        toolbar->setObjectName(QStringLiteral("FunctionButtons1"));
        layout->addWidget(grid);
        layout->addWidget(toolbar);
        auto* depButton = new QPushButton(this);
        depButton->setObjectName(QStringLiteral("Btn_Dep"));
        depButton->hide();
        connect(depButton, &QPushButton::clicked, this, [this] { depEdit->setText(depEdit->text() + QStringLiteral(";B10")); });

        toolbar->F2LabelToolFunctionID = {QStringLiteral("1.部門選擇,TEdit,Btn_Dep,ED_DEP"),
                                          QStringLiteral("2.部門所屬方式,TCombobox,COM_DEP"),
                                          QStringLiteral("6.帳戶名稱使用戶名,TCheckBox,CHK_TIT")};
        toolbar->LoadUserData = [this] {
            log << QStringLiteral("load");
            depList = QStringLiteral("A01;A02");
        };
        toolbar->F2UserInitValue = [this](QWidget* control, const QString& name) {
            log << QStringLiteral("init ") + name;
            if (name == QLatin1String("ED_DEP")) {
                depEdit = qobject_cast<QLineEdit*>(control);
                depEdit->setText(depList);
            } else if (name == QLatin1String("COM_DEP")) {
                auto* combo = qobject_cast<QComboBox*>(control);
                combo->addItems({QStringLiteral("listed"), QStringLiteral("with subordinates")});
                combo->setCurrentIndex(depMode);
            } else if (name == QLatin1String("CHK_TIT")) {
                qobject_cast<QCheckBox*>(control)->setChecked(useTitle);
            }
        };
        toolbar->F2UserCheck = [this](QWidget* control, const QString& name) {
            log << QStringLiteral("check ") + name;
            if (name == QLatin1String("COM_DEP") && qobject_cast<QComboBox*>(control)->currentIndex() == 1)
                depEdit->setText(depEdit->text().section(u';', 0, 0));
        };
        toolbar->F2ReturnUser = [this](QWidget* control, const QString& name) {
            log << QStringLiteral("return ") + name;
            if (name == QLatin1String("ED_DEP"))
                depList = qobject_cast<QLineEdit*>(control)->text().trimmed();
            else if (name == QLatin1String("COM_DEP"))
                depMode = qobject_cast<QComboBox*>(control)->currentIndex();
            else if (name == QLatin1String("CHK_TIT"))
                useTitle = qobject_cast<QCheckBox*>(control)->isChecked();
        };
        toolbar->SaveUserData = [this](QString& text) {
            log << QStringLiteral("save");
            text = QStringLiteral("%1,%2,%3").arg(depMode).arg(depList, useTitle ? QStringLiteral("T") : QStringLiteral("F"));
        };
        toolbar->OnMakeTable = [this] { log << QStringLiteral("make"); };
        toolbar->OnClick = [this](int code) {
            clicks << code;
            if (onClick)
                onClick(code);
        };
    }

    TFunctionButtons* toolbar;
    MBBDBGrid* grid;
    QLineEdit* depEdit = nullptr;
    QString depList = QStringLiteral("0000");
    int depMode = 1;
    bool useTitle = false;
    QStringList log;
    QList<int> clicks;
    std::function<void(int)> onClick;
};

struct ToolbarTest : ::testing::Test {
    AutomationGuard guard;
    RecordedMessages messages{guard};
    std::unique_ptr<ToolbarWindow> window = std::make_unique<ToolbarWindow>();
    TFunctionButtons& toolbar = *window->toolbar;

    void showActive()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        window->grid->setFocus();
    }
};

} // namespace

TEST_F(ToolbarTest, F2PanelRoundTripThroughTheWindowsEvents)
{
    QString shownText;
    guard.onModal([&shownText](MForm& panel) {
        EXPECT_EQ(panel.objectName(), QStringLiteral("F2Panel"));
        auto* edit = panel.component<QLineEdit>(QStringLiteral("ED_DEP"));
        shownText = edit->text();
        panel.component<QPushButton>(QStringLiteral("Btn_Dep"))->click();   // the window's picker adds B10
        auto* mode = panel.component<QComboBox>(QStringLiteral("COM_DEP"));
        mode->setCurrentIndex(0);
        mode->setCurrentIndex(1);   // one department with its subordinates: the first code stays
        panel.component<QCheckBox>(QStringLiteral("CHK_TIT"))->setChecked(true);
        panel.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        return int(mrNone);
    });
    toolbar.RunCommand(cmdConditions);

    EXPECT_EQ(shownText, QStringLiteral("A01;A02"));
    EXPECT_EQ(window->log, QStringList({"load", "init ED_DEP", "init COM_DEP", "init CHK_TIT", "check ED_DEP",
                                        "check COM_DEP", "check COM_DEP", "check ED_DEP", "check CHK_TIT",
                                        "return ED_DEP", "return COM_DEP", "return CHK_TIT", "save"}));
    EXPECT_EQ(toolbar.UserDataText, QStringLiteral("1,A01,T"));
    EXPECT_EQ(window->clicks, QList<int>{cmdConditions});
    EXPECT_TRUE(messages.requests.empty());

    // A second F2 does not load the user data again, and Esc changes nothing.
    window->log.clear();
    guard.onModal([](MForm& panel) {
        panel.component<QLineEdit>(QStringLiteral("ED_DEP"))->setText(QStringLiteral("Z99"));
        QTest::keyClick(&panel, Qt::Key_Escape);
        return int(mrNone);
    });
    toolbar.RunCommand(cmdConditions);
    EXPECT_EQ(window->log, QStringList({"init ED_DEP", "init COM_DEP", "init CHK_TIT", "check ED_DEP"}));
    EXPECT_EQ(window->depList, QStringLiteral("A01"));
    EXPECT_EQ(toolbar.UserDataText, QStringLiteral("1,A01,T"));
}

TEST_F(ToolbarTest, UserDataIsLoadedOnceWhenTheToolbarIsFirstShown)
{
    showActive();
    window->hide();
    window->show();
    EXPECT_EQ(window->log, QStringList{QStringLiteral("load")});
}

TEST_F(ToolbarTest, AnErrorWhileConfirmingIsShownAndThePanelStaysOpen)
{
    toolbar.SaveUserData = [](QString&) { throw std::runtime_error("條件無法儲存"); };
    int result = mrNone;
    guard.onModal([&result](MForm& panel) {
        panel.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        result = panel.modalResult();
        return int(mrCancel);
    });
    toolbar.RunCommand(cmdConditions);
    EXPECT_EQ(result, mrNone);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, QStringLiteral("條件無法儲存"));
    EXPECT_TRUE(toolbar.UserDataText.isEmpty());
}

TEST_F(ToolbarTest, KeysRunCommandsAndButtonsNameTheirKeys)
{
    showActive();
    QTest::keyClick(window->grid, Qt::Key_F3);
    QTest::keyClick(window->grid, Qt::Key_F8, Qt::ControlModifier);
    EXPECT_EQ(window->clicks, QList<int>({cmdBuildTable, cmdPrint}));
    EXPECT_EQ(window->log.last(), QStringLiteral("make"));

    toolbar.Button(cmdSum)->click();
    EXPECT_EQ(window->clicks.last(), cmdSum);
    EXPECT_TRUE(toolbar.Button(cmdConditions)->toolTip().contains(QStringLiteral("F2")));
    EXPECT_TRUE(toolbar.Button(cmdPrint)->toolTip().contains(QStringLiteral("Ctrl+F8")));
    EXPECT_TRUE(toolbar.Button(cmdLast)->toolTip().contains(QStringLiteral("Ctrl+End")));
}

TEST_F(ToolbarTest, SilentAbortSkipsTheToolbarsOwnAction)
{
    window->onClick = [](int code) {
        if (code == cmdBuildTable)
            Abort();
    };
    toolbar.RunCommand(cmdBuildTable);
    EXPECT_FALSE(window->log.contains(QStringLiteral("make")));
    EXPECT_TRUE(messages.requests.empty());
}

TEST_F(ToolbarTest, AnErrorIsShownAndTheWindowStaysUsable)
{
    window->onClick = [](int) { throw std::runtime_error("資料庫無法連線"); };
    toolbar.RunCommand(cmdBuildTable);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].type, MsgType::Error);
    EXPECT_EQ(messages.requests[0].text, QStringLiteral("資料庫無法連線"));
    EXPECT_FALSE(window->log.contains(QStringLiteral("make")));

    window->onClick = nullptr;
    toolbar.OnMakeTable = [] { throw std::runtime_error("查詢逾時"); };
    toolbar.RunCommand(cmdBuildTable);
    EXPECT_EQ(messages.lastText(), QStringLiteral("查詢逾時"));

    toolbar.OnMakeTable = [this] { window->log << QStringLiteral("make"); };
    toolbar.RunCommand(cmdBuildTable);
    EXPECT_EQ(window->log.last(), QStringLiteral("make"));
}

TEST_F(ToolbarTest, RightsDisableCommandsAndSetRightsRestoresThem)
{
    toolbar.SetCustomButton(QStringLiteral("轉出"), QStringLiteral("薪資檔案轉出"), QIcon());
    toolbar.SetRights(QStringLiteral("YNYNN"));
    EXPECT_EQ(toolbar.RightsText(), QStringLiteral("YNYNN"));
    for (int code : {cmdBankParameters, cmdDefine, cmdPreview, cmdPrint, cmdExport}) {
        EXPECT_FALSE(toolbar.Button(code)->isEnabled()) << code;
        toolbar.RunCommand(code);
    }
    EXPECT_TRUE(window->clicks.isEmpty());
    EXPECT_TRUE(toolbar.Button(cmdBuildTable)->isEnabled());

    // The window's pattern: keep the rights, let a dialog change them, put them back by a message.
    toolbar.SetRights(QStringLiteral("YYYYY"));
    window->onClick = [this](int) {
        const QString saved = toolbar.RightsText();
        toolbar.SetRights(QStringLiteral("NNNNN"));
        window->PostMessage(1312, [this, saved] { toolbar.SetRights(saved); });
        Abort();
    };
    toolbar.RunCommand(cmdBankParameters);
    EXPECT_FALSE(toolbar.Button(cmdPreview)->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(toolbar.RightsText(), QStringLiteral("YYYYY"));
    for (int code : {cmdBankParameters, cmdDefine, cmdPreview, cmdPrint, cmdExport})
        EXPECT_TRUE(toolbar.Button(code)->isEnabled()) << code;
}

TEST_F(ToolbarTest, VisibleButtonsAndTheCustomButton)
{
    toolbar.VisibleButtons = {cmdConditions, cmdBuildTable, cmdPreview, cmdClose};
    toolbar.UpdateButtons();
    EXPECT_FALSE(toolbar.Button(cmdSort)->isVisibleTo(window.get()));
    EXPECT_TRUE(toolbar.Button(cmdPrint)->isVisibleTo(window.get()));
    EXPECT_FALSE(toolbar.Button(cmdExport)->isVisibleTo(window.get()));
    toolbar.SetCustomButton(QStringLiteral("轉出"), QStringLiteral("薪資檔案轉出"), QIcon());
    EXPECT_TRUE(toolbar.Button(cmdExport)->isVisibleTo(window.get()));
    EXPECT_TRUE(toolbar.Button(cmdExport)->text().contains(QStringLiteral("轉出")));
    EXPECT_TRUE(toolbar.Button(cmdExport)->toolTip().contains(QStringLiteral("F9")));
}

TEST_F(ToolbarTest, NavigationMovesTheTableAndTheGridFollows)
{
    FillTransferLikeTable(toolbar.Table(), 5);
    window->grid->SetTable(&toolbar.Table());
    toolbar.RunCommand(cmdLast);
    EXPECT_EQ(toolbar.Table().recNo(), 4);
    EXPECT_EQ(window->grid->currentIndex().row(), 4);
    toolbar.RunCommand(cmdPrior);
    EXPECT_EQ(toolbar.Table().recNo(), 3);
    toolbar.RunCommand(cmdFirst);
    toolbar.RunCommand(cmdNext);
    EXPECT_EQ(toolbar.Table().recNo(), 1);
    EXPECT_EQ(window->grid->currentIndex().row(), 1);
}

TEST_F(ToolbarTest, SumShowsEveryNumberColumnInItsFormat)
{
    FillTransferLikeTable(toolbar.Table(), 4);   // 0 + 10.5 + 21 + 31.5
    toolbar.RunCommand(cmdSum);
    EXPECT_TRUE(messages.lastText().contains(QStringLiteral("金額：63.00"))) << messages.lastText().toStdString();

    toolbar.CanRunF7Sum = false;
    toolbar.RunCommand(cmdSum);
    EXPECT_EQ(messages.requests.size(), 1u);
}

TEST_F(ToolbarTest, SortAndDefineChangeTheTableAndTheGrid)
{
    FillTransferLikeTable(toolbar.Table(), 12);
    window->grid->SetTable(&toolbar.Table());
    toolbar.Table().sortBy({QStringLiteral("A_MTN")});
    guard.onModal([](MForm& dialog) {
        auto* first = dialog.component<QComboBox>(QStringLiteral("COM_SORT1"));
        first->setCurrentIndex(first->findData(QStringLiteral("BACC_NO")));
        return int(mrOk);
    });
    toolbar.RunCommand(cmdSort);
    toolbar.RunCommand(cmdFirst);
    toolbar.RunCommand(cmdNext);
    toolbar.RunCommand(cmdNext);
    EXPECT_EQ(toolbar.Table().fieldText(QStringLiteral("BACC_NO")), QStringLiteral("A10"));

    guard.onModal([](MForm& dialog) {
        auto* fields = dialog.component<QTableWidget>(QStringLiteral("GRID_FIELDS"));
        fields->item(1, 3)->setCheckState(Qt::Unchecked);              // YG_NAME hidden
        fields->item(2, 1)->setText(QStringLiteral("實發金額"));        // A_MTN retitled
        return int(mrOk);
    });
    toolbar.RunCommand(cmdDefine);
    EXPECT_EQ(window->grid->model()->columnCount(), 2);
    EXPECT_EQ(window->grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("實發金額"));
}

TEST_F(ToolbarTest, EscClosesTheWindow)
{
    showActive();
    QTest::keyClick(window->grid, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ToolbarTest, AnUnreadableConditionLineIsReportedNotFatal)
{
    toolbar.F2LabelToolFunctionID = {QStringLiteral("1.備註,TMemo,ED_REM")};
    toolbar.RunCommand(cmdConditions);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_TRUE(messages.lastText().contains(QStringLiteral("TMemo")));
    toolbar.F2LabelToolFunctionID = {QStringLiteral("only a label")};
    toolbar.RunCommand(cmdConditions);
    EXPECT_EQ(messages.requests.size(), 2u);
}

TEST_F(ToolbarTest, KeysReachTheWindowAgainAfterAProgressWindowOrDialogWentAway)
{
    showActive();
    auto* progress = new MProgressForm(window.get());

    // Quick work: the progress window never appears, and the keys wait only while the work runs.
    progress->Show();
    progress->ProcessMessages();
    QTest::keyClick(window->grid, Qt::Key_F7);
    EXPECT_FALSE(progress->isVisible());
    progress->Hide();
    EXPECT_EQ(QApplication::activeWindow(), window.get());

    // Longer work: the window appears and takes the keyboard, and gives it back when it goes.
    progress->SetShowDelay(0);
    progress->Show();
    progress->ProcessMessages();
    ASSERT_TRUE(progress->isVisible());
    progress->activateWindow();   // as the screen's window manager does with a new window
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), progress);
    progress->Hide();
    QCoreApplication::processEvents();
    QTest::keyClick(window->grid, Qt::Key_F3);
    EXPECT_EQ(window->clicks, QList<int>{cmdBuildTable});

    guard.onModal([](MForm& panel) {
        panel.show();
        panel.activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &panel);
        return int(mrCancel);
    });
    toolbar.RunCommand(cmdConditions);
    QCoreApplication::processEvents();
    QTest::keyClick(window->grid, Qt::Key_F9);
    toolbar.SetCustomButton(QStringLiteral("轉出"), QStringLiteral("薪資檔案轉出"), QIcon());
    QTest::keyClick(window->grid, Qt::Key_F9);
    EXPECT_EQ(window->clicks, QList<int>({cmdBuildTable, cmdConditions, cmdExport, cmdExport}));
}

TEST_F(ToolbarTest, AnEditKeepsNoToolbarKeyForItself)
{
    auto* edit = new QLineEdit(QStringLiteral("115/03/01"), window.get());
    window->layout()->addWidget(edit);
    showActive();
    edit->setFocus();
    edit->setCursorPosition(3);
    for (int key : {Qt::Key_Home, Qt::Key_End})
        QTest::keyClick(edit, Qt::Key(key), Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_PageDown);
    EXPECT_EQ(window->clicks, QList<int>({cmdFirst, cmdLast, cmdNext}));
    EXPECT_EQ(edit->cursorPosition(), 3) << "the cursor stayed where it was";

    // A key whose command the rights forbid stays an ordinary key; the edit's own keys stay its own.
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_EQ(window->clicks.size(), 3);
}
