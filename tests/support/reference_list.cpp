#include "support/reference_list.h"

std::vector<TransferRow> Employees(int count)
{
    const QString surnames[] = {QStringLiteral("陳"), QStringLiteral("林"), QStringLiteral("黃"), QStringLiteral("張")};
    std::vector<TransferRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("0123456789%1").arg(i, 3, 10, QChar(u'0')), surnames[i % 4] + QStringLiteral("員工%1").arg(i + 1),
                        1000.25 + 10 * i});
    return rows;
}

ReferenceList::ReferenceList(const QString& tableName, const std::vector<TransferRow>& rows, QWidget* owner)
    : table_(QStringLiteral("REPORT_TEST"), tableName), form_(Create<TransferListReport>(owner))
{
    FillTransferRows(table_, TransferTableLayout::Standard(), rows);
    form_->Prepare(table_, {QDate(2026, 3, 5), false, QStringLiteral("正常薪資")});
}
