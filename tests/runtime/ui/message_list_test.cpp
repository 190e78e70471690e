// Messages that are lists: a refused export's values and long warnings are read into entries and
// shown in a dialog with a count, a table, copy, print and save; short messages stay message boxes.
#include "ui_test_support.h"

#include "runtime/language.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/ui/message_list.h"
#include "runtime/ui/message_list_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QString Refusal(int values)
{
    QStringList lines{LoadFormResourceStr(QStringLiteral("WAGBK"), 10087)};
    for (int i = 1; i <= values; ++i)
        lines << QStringLiteral("%1 王小明: 轉帳帳號 = 0040%2").arg(i, 5, 10, QLatin1Char('0')).arg(i);
    return lines.join(u'\n');
}

QString SubstitutedNames(int names)
{
    QStringList lines{LoadFormResourceStr(QStringLiteral("WAGBK"), 10082), LoadFormResourceStr(QStringLiteral("WAGBK"), 10088)};
    for (int i = 1; i <= names; ++i)
        lines << QStringLiteral("E%1 陳？明").arg(i);
    return lines.join(u'\n');
}

template <class T>
T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

} // namespace

TEST(MessageListTest, ARefusalIsReadAsEmployeeFieldAndValue)
{
    const auto list = ReadMessageList(Refusal(107));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->heading, QStringList{LoadFormResourceStr(QStringLiteral("WAGBK"), 10087)});
    ASSERT_EQ(list->entries.size(), 107);
    EXPECT_EQ(list->entries[0].who, QStringLiteral("00001 王小明"));
    EXPECT_EQ(list->entries[0].field, QStringLiteral("轉帳帳號"));
    EXPECT_EQ(list->entries[0].value, QStringLiteral("00401"));

    // One refused value is a list too; a value may itself hold " = " and ": ".
    const auto one = ReadMessageList(QStringLiteral("檔案未轉出：\n表頭: 備註 = a = b: c"));
    ASSERT_TRUE(one);
    ASSERT_EQ(one->entries.size(), 1);
    EXPECT_EQ(one->entries[0].who, QStringLiteral("表頭"));
    EXPECT_EQ(one->entries[0].field, QStringLiteral("備註"));
    EXPECT_EQ(one->entries[0].value, QStringLiteral("a = b: c"));
}

TEST(MessageListTest, ShortMessagesStayMessagesAndLongWarningsBecomeLists)
{
    EXPECT_FALSE(ReadMessageList(QStringLiteral("無法寫入媒體檔 /a/b.txt: Permission denied")));
    EXPECT_FALSE(ReadMessageList(SubstitutedNames(3)));

    const auto warnings = ReadMessageList(SubstitutedNames(20));
    ASSERT_TRUE(warnings);
    EXPECT_EQ(warnings->heading.size(), 2) << "the result and the warning's own heading";
    ASSERT_EQ(warnings->entries.size(), 20);
    EXPECT_EQ(warnings->entries[19].who, QStringLiteral("E20 陳？明"));
    EXPECT_TRUE(warnings->entries[19].field.isEmpty());
}

TEST(MessageListTest, TheDialogCountsListsCopiesAndSaves)
{
    AutomationGuard guard;
    RecordedMessages messages(guard);
    MessageListDialog dialog(*ReadMessageList(Refusal(107)), MsgType::Error, mbOK);

    EXPECT_TRUE(Child<QLabel>(dialog, "Count")->text().contains(QStringLiteral("107")));
    auto* table = Child<QTableWidget>(dialog, "Entries");
    ASSERT_EQ(table->rowCount(), 107);
    ASSERT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->item(106, 0)->text(), QStringLiteral("00107 王小明"));
    EXPECT_EQ(table->item(106, 2)->text(), QStringLiteral("0040107"));

    Child<QPushButton>(dialog, "Btn_Copy")->click();
    const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 109) << "heading, count, 107 rows";
    EXPECT_EQ(copied.last(), QStringLiteral("00107 王小明\t轉帳帳號\t0040107"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused"));
    guard.onFileDialog([&path](QString& name, const QString&) {
        name = path;
        return true;
    });
    Child<QPushButton>(dialog, "Btn_Save")->click();
    QFile saved(path + QStringLiteral(".txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << "the .txt extension is added";
    const QStringList lines = QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 110) << "heading, count, 107 values, and the last line's end";
    EXPECT_EQ(lines[2], QStringLiteral("00001 王小明: 轉帳帳號 = 00401"));
    EXPECT_TRUE(messages.lastText().contains(saved.fileName()));

    // A file that cannot be written is an error, and an earlier file there stays as it was.
    EXPECT_THROW(dialog.WriteTextFile(dir.filePath(QStringLiteral("missing/folder/x.txt"))), std::runtime_error);
}

TEST(MessageListTest, PrintingWritesThePdfPrinterFileAndSaysWhere)
{
    AutomationGuard guard;
    RecordedMessages messages(guard);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("refused.pdf"));
    report::SetPdfOutputPath(pdf);
    MessageListDialog dialog(*ReadMessageList(Refusal(80)), MsgType::Error, mbOK);
    Child<QPushButton>(dialog, "Btn_Print")->click();
    report::SetPdfOutputPath(QString());
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(messages.lastText().contains(pdf)) << messages.lastText().toStdString();
}

TEST(MessageListTest, AListAsksWhatTheMessageAsksAndClosingAnswersLikeAMessageBox)
{
    const MessageList list = *ReadMessageList(Refusal(2));
    MessageListDialog confirm(list, MsgType::Confirmation, mbYes | mbNo);
    EXPECT_EQ(confirm.findChild<QPushButton*>(QStringLiteral("Btn_OK")), nullptr);
    QTimer::singleShot(0, &confirm, [&confirm] { confirm.findChild<QPushButton*>(QStringLiteral("Btn_No"))->click(); });
    EXPECT_EQ(confirm.Run(), mrNo);

    MessageListDialog closed(list, MsgType::Confirmation, mbYes | mbNo);
    QTimer::singleShot(0, &closed, [&closed] { closed.reject(); });
    EXPECT_EQ(closed.Run(), mrNo) << "no Cancel button: closing answers No";
}

TEST(MessageListTest, AnErrorThatListsRefusedValuesOpensTheListDialog)
{
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown = modal->objectName();
        modal->findChild<QPushButton*>(QStringLiteral("Btn_OK"))->click();
    });
    EXPECT_EQ(MessageDlg(Refusal(107), MsgType::Error, mbOK), mrOk);
    EXPECT_EQ(shown, QStringLiteral("MessageList"));
}
