#pragma once
// The log of the media files the module wrote, kept in the company database: one row per export
// (bank, file name, when, the operating system's user, the company, the conditions, the employee
// count, the total and the SHA-256 of the file as written), and beside it each employee's number,
// account and amount. The employees of an export are kept together as one text, a line each
// ("number TAB account TAB amount"): an export of a hundred thousand employees is then written and
// read back in one statement each, a small part of the export. The tables are the module's own: the
// first export logged creates them, on whichever engine holds the company.
#include <QStringView>
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

// One employee of an export: his account and amount.
struct LoggedPay {
    QString account;
    double amount = 0;
};

// The conditions of an export in words, as a transfer window hands them to its export dialog by
// this name among its further values.
inline const QString LoggedConditionsName = QStringLiteral("LOG_CONDITIONS");

// The employees of an export as the log keeps them: a line each, "number TAB account TAB amount".
// A tab or line end in a number or an account (the data gate refuses them before any file is
// written) would be kept as a blank.
void AppendPayLine(QString& lines, const QString& employee, const QString& account, double amount);
// One line of them, its three fields as views into the text.
struct PayLineFields {
    QStringView employee, account, amount;
};
// Reads the lines of such a text one after another; a line without its three fields is passed.
class PayLineReader {
public:
    explicit PayLineReader(QStringView lines) : lines_(lines) {}
    // The next line into `line`; false at the end.
    bool next(PayLineFields& line);

private:
    QStringView lines_;
    qsizetype at_ = 0;
};

// Creates the log's tables on `connection` when it lacks them. A new company gets them with its
// tables, so that a clerk's database user needs no right to create tables; an older one gets them
// with its first logged export.
void CreateExportLogTables(QSqlDatabase& connection);

// Writes one export and its employees' lines (AppendPayLine) to the log of the company database,
// within the caller's transaction, numbered after the last one; the time and the user are filled in
// when empty. Returns its number.
int WriteExportLog(LoggedExport entry, const QString& payLines);
// Takes export `number` and its employees out of the log, within the caller's transaction: its file
// was not put in place after all.
void RemoveExportLog(int number);
// The last export logged for the bank; none before the first (or before any export was logged).
std::optional<LoggedExport> LastExport(const QString& bank);
// The employees' lines of export `number` (AppendPayLine); empty when it has none.
QString ExportedPayLines(int number);
// The exports logged, newest first: every bank's, or one bank's; at most `limit` (0: all).
std::vector<LoggedExport> LoggedExports(const QString& bank = {}, int limit = 0);
// The exports whose file had the SHA-256 `sha256` (hex), newest first.
std::vector<LoggedExport> ExportsOfFile(const QString& sha256);
// The user the operating system runs the program as.
QString OperatingSystemUser();
