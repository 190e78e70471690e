#include "company/pay_run.h"

namespace company {

namespace {

// The additional payment run of this category on this date: the one there is, else a new one
// numbered "FJ" with the date and the next free two-digit serial.
QString AdditionalRun(CompanyDatabase& db, const QDate& payDate, const QString& category, const QString& remark)
{
    const QString date = payDate.toString(Qt::ISODate);
    Statement find(db, "SELECT FJ_NO FROM MF_FJ WHERE FJ_KND=? AND FJ_DD=? ORDER BY FJ_NO");
    find.bind(1, category).bind(2, date);
    if (find.step()) {
        const QString found = find.text(0);
        find.reset();
        return found;
    }
    Statement taken(db, "SELECT 1 FROM MF_FJ WHERE FJ_NO=?");
    QString number;
    for (int serial = 1; serial < 100 && number.isEmpty(); ++serial) {
        const QString candidate = QStringLiteral("FJ%1%2").arg(payDate.toString(QStringLiteral("yyyyMMdd"))).arg(serial, 2, 10, QChar(u'0'));
        taken.bind(1, candidate);
        if (!taken.step())
            number = candidate;
        else
            taken.reset();
    }
    if (number.isEmpty())
        throw std::runtime_error(QStringLiteral("There are already 99 additional payment runs on %1.").arg(date).toStdString());
    Statement insert(db, "INSERT INTO MF_FJ (FJ_NO,FJ_KND,FJ_DD,REM) VALUES (?,?,?,?)");
    insert.bind(1, number).bind(2, category).bind(3, date).bind(4, remark).run();
    return number;
}

} // namespace

PayRun PreparePayRun(CompanyDatabase& db, const QString& number, const QDate& payDate, const QString& category, const QString& remark)
{
    PayRun run;
    if (!category.isEmpty())
        run.bill = AdditionalRun(db, payDate, category, remark);
    run.number = !number.isEmpty() ? number
        : run.bill.isEmpty()       ? QStringLiteral("FS") + payDate.toString(QStringLiteral("yyyyMMdd"))
                                   : QStringLiteral("FS") + run.bill.mid(2);
    Statement header(db, "INSERT INTO MF_FS (FS_NO,FS_DD,REM) VALUES (?,?,?) "
                         "ON CONFLICT(FS_NO) DO UPDATE SET FS_DD=excluded.FS_DD,REM=excluded.REM");
    header.bind(1, run.number).bind(2, payDate.toString(Qt::ISODate)).bind(3, remark).run();
    Statement count(db, "SELECT count(*) FROM TF_FS1 WHERE FS_NO=?");
    count.bind(1, run.number);
    count.step();
    run.formerLines = int(count.integer(0));
    count.reset();
    Statement remove(db, "DELETE FROM TF_FS1 WHERE FS_NO=?");
    remove.bind(1, run.number).run();
    return run;
}

} // namespace company
