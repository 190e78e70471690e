#include "desktop_options.h"

#include "runtime/host_texts.h"
#include "runtime/language.h"
#include "runtime/module_library.h"

#include <QDir>
#include <stdexcept>

namespace {

QString DefaultModulePath()
{
    const QString libDir = qEnvironmentVariable("RAR1_LIB_DIR");
    return libDir.isEmpty() ? ModuleLibrary::DefaultPath() : QDir(libDir).filePath(QStringLiteral("libRAR1.so"));
}

} // namespace

DesktopOptions DesktopOptions::Parse(const QStringList& arguments)
{
    DesktopOptions options;
    options.modulePath = DefaultModulePath();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option != QLatin1String("--smoke") && option != QLatin1String("--module") && option != QLatin1String("--smoke-import"))
            throw std::invalid_argument(HostText(222).arg(option).toStdString());
        if (i + 1 >= arguments.size())
            throw std::invalid_argument(HostText(224).arg(option).toStdString());
        const QString value = arguments[++i];
        if (option == QLatin1String("--module")) {
            options.modulePath = value;
            continue;
        }
        if (option == QLatin1String("--smoke-import")) {
            options.smokeImport = value;
            continue;
        }
        bool ok = false;
        options.smokeBank = value.toInt(&ok);
        if (!ok || options.smokeBank < 1 || options.smokeBank > 28)
            throw std::invalid_argument(HostText(203).arg(value).toStdString());
    }
    return options;
}

QStringList DesktopOptions::WithDatabaseOption(QStringList arguments)
{
    // Every option takes a value, so the first word that neither starts with "--" nor is an
    // option's value is the database. A second such word stays, and is refused as unknown.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1String("--"))) {
            arguments[i].prepend(QLatin1String("--db="));
            break;
        }
        if (!arguments[i].contains(u'='))
            ++i;
    }
    return arguments;
}
