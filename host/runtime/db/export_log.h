#pragma once
// The log of the media files the module wrote, kept in the company database: one row per export
// (bank, file name, when, the operating system's user, the company, the conditions, the employee
// count, the total and the SHA-256 of the file as written), and beside it each employee's number,
// account and amount. The tables are the module's own: the first export logged creates them, on
// whichever engine holds the company.
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

struct LoggedExport {
    int number = 0;
    QString bank;         // the bank's key (its number)
    QString fileName;     // the path written
    QString writtenAt;    // local time, "YYYY-MM-DD HH:MM:SS"
    QString user;
    QString company;
    QString conditions;
    int employees = 0;
    double total = 0;
    QString sha256;       // hex, lower case
};

// One employee of a logged export. An employee paid on two lines has their amounts added and,
// when they differ, both accounts, parted by ", ".
struct LoggedPay {
    QString account;
    double amount = 0;

    // Adds one line paid to the employee.
    void add(const QString& lineAccount, double lineAmount);
};

// Creates the log's tables on `connection` when it lacks them. A new company gets them with its
// tables, so that a clerk's database user needs no right to create tables; an older one gets them
// with its first logged export.
void CreateExportLogTables(QSqlDatabase& connection);

// Writes one export to the log of the company database, within the caller's transaction: the export
// (numbered after the last one; the time and the user filled in when empty), then its employees,
// many to a statement.
class ExportLogWriter {
public:
    explicit ExportLogWriter(LoggedExport entry);
    void add(const QString& employee, const QString& account, double amount);
    // Writes what is still pending; returns the export's number.
    int finish();

private:
    void flush();
    QSqlDatabase connection_;
    QString head_, number_;
    QStringList pending_;
    int exportNumber_ = 0;
};
// The last export logged for the bank; none before the first (or before any export was logged).
std::optional<LoggedExport> LastExport(const QString& bank);
// The employees of export `number`, by employee number.
QHash<QString, LoggedPay> ExportedPay(int number);
// The exports logged, newest first: every bank's, or one bank's; at most `limit` (0: all).
std::vector<LoggedExport> LoggedExports(const QString& bank = {}, int limit = 0);
// The exports whose file had the SHA-256 `sha256` (hex), newest first.
std::vector<LoggedExport> ExportsOfFile(const QString& sha256);
// The user the operating system runs the program as.
QString OperatingSystemUser();
