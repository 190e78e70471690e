// The bank parameter dialog's question before closing with unsaved changes: Yes saves, No discards,
// Cancel keeps the dialog open; loading the row is no change.
#include "banks/wagbk10/wagbk10.h"
#include "runtime/language.h"
#include "runtime/ui/automation.h"
#include "support/test_company.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ParameterDialogTest : ::testing::Test {
    void SetUp() override
    {
        automation.onMessage([this](const MessageRequest& m) {
            questions.push_back(m);
            return reply;
        });
    }

    // Opens bank 10's dialog, types `id1` unless it is null, presses Esc once and answers the question
    // with `answer`; returns the dialog's modal result right after Esc.
    int typeAndEscape(const QString& id1, int answer)
    {
        reply = answer;
        int afterEscape = -1;
        automation.onModal([&](MForm& dialog) {
            if (!id1.isNull())
                dialog.component<QLineEdit>("ID1_10")->setText(id1);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            afterEscape = dialog.modalResult();
            return int(mrNone);
        });
        ReleasedForm<TWagbk10aForm> dialog(Create<TWagbk10aForm>(nullptr));
        dialog->ShowModal();
        return afterEscape;
    }
    QVariant savedId1() const { return company.scalar("SELECT ID1 FROM BANK1 WHERE BNK_NO='10'"); }

    TestCompany company;
    AutomationGuard automation;
    std::vector<MessageRequest> questions;
    int reply = mrCancel;
};

TEST_F(ParameterDialogTest, CancelKeepsTheDialogOpenAndNoDiscardsTheChange)
{
    EXPECT_EQ(typeAndEscape("012", mrCancel), mrNone) << "the close is abandoned";
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, LoadFormResourceStr("WAGBK", 10080));
    EXPECT_EQ(questions[0].type, MsgType::Information);
    EXPECT_EQ(questions[0].buttons, mbYes | mbNo | mbCancel);
    EXPECT_FALSE(savedId1().isValid()) << "nothing saved";

    EXPECT_EQ(typeAndEscape("012", mrNo), mrCancel);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_FALSE(savedId1().isValid()) << "the row still does not exist";
}

TEST_F(ParameterDialogTest, YesSavesTheRowThenCloses)
{
    EXPECT_EQ(typeAndEscape("012", mrYes), mrCancel);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(savedId1().toString(), "012");
    EXPECT_EQ(company.scalar("SELECT NAME || '/' || FILENAME FROM BANK1 WHERE BNK_NO='10'").toString(),
              LoadFormResourceStr("WAGBK", 11009) + "/SALARY.TXT");

    // Loading the saved row is no change: Esc closes at once.
    EXPECT_EQ(typeAndEscape(QString(), mrYes), mrCancel);
    EXPECT_EQ(questions.size(), 1u) << "no question without a change";
}

} // namespace
