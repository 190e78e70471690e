// The grid over a local table and the progress window: both must stay cheap with 100,000 rows.
#include "ui_test_support.h"

#include "runtime/ui/mbbdbgrid.h"
#include "runtime/ui/mprogress_form.h"

#include <QElapsedTimer>
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
    EXPECT_EQ(grid.columnWidth(0), 14 * grid.fontMetrics().averageCharWidth() + 8);
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
    QTRY_COMPARE_WITH_TIMEOUT(grid.model()->rowCount(), 4, 1000);
    table.emptyTable();
    QTRY_COMPARE_WITH_TIMEOUT(grid.model()->rowCount(), 0, 1000);
}

TEST(Grid, HundredThousandRowsShowQuickly)
{
    db::LocalTable table = FreshTable(QStringLiteral("GRID_LARGE"));
    FillTransferLikeTable(table, 100000);
    MBBDBGrid grid;
    grid.resize(600, 400);
    QElapsedTimer timer;
    timer.start();
    grid.SetTable(&table);
    grid.show();
    grid.scrollToBottom();
    QCoreApplication::processEvents();
    table.last();
    grid.ShowCurrentRecord();
    QCoreApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(grid.model()->rowCount(), 100000);
    EXPECT_EQ(grid.currentIndex().row(), 99999);
    EXPECT_EQ(grid.model()->data(grid.model()->index(99999, 0)).toString(), QStringLiteral("A99999"));
}

TEST(Progress, HundredThousandUpdatesCostAlmostNothing)
{
    MProgressForm progress;
    progress.SetMaxValue(100000);
    progress.Show();
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= 100000; ++i) {
        progress.SetValue(i);
        progress.SetText(QStringLiteral("員工名稱:%1").arg(i));
        progress.ProcessMessages();
    }
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(progress.Value(), 100000);
    EXPECT_FALSE(progress.Cancelled());
    progress.Hide();
}

TEST(Progress, CancelClickGetsThroughWhileALoopRuns)
{
    MProgressForm progress;
    progress.SetMaxValue(1000);
    progress.Show();
    QTimer::singleShot(50, &progress, [&progress] {
        QTest::mouseClick(progress.component<QPushButton>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
    });
    QElapsedTimer timer;
    timer.start();
    int steps = 0;
    while (!progress.Cancelled() && timer.elapsed() < 5000) {
        progress.SetValue(++steps % 1000);
        progress.ProcessMessages();
    }
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_LT(timer.elapsed(), 1000);

    progress.Show();
    EXPECT_FALSE(progress.Cancelled());
    progress.Hide();
}
