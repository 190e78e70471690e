#include "command_line.h"

#include <QDir>
#include <QProcess>

Outcome RunRar1(const QString& database, QStringList arguments)
{
    QProcess process;
    arguments.prepend(database);
    arguments.prepend("--db");
    process.start(QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath("rar1"), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
