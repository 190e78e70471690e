#include "arguments.h"

#include "runtime/language.h"

std::optional<QString> Arguments::take(const QString& option)
{
    const int at = words_.indexOf(option);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= words_.size())
        throw UsageError(QStringLiteral("%1 needs a value").arg(option).toStdString());
    const QString value = words_.at(at + 1);
    words_.remove(at, 2);
    return value;
}

bool Arguments::takeFlag(const QString& option)
{
    return words_.removeOne(option);
}

QString Arguments::takePositional(const QString& what)
{
    for (int i = 0; i < words_.size(); ++i) {
        if (!words_[i].startsWith(QLatin1String("--")))
            return words_.takeAt(i);
    }
    throw UsageError(QStringLiteral("missing %1").arg(what).toStdString());
}

int Arguments::takeBank()
{
    const QString text = takePositional(QStringLiteral("bank number"));
    bool ok = false;
    const int bank = text.toInt(&ok);
    if (!ok || bank < 1 || bank > 28)
        throw UsageError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 203).arg(text).toStdString());
    return bank;
}

qint64 Arguments::takeNumber(const QString& option, qint64 absent, qint64 least, qint64 most)
{
    const std::optional<QString> text = take(option);
    if (!text)
        return absent;
    bool ok = false;
    const qint64 number = text->toLongLong(&ok);
    if (!ok || number < least || number > most)
        throw UsageError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 641).arg(option, *text).arg(least).arg(most).toStdString());
    return number;
}

void Arguments::finish() const
{
    if (!words_.isEmpty())
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(words_.first()).toStdString());
}
