// The host's configuration: file, then environment, then command-line options.
#include "runtime/config.h"

#include "runtime/db/database.h"
#include "runtime/host_texts.h"
#include "runtime/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <functional>
#include <stdexcept>

namespace {

[[noreturn]] void RaiseBadValue(const QString& name, const QString& value, const QString& allowed)
{
    throw std::invalid_argument(HostText(223).arg(name, value, allowed).toStdString());
}

QString OneOf(const QString& name, const QString& value, const QStringList& allowed)
{
    const QString lower = value.trimmed().toLower();
    if (!allowed.contains(lower))
        RaiseBadValue(name, value, allowed.join(QStringLiteral(", ")));
    return lower;
}

bool OnOff(const QString& name, const QString& value)
{
    const QString lower = OneOf(name, value, {"0", "1", "false", "true", "no", "yes", "off", "on"});
    return lower == u"1" || lower == u"true" || lower == u"yes" || lower == u"on";
}

// Where a path setting came from decides what a relative path is relative to: a path in the
// configuration file is taken from the file's folder, one from the environment or an option from
// the working directory.
struct Source {
    QString name;        // the key, variable or option, for messages
    QDir relativeTo;
};

QString PathValue(const QString& value, const Source& source)
{
    return value.isEmpty() ? value : QDir::cleanPath(source.relativeTo.absoluteFilePath(value));
}

// A database: a server's address as given, or an SQLite file's path.
QString DatabaseValue(const QString& value, const Source& source)
{
    return db::IsServerAddress(value) ? value.trimmed() : PathValue(value, source);
}

struct Setting {
    const char* key;
    const char* environment;
    const char* option;   // null when there is no command-line option
    std::function<void(RuntimeConfig&, const QString&, const Source&)> apply;
};

const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> settings = {
        {"company_db", "RAR1_DB", "--db",
         [](RuntimeConfig& c, const QString& v, const Source& s) { c.companyDb = DatabaseValue(v, s); }},
        {"system_db", "RAR1_SYSTEM_DB", "--system-db",
         [](RuntimeConfig& c, const QString& v, const Source& s) { c.systemDb = DatabaseValue(v, s); }},
        {"company", "RAR1_COMPANY", "--company",
         [](RuntimeConfig& c, const QString& v, const Source&) { c.company = v; }},
        {"language", "RAR1_LANG", "--lang",
         [](RuntimeConfig& c, const QString& v, const Source& s) {
             c.language = OneOf(s.name, v, {"0", "1", "2"}).toInt();
         }},
        {"media_dir", "RAR1_MEDIA_DIR", "--media-dir",
         [](RuntimeConfig& c, const QString& v, const Source& s) { c.mediaDir = PathValue(v, s); }},
        {"printer", "RAR1_PRINTER", "--printer",
         [](RuntimeConfig& c, const QString& v, const Source&) { c.printer = v; }},
        {"pdf_printer", "RAR1_PDF_PRINTER", nullptr,
         [](RuntimeConfig& c, const QString& v, const Source& s) { c.pdfPrinter = OnOff(s.name, v); }},
        {"engine", "RAR1_ENGINE", nullptr,
         [](RuntimeConfig& c, const QString& v, const Source& s) {
             c.engine = OneOf(s.name, v, {"sqlite", "sqlserver"});
         }},
        {"odbc", "RAR1_ODBC", nullptr,
         [](RuntimeConfig& c, const QString& v, const Source&) { c.odbc = v; }},
        {"date_format", "RAR1_DATE_FORMAT", nullptr,
         [](RuntimeConfig& c, const QString& v, const Source& s) {
             c.dateFormat = OneOf(s.name, v, {"mdy", "dmy", "ymd"});
         }},
    };
    return settings;
}

const Setting* SettingByKey(const QString& key)
{
    for (const Setting& setting : Settings())
        if (key == QLatin1String(setting.key))
            return &setting;
    return nullptr;
}

QString StandardConfigFolder()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/rar1");
}

// The file `variable` names, which must exist, else `standard` when it exists, else none.
QString ConfigFilePath(const char* variable, const QString& standard)
{
    const QString chosen = qEnvironmentVariable(variable);
    if (!chosen.isEmpty()) {
        if (!QFileInfo::exists(chosen))
            throw std::invalid_argument(HostText(220).arg(chosen).toStdString());
        return chosen;
    }
    return !standard.isEmpty() && QFileInfo::exists(standard) ? standard : QString();
}

// The installation's file for every clerk: /etc/rar1/rar1.conf for programs installed under /usr,
// else etc/rar1/rar1.conf above the programs' bin folder (/usr/local/etc, /opt/rar1/etc, build/etc).
QString InstallationConfigFile()
{
    if (!QCoreApplication::instance())
        return QString();
    const QString prefix = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    const QString etc = prefix == u"/usr" ? QStringLiteral("/etc") : prefix + QStringLiteral("/etc");
    return etc + QStringLiteral("/rar1/rar1.conf");
}

