// The transfer window's own F2 handlers and saved conditions, its bank texts in the clerk's language,
// and its toolbar as the clerk sees it.
#include "banks/wagbk10/wagbk10.h"
#include "banks/wagbk17/wagbk17.h"
#include "banks/wagbk18/wagbk18.h"
#include "runtime/language.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/function_buttons.h"
#include "support/test_company.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WindowConditions : public ::testing::Test {
protected:
    explicit WindowConditions(int language = 1) : company(QDate(2026, 3, 1), language) {}

    void SetUp() override
    {
        automation.onMessage([this](const MessageRequest& m) {
            if (m.type == MsgType::Error)
                errors << m.text;
            return int(mrOk);
        });
    }
    void TearDown() override
    {
        for (MForm* window : windows)
            window->Release();
    }

    template <class Window>
    Window* open()
    {
        auto* window = Create<Window>(nullptr);
        windows << window;
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        QApplication::processEvents();
        return window;
    }
    static TFunctionButtons* toolbar(MForm* window) { return window->component<TFunctionButtons>("FunctionButtons1"); }

    // The F2 panel, filled by `fill` and confirmed with F8.
    void conditions(MForm* window, const std::function<void(MForm& panel)>& fill)
    {
        automation.onModal([&fill](MForm& panel) {
            fill(panel);
            panel.component<QPushButton>("Btn_F8")->click();
            return int(mrOk);
        });
        toolbar(window)->RunCommand(cmdConditions);
    }

    // Every column of the saved-conditions row, "(null)" where NULL.
    QStringList savedRow() const
    {
        QStringList cells;
        for (const char* column : {"BNK_NO", "ID1", "ID2", "ID3", "ID4", "ID5", "ID10", "NAME", "FILENAME"}) {
            const QVariant value = company.scalar(QStringLiteral("SELECT %1 FROM BANK1 WHERE BNK_NO='0'").arg(column));
            cells << (value.isNull() ? QStringLiteral("(null)") : value.toString());
        }
        return cells;
    }

    TestCompany company;
    AutomationGuard automation;
    QList<MForm*> windows;
    QStringList errors;
};

TEST_F(WindowConditions, F2RoundTripThroughTheWindowsOwnHandlers)
{
    TWagbk10Form* window = open<TWagbk10Form>();
    EXPECT_EQ(company.scalar("SELECT COUNT(*) FROM BANK1 WHERE BNK_NO='0'").toInt(), 0);

    // Mode 1 with two departments typed: the row keeps the first one only.
    QString shownDepartments, shownKinds;
    conditions(window, [&](MForm& panel) {
        shownDepartments = panel.component<QLineEdit>("ED_DEP")->text();
        shownKinds = panel.component<QLineEdit>("ED_SZ")->text();
        panel.component<QLineEdit>("ED_DEP")->setText(" A01;B10 ");
        panel.component<QComboBox>("COM_SORT")->setCurrentIndex(0);
        panel.component<QComboBox>("COM_BACC")->setCurrentIndex(2);
        panel.component<QLineEdit>("ED_SZ")->setText("IsNull");
        panel.component<QCheckBox>("CHK_TIT")->setChecked(true);
    });
    EXPECT_EQ(shownDepartments, "0000") << "the initial conditions: every department";
    EXPECT_EQ(shownKinds, LoadFormResourceStr("WAGBK", 10019));
    EXPECT_EQ(toolbar(window)->UserDataText, "1,0,2,IsNull,A01");
    EXPECT_EQ(savedRow(), (QStringList{"0", "1", "0", "2", "T", "(null)", "(null)", "IsNull", "A01"}));
    EXPECT_TRUE(toolbar(window)->NeedRebuild);

    // Emptied edits: the department list becomes "0000", the categories the regular-salary label.
    conditions(window, [](MForm& panel) {
        EXPECT_EQ(panel.component<QLineEdit>("ED_DEP")->text(), "A01");
        EXPECT_TRUE(panel.component<QCheckBox>("CHK_TIT")->isChecked());
        panel.component<QLineEdit>("ED_DEP")->clear();
        panel.component<QLineEdit>("ED_SZ")->setText("   ");
        panel.component<QComboBox>("COM_SORT")->setCurrentIndex(1);
        panel.component<QCheckBox>("CHK_TIT")->setChecked(false);
    });
    const QString regular = LoadFormResourceStr("WAGBK", 10019);
    EXPECT_EQ(toolbar(window)->UserDataText, "1,1,2," + regular + ",0000");
    EXPECT_EQ(savedRow(), (QStringList{"0", "1", "1", "2", "F", "(null)", "(null)", regular, "0000"}));

    // Switching the panel to mode 1 keeps only the first department in the edit at once.
    conditions(window, [](MForm& panel) {
        panel.component<QComboBox>("COM_DEP")->setCurrentIndex(0);
        panel.component<QLineEdit>("ED_DEP")->setText("A01;A02;A03");
        panel.component<QComboBox>("COM_DEP")->setCurrentIndex(1);
        EXPECT_EQ(panel.component<QLineEdit>("ED_DEP")->text(), "A01");
        panel.component<QComboBox>("COM_DEP")->setCurrentIndex(0);
        panel.component<QLineEdit>("ED_DEP")->setText("A01;A02;A03");
    });
    EXPECT_EQ(savedRow().value(1), "0");
    EXPECT_EQ(savedRow().value(8), "A01;A02;A03") << "the listed departments stay whole";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    // A second window of another bank reads the same row.
    TWagbk17Form* other = open<TWagbk17Form>();
    EXPECT_EQ(other->conditions().DepList, "A01;A02;A03");
    EXPECT_EQ(other->conditions().SortMode, 1);
}

