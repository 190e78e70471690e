// The changes since a bank's last file, worked out from a transfer table against what the last
// export paid: a changed account holds the export, the rest is shown; an employee on two rows (by
// department) is one employee paid their sum.
#include "transfer/pay_changes.h"
#include "transfer/paid_lines.h"
#include "transfer/two_per_row.h"

#include <gtest/gtest.h>

namespace {

struct Paid {
    const char* employee;
    const char* account;
    double amount;
};

// A transfer table of `perRow` employees a row holding `paid`, in order.
db::LocalTable TableOf(std::initializer_list<Paid> paid, int perRow)
{
    static int tables = 0;
    db::LocalTable table(QStringLiteral("pay-changes-test"), QStringLiteral("T%1").arg(++tables));
    DefineTransferTable(table, perRow == 1 ? TransferTableLayout::Standard() : TwoPerRowLayout());
    int slot = 0;
    for (const Paid& line : paid) {
        BeginEmployeeSlot(table, slot);
        table.setField(SlotColumn(PayeeNumberColumnName, slot), QString::fromUtf8(line.employee));
        table.setField(SlotColumn(PayeeAccountColumnName, slot), QString::fromUtf8(line.account));
        table.setField(SlotColumn(AmountColumnName, slot), line.amount);
        table.post();
        slot = (slot + 1) % perRow;
    }
    return table;
}

QStringList Changes(const PayChanges& found)
{
    QStringList lines;
    for (const PayChange& change : found.changes)
        lines << QStringLiteral("%1 %2 %3>%4 %5>%6")
                     .arg(int(change.kind))
                     .arg(change.employee, change.before.account, change.after.account)
                     .arg(change.before.amount)
                     .arg(change.after.amount);
    return lines;
}

TEST(PayChanges, AgainstTheLastExport)
{
    QString last;
    for (const Paid& paid : {Paid{"E1", "111", 300}, Paid{"E2", "222", 300}, Paid{"E3", "333", 300}, Paid{"E4", "444", 300}})
        AppendPayLine(last, paid.employee, paid.account, paid.amount);
    const struct {
        const char* what;
        int perRow;
        std::initializer_list<Paid> table;
        QStringList changes;   // kind employee before>after accounts, amounts
        bool holds;
    } cases[] = {
        {"the same pay", 1, {{"E1", "111", 300}, {"E2", "222", 300}, {"E3", "333", 300}, {"E4", "444", 300}}, {}, false},
        {"a third up or down is no move; more is", 1,
         {{"E1", "111", 400}, {"E2", "222", 200}, {"E3", "333", 400.01}, {"E4", "444", 0}},
         {"3 E3 333>333 300>400.01", "3 E4 444>444 300>0"}, false},
        {"a changed account comes first and holds", 2,
         {{"E1", "111", 300}, {"E2", "999", 300}, {"E3", "333", 300}, {"E5", "555", 10}},
         {"0 E2 222>999 300>300", "1 E5 >555 0>10", "2 E4 444> 300>0"}, true},
        {"an employee on two rows is paid their sum", 1,
         {{"E1", "111", 150}, {"E2", "222", 300}, {"E1", "111", 150}, {"E3", "333", 300}, {"E4", "444", 300}}, {}, false},
        {"an employee paid into a second account is a changed account", 1,
         {{"E1", "111", 150}, {"E2", "222", 300}, {"E1", "888", 150}, {"E3", "333", 300}, {"E4", "444", 300}},
         {"0 E1 111>111, … 300>300"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString lines = PayLinesText(TableOf(c.table, c.perRow));
        const PayChanges found = ComparePay(LoggedExport{}, last, lines);
        EXPECT_EQ(Changes(found), c.changes);
        EXPECT_EQ(found.holds(), c.holds);
    }
    // Lines in step are compared line by line only where no employee has another line: in any order,
    // an employee on two lines is still paid their sum (200 to 140 moves less than a third).
    QString twice, twiceLater;
    for (const Paid& paid : {Paid{"E2", "222", 100}, Paid{"E1", "111", 100}, Paid{"E2", "222", 100}})
        AppendPayLine(twice, paid.employee, paid.account, paid.amount);
    for (const Paid& paid : {Paid{"E2", "222", 100}, Paid{"E1", "111", 100}, Paid{"E2", "222", 40}})
        AppendPayLine(twiceLater, paid.employee, paid.account, paid.amount);
    EXPECT_EQ(Changes(ComparePay(LoggedExport{}, twice, twiceLater)), QStringList());

    const QString lines = PayLinesText(TableOf({{"E1", "111", 300}}, 1));
    const PayChanges first = ComparePay(std::nullopt, QString(), lines);
    EXPECT_FALSE(first.last) << "the first export has nothing to compare with";
    EXPECT_TRUE(first.changes.empty());
}

} // namespace
