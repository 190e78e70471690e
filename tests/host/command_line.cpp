#include "command_line.h"

#include <QDir>

std::unique_ptr<QProcess> StartRar1(const QString& database, QStringList arguments, const QString& platform)
{
    auto process = std::make_unique<QProcess>();
    // As from a clerk's shell: the command line chooses its own platform unless one is given.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process->setProcessEnvironment(environment);
    arguments.prepend(database);
    arguments.prepend("--db");
    process->start(QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath("rar1"), arguments);
    return process;
}

Outcome FinishRar1(QProcess& process)
{
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

Outcome RunRar1(const QString& database, QStringList arguments, const QString& platform)
{
    return FinishRar1(*StartRar1(database, std::move(arguments), platform));
}
