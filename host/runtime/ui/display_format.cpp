#include "runtime/ui/display_format.h"

#include <QLocale>

QString FormatNumber(double value, const QString& format)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    const qsizetype point = format.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(format.size() - point - 1);
    if (!format.contains(u','))
        return QString::number(value, 'f', decimals);
    QLocale grouped(QLocale::C);
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    return grouped.toString(value, 'f', decimals);
}