QString Unquoted(const QString& value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}

// key = value lines; blank lines and lines starting with # or ; are comments.
void ApplyFile(RuntimeConfig& config, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::invalid_argument(HostText(220).arg(path).toStdString());
    const QDir folder = QFileInfo(path).absoluteDir();
    QTextStream in(&file);
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            throw std::invalid_argument(HostText(221).arg(path).arg(lineNumber).arg(line).toStdString());
        const QString key = line.left(equals).trimmed().toLower();
        const Setting* setting = SettingByKey(key);
        if (!setting)
            throw std::invalid_argument(HostText(222).arg(key).toStdString());
        setting->apply(config, Unquoted(line.mid(equals + 1).trimmed()), {key, folder});
    }
}

void ApplyEnvironment(RuntimeConfig& config)
{
    for (const Setting& setting : Settings()) {
        const QString value = qEnvironmentVariable(setting.environment);
        if (!value.isEmpty())
            setting.apply(config, value, {QString::fromLatin1(setting.environment), QDir::current()});
    }
}

// Takes the options this configuration knows out of `arguments` ("--db x" or "--db=x");
// everything else, and everything after "--", stays for the caller.
void ApplyOptions(RuntimeConfig& config, QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size();) {
        const QString argument = arguments[i];
        if (argument == u"--")
            return;
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        const auto known = std::find_if(Settings().begin(), Settings().end(), [&](const Setting& s) {
            return s.option && name == QLatin1String(s.option);
        });
        if (known == Settings().end()) {
            ++i;
            continue;
        }
        QString value;
        qsizetype used = 1;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--")))
                throw std::invalid_argument(HostText(224).arg(name).toStdString());
            value = arguments[i + 1];
            used = 2;
        }
        known->apply(config, value, {name, QDir::current()});
        arguments.remove(i, used);
    }
}

RuntimeConfig currentConfig;

db::ConnectionSettings ConnectionFor(const RuntimeConfig& config, const QString& sqliteFile)
{
    db::ConnectionSettings settings;
    if (db::IsServerAddress(sqliteFile)) {
        settings.engine = db::Engine::PostgreSQL;
        settings.server = db::ParseServerAddress(sqliteFile);
    } else if (config.engine == u"sqlserver") {
        if (config.odbc.trimmed().isEmpty())
            throw std::invalid_argument(HostText(225).toStdString());
        settings.engine = db::Engine::SqlServer;
        settings.odbcConnection = config.odbc;
        settings.dateFormat.mode = config.dateFormat == u"mdy" ? 0 : config.dateFormat == u"dmy" ? 1 : 2;
    } else {
        settings.engine = db::Engine::SQLite;
        settings.sqliteFile = sqliteFile;
    }
    settings.dateFormat.separator = u'-';
    return settings;
}

// Registers `name` afresh, so that connecting again (another company) replaces the old settings.
void Register(db::Session& session, const QString& name, const db::ConnectionSettings& settings)
{
    if (session.findDatabase(name))
        session.removeDatabase(name);
    session.addDatabase(name, settings);
}

} // namespace

QString ConfigFolder()
{
    const QString chosen = qEnvironmentVariable("RAR1_CONFIG");
    return chosen.isEmpty() ? StandardConfigFolder() : QFileInfo(chosen).absolutePath();
}

RuntimeConfig RuntimeConfig::Load(QStringList& arguments)
{
    RuntimeConfig config;
    // The administrator's settings first; the clerk's own file overrides them.
    const QString files[] = {ConfigFilePath("RAR1_SYSTEM_CONFIG", InstallationConfigFile()),
                             ConfigFilePath("RAR1_CONFIG", StandardConfigFolder() + QStringLiteral("/rar1.conf"))};
    for (const QString& file : files)
        if (!file.isEmpty())
            ApplyFile(config, file);
    ApplyEnvironment(config);
    ApplyOptions(config, arguments);
    if (config.systemDb.isEmpty())
        config.systemDb = config.companyDb;
    return config;
}

const RuntimeConfig& CurrentConfig()
{
    return currentConfig;
}

void SetCurrentConfig(const RuntimeConfig& config)
{
    currentConfig = config;
}

void ConnectDatabases(const RuntimeConfig& config)
{
    db::Session* session = db::Session::Default();
    if (!session)
        session = db::Session::CreateDefault();
    const QString systemDb = config.systemDb.isEmpty() ? config.companyDb : config.systemDb;
    // Both settings are checked before either database is replaced.
    const db::ConnectionSettings company = ConnectionFor(config, config.companyDb);
    const db::ConnectionSettings system = ConnectionFor(config, systemDb);
    Register(*session, db::CompanyDatabaseName, company);
    Register(*session, db::SystemDatabaseName, system);
}
