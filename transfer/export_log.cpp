#include "transfer/export_log.h"

#include "transfer/paid_lines.h"

int LogExport(const LoggedExport& entry, const db::LocalTable& table)
{
    ExportLogWriter log(entry);
    ForEachPaidLine(table, [&log](const PaidLine& line) { log.add(line.employee, line.account, line.amount); });
    return log.finish();
}
