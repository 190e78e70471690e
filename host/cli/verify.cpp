// `rar1 verify N FILE`: reads a media file back by bank N's layout and checks it; a bank that asks
// which file to write before an export reads it by the layout of the file --choice K names. Each
// line is printed as it is read and only the totals are kept: a file of any size.
#include "commands.h"

#include "dialog_answers.h"
#include "export_log_command.h"
#include "headless_host.h"
#include "reading_printers.h"
#include "runtime/language.h"

#include <QFileInfo>
#include <QTextStream>
#include <QVariant>

int Verify(const RuntimeConfig& config, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    const QString file = QFileInfo(arguments.takePositional(QStringLiteral("FILE"))).absoluteFilePath();
    const bool json = arguments.takeFlag(QStringLiteral("--json"));
    DialogAnswerer answerer(DialogAnswers::TakeChoice(arguments));
    arguments.finish();

    HeadlessHost host(config);
    MForm& window = host.OpenBank(bank);
    host.onModal([&answerer](MForm& dialog) { return answerer.Answer(dialog).value_or(int(mrCancel)); });
    answerer.answerForExport();
    const std::unique_ptr<ReadingPrinter> printer = json ? JsonPrinter(stdout) : TablePrinter(stdout);
    QVariantMap reading;
    if (!QMetaObject::invokeMethod(&window, "ReadMediaFileBack", Q_RETURN_ARG(QVariantMap, reading), Q_ARG(QString, file),
                                   Q_ARG(QObject*, printer.get())))
        throw std::runtime_error(QStringLiteral("bank %1 cannot read media files back").arg(bank).toStdString());
    if (reading.isEmpty())
        throw std::runtime_error("no file was chosen to read");
    if (reading.contains(QStringLiteral("error"))) {
        QTextStream(stderr) << "rar1: " << reading.value(QStringLiteral("error")).toString().simplified() << Qt::endl;
        return ExitError;
    }
    printer->Summary(QStringLiteral("records"), reading.value(QStringLiteral("records")).toInt());
    printer->Summary(QStringLiteral("employees"), reading.value(QStringLiteral("employees")).toInt());
    // A file that holds no amounts (the post office's account data) has no total.
    printer->Summary(QStringLiteral("total"), QJsonValue::fromVariant(reading.value(QStringLiteral("total"))));
    printer->Summary(QStringLiteral("log"), LoggedFileSummary(file));
    const QStringList failures = reading.value(QStringLiteral("failures")).toStringList();
    const qint64 unlisted = reading.value(QStringLiteral("unlisted_failures")).toLongLong();
    printer->Finish(failures, unlisted);

    QTextStream errors(stderr);
    for (const QString& failure : failures)
        errors << failure << Qt::endl;
    if (unlisted)
        errors << LoadFormResourceStr(QStringLiteral("WAGBK"), 15766).arg(unlisted) << Qt::endl;
    return failures.isEmpty() ? ExitOk : ExitRefused;
}
