#pragma once
// The command-line host run as a script runs it: its exit status and what it printed.
#include <QString>
#include <QStringList>

struct Outcome {
    int status;   // -1 when it did not end by itself
    QString out, err;
};

// Runs the built `rar1` with `--db database` and `arguments`, on the Qt platform it chooses itself
// unless `platform` is given.
Outcome RunRar1(const QString& database, QStringList arguments, const QString& platform = QString());
