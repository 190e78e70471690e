// `rar1 verify N FILE`: reads a media file back by bank N's layout and checks it; a bank that asks
// which file to write before an export reads it by the layout of the file --choice K names.
#include "commands.h"

#include "dialog_answers.h"
#include "export_log_command.h"
#include "headless_host.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QVariant>

namespace {

// An amount in whole units, with its cents when it has any.
QString amountText(double amount)
{
    return QString::number(amount, 'f', qint64(amount * 100) % 100 == 0 ? 0 : 2);
}

void printTable(QTextStream& out, const QVariantMap& reading)
{
    for (const QVariant& lineValue : reading.value(QStringLiteral("lines")).toList()) {
        const QVariantMap line = lineValue.toMap();
        QStringList cells{line.value(QStringLiteral("line")).toString(), line.value(QStringLiteral("kind")).toString()};
        for (const QVariant& fieldValue : line.value(QStringLiteral("fields")).toList()) {
            const QVariantMap field = fieldValue.toMap();
            QString text = field.value(QStringLiteral("text")).toString();
            while (text.endsWith(u' '))
                text.chop(1);
            cells << field.value(QStringLiteral("name")).toString() + u'=' + text;
        }
        out << cells.join(u'\t') << Qt::endl;
    }
    out << QStringLiteral("records: %1\nemployees: %2")
               .arg(reading.value(QStringLiteral("records")).toInt())
               .arg(reading.value(QStringLiteral("employees")).toInt())
        << Qt::endl;
    // A file that holds no amounts (the post office's account data) has no total.
    const QVariant total = reading.value(QStringLiteral("total"));
    if (!total.isNull())
        out << QStringLiteral("total: ") << amountText(total.toDouble()) << Qt::endl;
}

} // namespace

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
    QVariantMap reading;
    if (!QMetaObject::invokeMethod(&window, "ReadMediaFileBack", Q_RETURN_ARG(QVariantMap, reading), Q_ARG(QString, file)))
        throw std::runtime_error(QStringLiteral("bank %1 cannot read media files back").arg(bank).toStdString());
    if (reading.isEmpty())
        throw std::runtime_error("no file was chosen to read");
    if (reading.contains(QStringLiteral("error"))) {
        QTextStream(stderr) << "rar1: " << reading.value(QStringLiteral("error")).toString().simplified() << Qt::endl;
        return ExitError;
    }
    QTextStream out(stdout);
    if (json) {
        out << QJsonDocument(QJsonObject::fromVariantMap(reading)).toJson(QJsonDocument::Indented);
    } else {
        printTable(out, reading);
        out.flush();
        PrintLoggedFile(file);
    }
    out.flush();
    const QStringList failures = reading.value(QStringLiteral("failures")).toStringList();
    for (const QString& failure : failures)
        QTextStream(stderr) << failure << Qt::endl;
    return failures.isEmpty() ? ExitOk : ExitRefused;
}
