// rar1: the payroll module's salary transfers from the command line. See the README for the commands.
#include "arguments.h"
#include "commands.h"
#include "company_commands.h"
#include "export_log_command.h"
#include "runtime/clock.h"
#include "runtime/config.h"
#include "runtime/db/mquery.h"
#include "runtime/language.h"
#include "runtime/safe_file_writer.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <memory>

namespace {

const char* const Usage =
    "usage: rar1 [--db FILE|URI] [--system-db FILE|URI] [--company COMPNO] [--lang 0|1|2] [--media-dir DIR]\n"
    "            [--today YYYY-MM-DD] COMMAND\n"
    "  URI: postgresql://USER@HOST[:PORT]/DBNAME (a password from PGPASSWORD or ~/.pgpass)\n"
    "  init [--force]                            an empty company database in --db\n"
    "  init-demo [--employees N] [--seed S] [--force]   create the demo company database in --db\n"
    "                                            (an existing one, or the tables on a server, only with --force)\n"
    "  company [FIELD=VALUE ...]                 show or set the company record: NAME, ENG_NAME, UNI_NO, TEL, FAX, CMP_ADR\n"
    "  import pay FILE [--pay-date ROC] [--run NO] [--category NAME] [--sheet NAME] [--update-employees] [--dry-run]\n"
    "  import employees|departments FILE [--sheet NAME] [--dry-run]\n"
    "                                            a CSV or XLSX sheet into the company; 2 when a row is refused\n"
    "  template pay|employees|departments FILE.csv|FILE.xlsx   an empty sheet with the headings\n"
    "  table N --out FILE.csv|FILE.xlsx [CONDITIONS]   the transfer table as the window shows it\n"
    "  banks                                     number, name and default file of every bank (no database needed)\n"
    "  params N [ID1=VALUE ...]                  show, or set as the parameter dialog does, bank N's parameters\n"
    "  transfer N --out FILE [--force] [--accept-changes] [CONDITIONS] [ANSWERS] [--list FILE.pdf]\n"
    "                                            a changed account since bank N's last file holds it (2)\n"
    "                                            unless --accept-changes\n"
    "  list N --pdf FILE [--force] [CONDITIONS] [ANSWERS]  the transfer list (or the form chosen) as PDF\n"
    "  describe N [--pdf FILE [--force]]         the format description\n"
    "  verify N FILE [--json] [--choice K]       read FILE back by bank N's layout and check it, and\n"
    "                                            say which logged export it is\n"
    "  log [N] [--json]                          the exports logged, newest first (bank N's)\n"
    "CONDITIONS: --pay-from ROC --pay-to ROC --date ROC --emp-from NO --emp-to NO --depts LIST --dept-mode 0|1\n"
    "            --kinds LIST --sort 0|1 --account 0|1|2 --prefix P --title|--no-title\n"
    "            --depts, --dept-mode, --kinds, --sort, --account and --title/--no-title are remembered for\n"
    "            every bank and later runs, as the window's F2 conditions are; the others hold for this run\n"
    "ANSWERS:    --choice K (the file chosen before an export) --form K (the printout chosen)\n"
    "            --continue (go on past the account error list)\n";

// The off-screen platform reports window features and a runtime folder it lacks; they mean nothing
// without a screen.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support")) || message.startsWith(QLatin1String("QStandardPaths:"))))
        return;
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << Qt::endl;
}

void failure(const QString& message)
{
    QTextStream(stderr) << "rar1: " << message.simplified() << Qt::endl;
}

int run(QStringList words)
{
    if (words.contains(QStringLiteral("--help")) || words.contains(QStringLiteral("-h"))) {
        std::fputs(Usage, stdout);
        return ExitOk;
    }
    RuntimeConfig config = RuntimeConfig::Load(words);
    // Messages of the command line itself are in the clerk's language too.
    Language::LanguageID = config.language;
    InitLanguage();
    Arguments arguments(words);
    if (const auto today = arguments.take(QStringLiteral("--today"))) {
        // The dates of the bank files carry a year of the Republic of one to three digits.
        const QDate date = QDate::fromString(*today, Qt::ISODate);
        if (!date.isValid() || date.year() < 1912 || date.year() > 2910)
            throw UsageError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 640).arg(*today).toStdString());
        SetToday(date);
    }
    // Not in the usage: the benchmark takes a transfer's own selection statements from this file.
    if (const auto log = arguments.take(QStringLiteral("--log-statements"))) {
        auto statementLog = std::make_shared<QFile>(*log);
        if (!statementLog->open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw UsageError(QStringLiteral("--log-statements cannot write '%1'").arg(*log).toStdString());
        db::WatchQueryStatements([file = statementLog](const QString& statement) {
            file->write(statement.toUtf8() + ";\n");
            file->flush();
        });
    }
    const QString command = arguments.rest().isEmpty() ? QString() : arguments.takePositional(QStringLiteral("command"));
    using Command = int (*)(const RuntimeConfig&, Arguments&);
    const std::map<QString, Command> commands = {
        {QStringLiteral("init-demo"), InitDemo}, {QStringLiteral("banks"), ListBanks},
        {QStringLiteral("params"), BankParameters}, {QStringLiteral("transfer"), Transfer},
        {QStringLiteral("list"), TransferList}, {QStringLiteral("describe"), Describe},
        {QStringLiteral("verify"), Verify}, {QStringLiteral("log"), ExportLog},
        {QStringLiteral("init"), InitCompany}, {QStringLiteral("company"), CompanyRecord},
        {QStringLiteral("import"), ImportSheet}, {QStringLiteral("template"), SheetTemplate},
        {QStringLiteral("table"), TransferTableSheet},
        {QStringLiteral("pages"), LayOutPages},   // not in the usage: the benchmark's floor for lists
    };
    const auto found = commands.find(command);
    if (found == commands.end()) {
        std::fputs(Usage, stderr);
        return ExitError;
    }
    return found->second(config, arguments);
}

// Only printing needs the off-screen platform's fonts. Loading them costs a run that prints nothing
// some 8 MB and part of its start-up, so such a run takes the platform without fonts; a report
// printed there after all is refused by the printing itself, never printed without its text.
bool PrintsNothing(int argc, char** argv)
{
    const std::set<std::string> silent = {"init-demo", "banks", "params", "transfer", "verify", "log", "init", "company", "import", "template", "table"};
    // The options before the command all take a value ("--db FILE" or "--db=FILE").
    int i = 1;
    while (i < argc && std::strncmp(argv[i], "--", 2) == 0)
        i += std::strchr(argv[i], '=') ? 1 : 2;
    if (i >= argc || !silent.count(argv[i]))
        return false;
    for (++i; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0 || std::strncmp(argv[i], "--list=", 7) == 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", PrintsNothing(argc, argv) ? "minimal" : "offscreen");
    qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    QStringList words = app.arguments().mid(1);
    SafeFileWriter::RemoveTemporariesOnInterrupt();
    try {
        return run(words);
    } catch (const FileExistsError& e) {
        failure(QString::fromUtf8(e.what()));
        return ExitRefused;
    } catch (const UsageError& e) {
        failure(QString::fromUtf8(e.what()));
        std::fputs(Usage, stderr);
        return ExitError;
    } catch (const std::exception& e) {
        failure(QString::fromUtf8(e.what()));
        return ExitError;
    }
}
