#include "export_log_command.h"

#include "commands.h"
#include "headless_host.h"
#include "runtime/db/export_log.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString LineOf(const LoggedExport& entry)
{
    return QStringLiteral("%1\tbank %2\t%3\t%4\t%5\tcompany %6\temployees %7\ttotal %8\tsha256 %9\t%10")
        .arg(entry.number)
        .arg(entry.bank, entry.writtenAt, entry.user, entry.fileName, entry.company)
        .arg(entry.employees)
        .arg(entry.total, 0, 'f', 2)
        .arg(entry.sha256, entry.conditions);
}

QJsonObject JsonOf(const LoggedExport& entry)
{
    return {{"number", entry.number},       {"bank", entry.bank.toInt()},   {"file", entry.fileName},
            {"written", entry.writtenAt},   {"user", entry.user},           {"company", entry.company},
            {"conditions", entry.conditions}, {"employees", entry.employees}, {"total", entry.total},
            {"sha256", entry.sha256}};
}

} // namespace

int ExportLog(const RuntimeConfig& config, Arguments& arguments)
{
    const bool json = arguments.takeFlag(QStringLiteral("--json"));
    const QString bank = arguments.rest().isEmpty() ? QString() : QString::number(arguments.takeBank());
    arguments.finish();
    HeadlessHost host(config);
    QTextStream out(stdout);
    QJsonArray entries;
    for (const LoggedExport& entry : LoggedExports(bank)) {
        if (json)
            entries << JsonOf(entry);
        else
            out << LineOf(entry) << Qt::endl;
    }
    if (json)
        out << QJsonDocument(entries).toJson(QJsonDocument::Indented);
    return ExitOk;
}

QJsonValue LoggedFileSummary(const QString& file)
{
    QFile bytes(file);
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    if (!bytes.open(QIODevice::ReadOnly) || !sha256.addData(&bytes))
        return QJsonValue();
    const std::vector<LoggedExport> found = ExportsOfFile(QString::fromLatin1(sha256.result().toHex()));
    QStringList exports;
    for (const LoggedExport& entry : found)
        exports << QStringLiteral("export %1 of bank %2, %3, %4").arg(entry.number).arg(entry.bank, entry.fileName, entry.writtenAt);
    return exports.isEmpty() ? QStringLiteral("not logged") : exports.join(QStringLiteral("; "));
}
