#include "transfer/paid_lines.h"

#include "runtime/db/export_log.h"
#include "transfer/transfer_table.h"

#include <vector>

void ForEachPaidLine(const db::LocalTable& table, const std::function<void(const PaidLine&)>& take)
{
    struct SlotNames {
        QString number, account, amount;
    };
    std::vector<SlotNames> slotNames;
    db::LocalTable rows = table;
    for (int slot = 0; rows.hasField(SlotColumn(RowKindColumnName, slot)); ++slot)
        slotNames.push_back({SlotColumn(PayeeNumberColumnName, slot), SlotColumn(PayeeAccountColumnName, slot), SlotColumn(AmountColumnName, slot)});
    PaidLine line;
    for (rows.first(); !rows.eof(); rows.next()) {
        for (int slot = 0; slot < int(slotNames.size()); ++slot) {
            if (!SlotHoldsEmployee(rows, slot))
                continue;
            rows.fieldTextInto(slotNames[size_t(slot)].number, line.employee);
            rows.fieldTextInto(slotNames[size_t(slot)].account, line.account);
            line.amount = rows.fieldFloat(slotNames[size_t(slot)].amount);
            take(line);
        }
    }
}

QString PayLinesText(const db::LocalTable& table)
{
    QString lines;
    ForEachPaidLine(table, [&lines](const PaidLine& line) { AppendPayLine(lines, line.employee, line.account, line.amount); });
    return lines;
}
