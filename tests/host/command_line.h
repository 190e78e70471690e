#pragma once
// The command-line host run as a script runs it: its exit status and what it printed.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

struct Outcome {
    int status;   // -1 when it did not end by itself
    QString out, err;
};

// Runs the built `rar1` with `--db database` and `arguments`, on the Qt platform it chooses itself
// unless `platform` is given.
Outcome RunRar1(const QString& database, QStringList arguments, const QString& platform = QString());
// The same, started without waiting (several clerks at once); FinishRar1 waits for its end.
std::unique_ptr<QProcess> StartRar1(const QString& database, QStringList arguments, const QString& platform = QString());
Outcome FinishRar1(QProcess& process);
