#pragma once
// What the desktop remembers for the clerk's next start, in desktop.ini of the host's configuration
// folder: the company database last opened from its menu and the language last chosen.
#include "runtime/config.h"

#include <QStringList>

QString DesktopSettingsPath();
void RememberDatabase(const QString& database);
void RememberLanguage(int language);
// `config` with what was remembered, where neither the command line (`arguments`, before the
// configuration took its options) nor the environment names its own database or language.
void ApplyRemembered(RuntimeConfig& config, const QStringList& arguments);