struct SimplifiedWindowConditions : WindowConditions {
    SimplifiedWindowConditions() : WindowConditions(0) {}
};

TEST_F(SimplifiedWindowConditions, ANonNumericSavedModeIsAConversionErrorInTheClerksLanguage)
{
    company.exec("INSERT INTO BANK1 (BNK_NO, ID1, ID2, ID3, ID4, NAME, FILENAME) VALUES ('0', '1', 'x', '0', 'F', 'IsNull', '0000')");
    TWagbk10Form* window = open<TWagbk10Form>();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), LoadFormResourceStr("WAGBK", 15104).arg("x", "ID2"));
    EXPECT_TRUE(errors.first().contains(QStringLiteral("整数"))) << errors.first().toStdString();
    EXPECT_EQ(window->conditions().SortMode, 0) << "the initial values stand";
}

TEST_F(SimplifiedWindowConditions, CaptionAndFormatHintAreTheBanksTextsInTheClerksLanguage)
{
    const struct {
        MForm* window;
        QString name;
    } banks[] = {{open<TWagbk10Form>(), QStringLiteral("台湾银行")},
                 {open<TWagbk17Form>(), QStringLiteral("华南商业银行")},
                 {open<TWagbk18Form>(), QStringLiteral("世华商业银行")}};
    for (const auto& bank : banks) {
        EXPECT_EQ(bank.window->windowTitle(), bank.name);
        EXPECT_EQ(bank.window->component<QToolButton>("Rem")->toolTip(), bank.name);
    }
}

struct EnglishWindowConditions : WindowConditions {
    EnglishWindowConditions() : WindowConditions(2) {}
};

TEST_F(EnglishWindowConditions, CaptionAndFormatHintFollowTheLanguage)
{
    TWagbk10Form* window = open<TWagbk10Form>();
    EXPECT_EQ(window->windowTitle(), "Bank of Taiwan");
    EXPECT_EQ(window->component<QToolButton>("Rem")->toolTip(), "Bank of Taiwan");
}

TEST_F(WindowConditions, TheToolbarShowsItsListedCommandsAndF4IsReachedByItsKey)
{
    TWagbk10Form* window = open<TWagbk10Form>();
    TFunctionButtons* buttons = toolbar(window);
    for (int code : {cmdConditions, cmdBuildTable, cmdDefine, cmdSort, cmdSum, cmdPreview, cmdClose, cmdPrior, cmdNext,
                     cmdFirst, cmdLast, cmdExport})
        EXPECT_TRUE(buttons->Button(code)->isVisibleTo(window)) << code;
    EXPECT_FALSE(buttons->Button(cmdBankParameters)->isVisibleTo(window)) << "no button of its own";
    EXPECT_EQ(buttons->Button(cmdExport)->toolTip(), QStringLiteral("轉出薪資媒體檔 (F9)"));

    QString opened;
    automation.onModal([&opened](MForm& dialog) {
        opened = QString::fromLatin1(dialog.metaObject()->className());
        return int(mrCancel);
    });
    QApplication::setActiveWindow(window);
    window->component<QWidget>("MBBDBGrid1")->setFocus();
    QTest::keyClick(window->component<QWidget>("MBBDBGrid1"), Qt::Key_F4);
    EXPECT_EQ(opened, "TWagbk10aForm");
}

} // namespace
