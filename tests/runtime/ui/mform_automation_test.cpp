// The form base and the automation seam: modal runs with and without a handler, message boxes,
// the save dialog, posted messages and component lookup.
#include "ui_test_support.h"

#include "runtime/ui/messages.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/msave_dialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ProbeForm : public MForm {
public:
    explicit ProbeForm(QWidget* owner = nullptr) : MForm(owner)
    {
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("Btn_F8"));
        connect(ok, &QPushButton::clicked, this, [this] { setModalResult(mrOk); });
    }
    void FormCreate() override { log << QStringLiteral("create"); }
    void FormShow() override { log << QStringLiteral("show"); }
    void FormDestroy() override { destroyedLog->append(QStringLiteral("destroy")); }
    bool FormKeyDown(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_F8)
            return false;
        setModalResult(mrYes);
        return true;
    }
    QStringList log;
    QStringList* destroyedLog = &log;
};

} // namespace

TEST(ModalRun, HandlerActsAfterFormShowAndTheFormsOwnResultWins)
{
    AutomationGuard guard;
    QStringList seen;
    guard.onModal([&seen](MForm& form) {
        seen = static_cast<ProbeForm&>(form).log;
        form.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        return int(mrCancel);
    });
    ReleasedForm<ProbeForm> form(Create<ProbeForm>(nullptr));
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(seen, QStringList({QStringLiteral("create"), QStringLiteral("show")}));
    EXPECT_FALSE(form->InModalRun());

    guard.onModal([](MForm&) { return int(mrNo); });
    EXPECT_EQ(form->ShowModal(), mrNo);
}

TEST(ModalRun, RealLoopEndsByResultByKeyAndByClosing)
{
    ReleasedForm<ProbeForm> form(Create<ProbeForm>(nullptr));
    QTimer::singleShot(0, form.get(), [&form] { form->setModalResult(mrOk); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->isVisible());

    QTimer::singleShot(0, form.get(), [&form] { QTest::keyClick(form.get(), Qt::Key_F8); });
    EXPECT_EQ(form->ShowModal(), mrYes);

    QTimer::singleShot(0, form.get(), [&form] { form->close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST(ModalRun, ReleaseRunsFormDestroyOnce)
{
    QStringList log;
    auto* form = Create<ProbeForm>(nullptr);
    form->destroyedLog = &log;
    form->Release();
    EXPECT_EQ(log, QStringList{QStringLiteral("destroy")});
}

TEST(ModalRun, ComponentLookupNamesTheMissingOne)
{
    ProbeForm form;
    EXPECT_NE(form.component<QPushButton>(QStringLiteral("Btn_F8")), nullptr);
    try {
        form.component<QPushButton>(QStringLiteral("Btn_Missing"));
        FAIL() << "no error for a missing component";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("Btn_Missing")));
    }
}

TEST(ModalRun, FormShowRunsOnceWhenShownWithoutModalLoop)
{
    ProbeForm form;
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.log.count(QStringLiteral("show")), 1);
}

TEST(Messages, HandlerAnswersAndGuardsNest)
{
    AutomationGuard outer;
    RecordedMessages outerMessages(outer, mrYes);
    {
        AutomationGuard inner;
        RecordedMessages innerMessages(inner, mrNo);
        EXPECT_EQ(MessageDlg(QStringLiteral("覆蓋？"), MsgType::Confirmation, mbYes | mbNo), mrNo);
        ASSERT_EQ(innerMessages.requests.size(), 1u);
        EXPECT_EQ(innerMessages.requests[0].type, MsgType::Confirmation);
        EXPECT_EQ(innerMessages.requests[0].buttons, mbYes | mbNo);
    }
    ShowError(QStringLiteral("錯誤"));
    ASSERT_EQ(outerMessages.requests.size(), 1u);
    EXPECT_EQ(outerMessages.requests[0].type, MsgType::Error);
    EXPECT_EQ(outerMessages.requests[0].buttons, mbOK);
}

TEST(Messages, ByIdTakesTheTextOfTheGroup)
{
    AutomationGuard guard;
    RecordedMessages messages(guard);
    MessageById(QStringLiteral("COMMON"), 19001, MsgType::Information, mbOK);
    EXPECT_TRUE(messages.lastText().contains(QStringLiteral("99")));
}

TEST(PostedMessages, RunAfterTheCurrentEventAndShowTheirErrors)
{
    AutomationGuard guard;
    RecordedMessages messages(guard);
    ProbeForm form;
    int runs = 0;
    form.PostMessage(1312, [&runs] { ++runs; });
    form.PostMessage(1025, [] { throw std::runtime_error("轉出失敗"); });
    EXPECT_EQ(runs, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, QStringLiteral("轉出失敗"));
}

TEST(SaveDialog, HandlerChoosesAndDefaultExtensionIsAdded)
{
    AutomationGuard guard;
    QString filterSeen;
    guard.onFileDialog([&filterSeen](QString& name, const QString& filter) {
        filterSeen = filter;
        name = QStringLiteral("/tmp/PAY");
        return true;
    });
    MSaveDialog dialog;
    dialog.FileName = QStringLiteral("A:\\SALARY.TXT");
    dialog.Filter = QStringLiteral("*.TXT");
    dialog.DefaultExt = QStringLiteral("TXT");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, QStringLiteral("/tmp/PAY.TXT"));
    EXPECT_EQ(filterSeen, QStringLiteral("*.TXT"));

    guard.onFileDialog([](QString& name, const QString&) {
        name = QStringLiteral("/tmp/OTHER.DAT");
        return false;
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, QStringLiteral("/tmp/PAY.TXT"));
}
