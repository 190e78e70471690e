// Every registered bank's window as the clerk meets it: opened at the size the host gives it on a
// 1280×800 screen it shows its conditions, the whole toolbar with every caption whole and at least
// 15 rows; at 125% text in a narrow window the toolbar wraps instead of cutting captions; and
// every toolbar key reaches its command from the grid and from each edit, and F8 and Esc work
// from every control of the F2 panel.
#include "module/form_registry.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/function_commands.h"
#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/silent_abort.h"
#include "runtime/ui/window_fit.h"
#include "support/test_company.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What a bank window gets inside the desktop host's main window on a 1280×800 screen.
constexpr QSize MdiRoomAt1280x800(1140, 640);
constexpr QSize NarrowRoom(760, 640);

struct OpenedWindow {
    explicit OpenedWindow(const FormClass& formClass) : form(formClass.create(nullptr))
    {
        form->setAttribute(Qt::WA_DontShowOnScreen);
        form->show();
        QApplication::processEvents();   // the toolbar's own button comes by a posted message
    }
    ~OpenedWindow() { form->Release(); }

    void fitInto(const QSize& room)
    {
        form->resize(FittedSize(*form, room));
        QApplication::processEvents();
    }
    TFunctionButtons& toolbar() const { return *form->component<TFunctionButtons>(QStringLiteral("FunctionButtons1")); }
    MBBDBGrid& grid() const { return *form->component<MBBDBGrid>(QStringLiteral("MBBDBGrid1")); }
    QList<QLineEdit*> edits() const
    {
        QList<QLineEdit*> shown;
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            if (edit->window() == form && edit->isVisible())
                shown << edit;
        return shown;
    }

    MForm* form;
};

class BankWindowLayoutTest : public ::testing::Test {
protected:
    template <class Check>
    void forEachBank(Check check)
    {
        int banks = 0;
        for (int bank = FirstBank; bank <= LastBank; ++bank)
            if (const FormClass* formClass = BankForm(bank)) {
                SCOPED_TRACE(formClass->className.toStdString());
                OpenedWindow window(*formClass);
                check(window);
                ++banks;
            }
        EXPECT_EQ(banks, 28) << "every bank registers its window";
    }

    // Every toolbar button is shown whole: as wide as its caption asks, inside the toolbar, and the
    // toolbar inside the window.
    static void expectWholeToolbar(const OpenedWindow& window)
    {
        const TFunctionButtons& toolbar = window.toolbar();
        EXPECT_LE(toolbar.geometry().bottom(), window.form->rect().bottom());
        EXPECT_LE(toolbar.geometry().right(), window.form->rect().right());
        int shown = 0;
        for (const FunctionCommandInfo& command : FunctionCommands()) {
            const QAbstractButton* button = toolbar.Button(command.code);
            ASSERT_NE(button, nullptr);
            if (!button->isVisibleTo(&toolbar))
                continue;   // a command the window reaches by its key only
            ++shown;
            EXPECT_TRUE(button->isVisible()) << button->text().toStdString();
            const int captionWidth = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
            EXPECT_GT(button->width(), captionWidth) << button->text().toStdString();
            EXPECT_TRUE(toolbar.rect().contains(button->geometry())) << button->text().toStdString();
        }
        EXPECT_GE(shown, 12) << "the export button and the listed commands";
    }

    TestCompany company;
    AutomationGuard automation;
};

TEST_F(BankWindowLayoutTest, OpensShowingConditionsWholeToolbarAndFifteenRows)
{
    forEachBank([](OpenedWindow& window) {
        window.fitInto(MdiRoomAt1280x800);
        EXPECT_LE(window.form->width(), MdiRoomAt1280x800.width());
        EXPECT_LE(window.form->height(), MdiRoomAt1280x800.height());
        expectWholeToolbar(window);
        EXPECT_EQ(window.toolbar().height(), window.toolbar().heightForWidth(window.toolbar().width()));
        EXPECT_GE(window.grid().VisibleRows(), 15);
        for (const QLineEdit* edit : window.edits())
            EXPECT_TRUE(window.form->rect().contains(edit->geometry())) << edit->objectName().toStdString();
    });
}

TEST_F(BankWindowLayoutTest, LargerTextInANarrowWindowWrapsTheToolbarInsteadOfCuttingCaptions)
{
    forEachBank([](OpenedWindow& window) {
        QFont larger = window.form->font();
        larger.setPointSizeF(larger.pointSizeF() * 1.25);
        window.form->setFont(larger);
        window.fitInto(NarrowRoom);
        EXPECT_LE(window.form->width(), NarrowRoom.width());
        expectWholeToolbar(window);
        EXPECT_GT(window.toolbar().Button(cmdClose)->y(), window.toolbar().Button(cmdConditions)->y()) << "a second row";
    });
}

TEST_F(BankWindowLayoutTest, EveryToolbarKeyReachesItsCommandFromTheGridAndFromEachEdit)
{
    forEachBank([](OpenedWindow& window) {
        window.fitInto(MdiRoomAt1280x800);
        QList<int> commands;
        window.toolbar().OnClick = [&commands](int code) {
            commands << code;
            Abort();   // the command was reached; its dialog is another test's business
        };
        QApplication::setActiveWindow(window.form);
        QList<QWidget*> places{&window.grid()};
        for (QLineEdit* edit : window.edits())
            places << edit;
        ASSERT_GE(places.size(), 6) << "the grid and the condition edits";
        for (QWidget* place : places) {
            place->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), place) << place->objectName().toStdString();
            for (const FunctionCommandInfo& command : FunctionCommands()) {
                commands.clear();
                const QKeyCombination key = command.key[0];
                QTest::keyClick(place, key.key(), key.keyboardModifiers());
                EXPECT_EQ(commands, QList<int>{command.code})
                    << place->objectName().toStdString() << " " << command.key.toString().toStdString();
            }
        }
    });
}

TEST_F(BankWindowLayoutTest, F8AndEscWorkFromEveryControlOfTheConditionPanel)
{
    forEachBank([this](OpenedWindow& window) {
        int controls = 0;
        automation.onModal([&controls](MForm& panel) {
            panel.setAttribute(Qt::WA_DontShowOnScreen);
            panel.show();
            QApplication::setActiveWindow(&panel);
            QWidget* last = nullptr;
            for (QWidget* control : panel.findChildren<QWidget*>()) {
                if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus))
                    continue;
                control->setFocus();
                QTest::keyClick(control, Qt::Key_Escape);
                EXPECT_EQ(panel.modalResult(), mrCancel) << control->objectName().toStdString();
                panel.setModalResult(mrNone);
                last = control;
                ++controls;
            }
            if (last)
                QTest::keyClick(last, Qt::Key_F8);
            EXPECT_EQ(panel.modalResult(), mrOk);
            return panel.modalResult();
        });
        window.toolbar().RunCommand(cmdConditions);
        EXPECT_GE(controls, 6) << "the six conditions";
    });
}

} // namespace
