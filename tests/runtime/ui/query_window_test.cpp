// The lookup window over a database table: search, single and multiple choice, the attached edit.
#include "ui_test_support.h"

#include "runtime/db/database.h"
#include "runtime/ui/mform.h"
#include "runtime/ui/mquery_window.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString LookupDatabase = QStringLiteral("UILOOKUP");

struct QueryWindowTest : ::testing::Test {
    QTemporaryDir dir;
    AutomationGuard guard;
    RecordedMessages messages{guard};
    MQueryWindow lookup;

    void SetUp() override
    {
        const QString file = dir.filePath(QStringLiteral("lookup.db"));
        {
            QSqlDatabase setup = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lookup-setup"));
            setup.setDatabaseName(file);
            ASSERT_TRUE(setup.open());
            QSqlQuery sql(setup);
            ASSERT_TRUE(sql.exec(QStringLiteral("CREATE TABLE MF_YG (YG_NO TEXT, NAME TEXT)")));
            for (const char* row : {"('E003','王小明')", "('E001','陳大文')", "('E002','林美華')"})
                ASSERT_TRUE(sql.exec(QStringLiteral("INSERT INTO MF_YG VALUES ") + QString::fromUtf8(row)));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("lookup-setup"));
        db::Session* session = db::Session::Default() ? db::Session::Default() : db::Session::CreateDefault();
        db::ConnectionSettings settings;
        settings.sqliteFile = file;
        session->addDatabase(LookupDatabase, settings);
        lookup.DatabaseName = LookupDatabase;
        lookup.TableName = QStringLiteral("MF_YG");
        lookup.ResultFldName = QStringLiteral("YG_NO");
        lookup.DetailFldName = QStringLiteral("NAME");
        lookup.Caption = QStringLiteral("員工代號查詢窗口");
        lookup.SearchField = QStringLiteral("YG_NO,員工代號");
    }
    void TearDown() override { db::Session::Default()->removeDatabase(LookupDatabase); }
};

} // namespace

TEST_F(QueryWindowTest, SearchNarrowsTheRowsAndTheChoiceFillsTheEdit)
{
    QStringList shownCodes;
    guard.onModal([&shownCodes](MForm& dialog) {
        auto* grid = dialog.component<QTableWidget>(QStringLiteral("GRID_LOOKUP"));
        for (int row = 0; row < grid->rowCount(); ++row)
            shownCodes << grid->item(row, 0)->text();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("員工代號查詢窗口"));
        EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("員工代號"));
        dialog.component<QLineEdit>(QStringLiteral("ED_SEARCH"))->setText(QStringLiteral("林"));
        QTest::keyClick(dialog.component<QLineEdit>(QStringLiteral("ED_SEARCH")), Qt::Key_Return);
        return int(mrNone);
    });
    MForm window;
    auto* edit = new QLineEdit(&window);
    lookup.Attach(edit);
    QTest::mouseDClick(edit, Qt::LeftButton);
    EXPECT_EQ(shownCodes, QStringList({"E001", "E002", "E003"}));
    EXPECT_EQ(edit->text(), QStringLiteral("E002"));
}

TEST_F(QueryWindowTest, MultipleChoiceKeepsTheShownOrderAndCancelKeepsTheEdit)
{
    lookup.MultiSelect = true;
    guard.onModal([](MForm& dialog) {
        auto* grid = dialog.component<QTableWidget>(QStringLiteral("GRID_LOOKUP"));
        grid->selectRow(2);
        grid->setSelectionMode(QAbstractItemView::MultiSelection);
        grid->selectRow(0);
        return int(mrOk);
    });
    ASSERT_TRUE(lookup.Execute(nullptr, QString()));
    EXPECT_EQ(lookup.Results(), QStringList({"E001", "E003"}));

    guard.onModal([](MForm&) { return int(mrCancel); });
    MForm window;
    auto* edit = new QLineEdit(QStringLiteral("E009"), &window);
    lookup.Attach(edit);
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(edit->text(), QStringLiteral("E009"));
    EXPECT_TRUE(lookup.Results().isEmpty());
}

TEST_F(QueryWindowTest, ADatabaseErrorIsShownToTheClerk)
{
    lookup.TableName = QStringLiteral("NO_SUCH_TABLE");
    MForm window;
    auto* edit = new QLineEdit(&window);
    lookup.Attach(edit);
    QTest::keyClick(edit, Qt::Key_F2);
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].type, MsgType::Error);
}
