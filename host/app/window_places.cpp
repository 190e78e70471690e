#include "window_places.h"

#include "runtime/config.h"
#include "runtime/safe_file_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <map>

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
    // The file is written whole through the safe writer: a full disk leaves the earlier places.
    std::map<QString, QRect> places;
    {
        const QSettings settings(path_, QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            places[key.section(u'/', 0, 0)] = settings.value(key).toRect();
    }
    places[windowClass] = place;
    QByteArray text;
    for (const auto& [name, rect] : places)
        text += QStringLiteral("[%1]\ngeometry=@Rect(%2 %3 %4 %5)\n\n").arg(name).arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()).toUtf8();
    // A place that cannot be kept costs the clerk nothing but a window at its default size.
    try {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        SafeFileWriter file(path_, Replacing::Allowed);
        file.Write(text.constData(), text.size());
        file.Commit();
    } catch (const std::runtime_error&) {
    }
}
