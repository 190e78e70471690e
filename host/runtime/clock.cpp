// "Today": pinned by the host or a test, else by RAR1_TODAY, else the system date.
#include "runtime/clock.h"

#include "runtime/language.h"

#include <stdexcept>

namespace {
QDate pinnedToday;
}

QDate Today()
{
    if (pinnedToday.isValid())
        return pinnedToday;
    const QString fromEnvironment = qEnvironmentVariable("RAR1_TODAY").trimmed();
    if (fromEnvironment.isEmpty())
        return QDate::currentDate();
    const QDate date = QDate::fromString(fromEnvironment, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw std::invalid_argument(
            LoadFormResourceStr(QStringLiteral("RAR1HOST"), 230).arg(fromEnvironment).toStdString());
    return date;
}

void SetToday(const QDate& date)
{
    pinnedToday = date;
}
