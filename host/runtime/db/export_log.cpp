#include "runtime/db/export_log.h"

#include "runtime/db/database.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString ExportsTable = QStringLiteral("MF_EXPORT_LOG");
const QString LinesTable = QStringLiteral("TF_EXPORT_LOG");
const QString ExportColumns = QStringLiteral("LOG_NO,BNK_NO,FILE_NAME,WRITTEN_AT,OS_USER,COMPNO,CONDITIONS,EMPLOYEES,TOTAL,SHA256");

// Types every engine takes alike; dates are texts as everywhere in the company database.
const char* const CreateStatements[] = {
    "CREATE TABLE MF_EXPORT_LOG (LOG_NO INTEGER NOT NULL PRIMARY KEY, BNK_NO VARCHAR(10) NOT NULL, FILE_NAME VARCHAR(1000),"
    " WRITTEN_AT VARCHAR(19), OS_USER VARCHAR(64), COMPNO VARCHAR(20), CONDITIONS VARCHAR(1000), EMPLOYEES INTEGER,"
    " TOTAL NUMERIC(16,2), SHA256 VARCHAR(64))",
    "CREATE INDEX MF_EXPORT_LOG_BANK ON MF_EXPORT_LOG (BNK_NO, LOG_NO)",
    "CREATE INDEX MF_EXPORT_LOG_FILE ON MF_EXPORT_LOG (SHA256)",
    "CREATE TABLE TF_EXPORT_LOG (LOG_NO INTEGER NOT NULL PRIMARY KEY, PAY_LINES TEXT)",
};

db::MDatabase& Company()
{
    return db::RequireDefaultSession()->database(db::CompanyDatabaseName);
}

bool LogExists()
{
    return !Company().tableColumns(ExportsTable).isEmpty();
}

// Runs `statement` with `values` bound to its placeholders. A refusal names the statement, or
// `shown` in its place (the head of a statement of a thousand lines).
QSqlQuery Run(const QString& statement, const QVariantList& values = {}, const QString& shown = {})
{
    QSqlQuery query(Company().connection());
    query.setForwardOnly(true);
    // A statement without values is sent as it stands: the lines' constants are not parsed for
    // placeholders.
    bool ran = false;
    if (values.isEmpty()) {
        ran = query.exec(statement);
    } else if (query.prepare(statement)) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        ran = query.exec();
    }
    if (!ran)
        throw db::QueryFailure(QString(), query.lastError(), shown.isEmpty() ? statement : shown);
    return query;
}

LoggedExport ExportOf(const QSqlQuery& row)
{
    LoggedExport entry;
    entry.number = row.value(0).toInt();
    entry.bank = row.value(1).toString().trimmed();
    entry.fileName = row.value(2).toString();
    entry.writtenAt = row.value(3).toString();
    entry.user = row.value(4).toString();
    entry.company = row.value(5).toString();
    entry.conditions = row.value(6).toString();
    entry.employees = row.value(7).toInt();
    entry.total = row.value(8).toDouble();
    entry.sha256 = row.value(9).toString().trimmed();
    return entry;
}

std::vector<LoggedExport> Exports(const QString& where, const QVariantList& values, int limit)
{
    std::vector<LoggedExport> found;
    if (!LogExists())
        return found;
    QSqlQuery rows = Run(QStringLiteral("SELECT %1 FROM %2%3 ORDER BY LOG_NO DESC").arg(ExportColumns, ExportsTable, where), values);
    while (rows.next() && (limit <= 0 || int(found.size()) < limit))
        found.push_back(ExportOf(rows));
    return found;
}

} // namespace

void AppendPayLine(QString& lines, const QString& employee, const QString& account, double amount)
{
    const auto field = [&lines](const QString& text) {
        if (text.contains(u'\t') || text.contains(u'\n'))
            lines += QString(text).replace(u'\t', u' ').replace(u'\n', u' ');
        else
            lines += text;
    };
    field(employee);
    lines += u'\t';
    field(account);
    lines += u'\t';
    lines += QString::number(amount, 'f', 2);
    lines += u'\n';
}

bool PayLineReader::next(PayLineFields& line)
{
    while (at_ < lines_.size()) {
        qsizetype end = lines_.indexOf(u'\n', at_);
        if (end < 0)
            end = lines_.size();
        const QStringView text = lines_.sliced(at_, end - at_);
        at_ = end + 1;
        const qsizetype first = text.indexOf(u'\t'), second = first < 0 ? -1 : text.indexOf(u'\t', first + 1);
        if (second > 0) {
            line = {text.first(first), text.sliced(first + 1, second - first - 1), text.sliced(second + 1)};
            return true;
        }
    }
    return false;
}

QString OperatingSystemUser()
{
    if (const passwd* user = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(::geteuid());
}

void CreateExportLogTables(QSqlDatabase& connection)
{
    if (connection.tables().contains(ExportsTable, Qt::CaseInsensitive))
        return;
    for (const char* statement : CreateStatements) {
        QSqlQuery query(connection);
        if (!query.exec(QLatin1String(statement)))
            throw db::QueryFailure(QString(), query.lastError(), QLatin1String(statement));
    }
}

int WriteExportLog(LoggedExport entry, const QString& payLines)
{
    QSqlDatabase connection = Company().connection();
    CreateExportLogTables(connection);
    QSqlQuery last = Run(QStringLiteral("SELECT MAX(LOG_NO) FROM %1").arg(ExportsTable));
    const int number = (last.next() ? last.value(0).toInt() : 0) + 1;
    if (entry.writtenAt.isEmpty())
        entry.writtenAt = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (entry.user.isEmpty())
        entry.user = OperatingSystemUser();
    Run(QStringLiteral("INSERT INTO %1 (%2) VALUES (?,?,?,?,?,?,?,?,?,?)").arg(ExportsTable, ExportColumns),
        {number, entry.bank, entry.fileName, entry.writtenAt, entry.user, entry.company, entry.conditions, entry.employees,
         QString::number(entry.total, 'f', 2), entry.sha256.toLower()});
    Run(QStringLiteral("INSERT INTO %1 (LOG_NO,PAY_LINES) VALUES (?,?)").arg(LinesTable), {number, payLines});
    return number;
}

void RemoveExportLog(int number)
{
    Run(QStringLiteral("DELETE FROM %1 WHERE LOG_NO=?").arg(LinesTable), {number});
    Run(QStringLiteral("DELETE FROM %1 WHERE LOG_NO=?").arg(ExportsTable), {number});
}

std::optional<LoggedExport> LastExport(const QString& bank)
{
    std::vector<LoggedExport> last = Exports(QStringLiteral(" WHERE BNK_NO=?"), {bank}, 1);
    if (last.empty())
        return std::nullopt;
    return last.front();
}

QString ExportedPayLines(int number)
{
    QSqlQuery row = Run(QStringLiteral("SELECT PAY_LINES FROM %1 WHERE LOG_NO=?").arg(LinesTable), {number});
    return row.next() ? row.value(0).toString() : QString();
}

std::vector<LoggedExport> LoggedExports(const QString& bank, int limit)
{
    return bank.isEmpty() ? Exports(QString(), {}, limit) : Exports(QStringLiteral(" WHERE BNK_NO=?"), {bank}, limit);
}

std::vector<LoggedExport> ExportsOfFile(const QString& sha256)
{
    return Exports(QStringLiteral(" WHERE SHA256=?"), {sha256.toLower()}, 0);
}
