#pragma once
// Where the clerk left each kind of window: its size and place in the main window, kept per window
// class (one per bank) in windows.ini of the host's configuration folder, so that the next opening
// finds the window as it was.
#include <QRect>
#include <QString>
#include <optional>

class WindowPlaces {
public:
    explicit WindowPlaces(QString path = DefaultPath());

    std::optional<QRect> Place(const QString& windowClass) const;
    void Remember(const QString& windowClass, const QRect& place);

    static QString DefaultPath();

private:
    QString path_;
};
