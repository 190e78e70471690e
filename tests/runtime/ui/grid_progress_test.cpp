// The grid over a local table and the progress window, with 100,000 rows.
#include "ui_test_support.h"

#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/mprogress_form.h"

#include <QDeadlineTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
db::LocalTable FreshTable(const QString& name)
{
    return db::LocalTable(QStringLiteral("UITEST"), name);
}
} // namespace

TEST(Grid, ShowsLabelsFormatsWidthsAndLeavesHiddenFieldsOut)
{
    db::LocalTable table = FreshTable(QStringLiteral("GRID_LOOK"));
    FillTransferLikeTable(table, 3);
    table.fieldDef(QStringLiteral("YG_NAME")).visible = false;
    table.data()->notifyStructureChanged();
    table.append();
    table.setField(QStringLiteral("A_MTN"), 1234567.5);
    table.post();

    MBBDBGrid grid;
    grid.SetTable(&table);
    grid.CenterTitles();
    const QAbstractItemModel& model = *grid.model();
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("帳號"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("金額"));
    EXPECT_EQ(model.data(model.index(3, 1)).toString(), QStringLiteral("1,234,567.50"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("10.50"));
    EXPECT_EQ(model.data(model.index(3, 0)).toString(), QString());
    EXPECT_TRUE(model.data(model.index(1, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_EQ(grid.horizontalHeader()->defaultAlignment(), Qt::AlignCenter);
    // As wide as its display width in digits, and never narrower than its heading.
    EXPECT_GE(grid.columnWidth(0), grid.fontMetrics().horizontalAdvance(QString(14, u'0')));
    EXPECT_GE(grid.columnWidth(1), grid.horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("金額")));
}

TEST(Grid, FollowsChangesOfTheRows)
{
    db::LocalTable table = FreshTable(QStringLiteral("GRID_CHANGES"));
    FillTransferLikeTable(table, 2);
    MBBDBGrid grid;
    grid.SetTable(&table);
    table.append();
    table.setField(QStringLiteral("BACC_NO"), QStringLiteral("NEW"));
    table.post();
    table.append();
    table.post();
    const auto showsRows = [&grid](int rows) { return QTest::qWaitFor([&] { return grid.model()->rowCount() == rows; }); };
    EXPECT_TRUE(showsRows(4)) << grid.model()->rowCount();
    table.emptyTable();
    EXPECT_TRUE(showsRows(0)) << grid.model()->rowCount();
}

TEST(Grid, ShowsAHundredThousandRowsAndTheLastOneCurrent)
{
    db::LocalTable table = FreshTable(QStringLiteral("GRID_LARGE"));
    FillTransferLikeTable(table, 100000);
    MBBDBGrid grid;
    grid.resize(600, 400);
    grid.SetTable(&table);
    grid.show();
    grid.scrollToBottom();
    QCoreApplication::processEvents();
    table.last();
    grid.ShowCurrentRecord();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.model()->rowCount(), 100000);
    EXPECT_EQ(grid.currentIndex().row(), 99999);
    EXPECT_EQ(grid.model()->data(grid.model()->index(99999, 0)).toString(), QStringLiteral("A99999"));
}

TEST(Progress, AHundredThousandUpdatesEndAtTheLastValue)
{
    MProgressForm progress;
    progress.SetMaxValue(100000);
    progress.Show();
    for (int i = 1; i <= 100000; ++i) {
        progress.SetValue(i);
        progress.SetText(QStringLiteral("員工名稱:%1").arg(i));
        progress.ProcessMessages();
    }
    EXPECT_EQ(progress.Value(), 100000);
    EXPECT_FALSE(progress.Cancelled());
    progress.Hide();
}

TEST(Progress, CancelClickGetsThroughWhileALoopRuns)
{
    MProgressForm progress;
    progress.SetMaxValue(1000);
    progress.Show();
    QTimer::singleShot(0, &progress, [&progress] {
        QTest::mouseClick(progress.component<QPushButton>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
    });
    QDeadlineTimer giveUp(60000);   // only so that a lost click cannot hold the suite
    int steps = 0;
    while (!progress.Cancelled() && !giveUp.hasExpired()) {
        progress.SetValue(++steps % 1000);
        progress.ProcessMessages();
    }
    EXPECT_TRUE(progress.Cancelled());

    progress.Show();
    EXPECT_FALSE(progress.Cancelled());
    progress.Hide();
}
