#include "desktop_settings.h"

#include <QSettings>

namespace {

const QString DatabaseKey = QStringLiteral("company_db");
const QString LanguageKey = QStringLiteral("language");

// Whether the command line or the environment names the setting itself.
bool Given(const QStringList& arguments, const QString& option, const char* variable)
{
    for (const QString& argument : arguments)
        if (argument == option || argument.startsWith(option + u'='))
            return true;
    return qEnvironmentVariableIsSet(variable);
}

} // namespace

QString DesktopSettingsPath()
{
    return ConfigFolder() + QStringLiteral("/desktop.ini");
}

void RememberDatabase(const QString& database)
{
    QSettings(DesktopSettingsPath(), QSettings::IniFormat).setValue(DatabaseKey, database);
}

void RememberLanguage(int language)
{
    QSettings(DesktopSettingsPath(), QSettings::IniFormat).setValue(LanguageKey, language);
}

void ApplyRemembered(RuntimeConfig& config, const QStringList& arguments)
{
    const QSettings settings(DesktopSettingsPath(), QSettings::IniFormat);
    const QString database = settings.value(DatabaseKey).toString();
    if (!database.isEmpty() && !Given(arguments, QStringLiteral("--db"), "RAR1_DB"))
        config.companyDb = database;
    bool ok = false;
    const int language = settings.value(LanguageKey).toInt(&ok);
    if (ok && language >= 0 && language <= 2 && !Given(arguments, QStringLiteral("--lang"), "RAR1_LANG"))
        config.language = language;
}
