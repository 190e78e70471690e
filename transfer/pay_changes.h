#pragma once
// What changed in a bank's transfer since the last file logged for that bank: employees added and
// left out, accounts changed, and amounts that moved by more than a third. A changed account is
// how a salary is diverted, so it holds the export until the clerk has looked; the others are shown.
#include "runtime/db/export_log.h"

#include <QStringList>
#include <optional>
#include <vector>

struct PayChange {
    enum class Kind { AccountChanged, Added, LeftOut, AmountMoved };
    Kind kind;
    QString employee;
    LoggedPay before, after;
};

struct PayChanges {
    std::optional<LoggedExport> last;   // none: the bank's first export, nothing to compare with
    std::vector<PayChange> changes;     // changed accounts first, then by kind and employee

    bool holds() const { return !changes.empty() && changes.front().kind == PayChange::Kind::AccountChanged; }
};

// Whether an amount moved by more than a third of what it was.
bool AmountMoved(double before, double after);

// The employees' lines of a transfer (`payLines`) against those of the last export `last`
// (`lastLines`), both as the log keeps them. An employee on several lines is paid their sum; one
// paid into several accounts shows the first and "…".
PayChanges ComparePay(std::optional<LoggedExport> last, QStringView lastLines, QStringView payLines);
// The same against the last export logged for `bank`.
PayChanges PayChangesSinceLastFile(const QString& bank, QStringView payLines);

// The changes as the lines of a message list, "employee: what = value" in the clerk's language,
// each after a line end, at the end of `text`: a hundred thousand of them are one text, not a list.
void AppendPayChangeLines(QString& text, const std::vector<PayChange>& changes);
