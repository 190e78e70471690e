#include "window_places.h"

#include "runtime/config.h"

#include <QSettings>

namespace {

QString KeyOf(const QString& windowClass)
{
    return windowClass + QStringLiteral("/geometry");
}

} // namespace

WindowPlaces::WindowPlaces(QString path) : path_(std::move(path))
{
}

QString WindowPlaces::DefaultPath()
{
    return ConfigFolder() + QStringLiteral("/windows.ini");
}

std::optional<QRect> WindowPlaces::Place(const QString& windowClass) const
{
    const QRect place = QSettings(path_, QSettings::IniFormat).value(KeyOf(windowClass)).toRect();
    if (!place.isValid())
        return std::nullopt;
    return place;
}

void WindowPlaces::Remember(const QString& windowClass, const QRect& place)
{
    // A place that cannot be kept costs the clerk nothing but a window at its default size.
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(KeyOf(windowClass), place);
}
