// The desktop host: loads the payroll module and shows its windows in an MDI main window.
#include "desktop_options.h"
#include "desktop_settings.h"
#include "import_smoke.h"
#include "main_window.h"
#include "print_dialog.h"
#include "smoke_run.h"

#include "runtime/config.h"
#include "runtime/db/database.h"
#include "runtime/report/print_choice.h"
#include "runtime/ui/messages.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const char* const Usage =
    "usage: rar1-desktop [--db FILE] [--system-db FILE] [--company COMPNO] [--lang 0|1|2] [--media-dir DIR]\n"
    "                    [--printer NAME] [--module LIBRARY] [--smoke N]\n"
    "  --module LIBRARY  the payroll module to load\n"
    "  --smoke N         open bank N's window, report it and exit\n";

int RunDesktop(QStringList arguments)
{
    const bool smoke = arguments.contains(QStringLiteral("--smoke")) || arguments.contains(QStringLiteral("--smoke-import"));
    try {
        arguments = DesktopOptions::WithDatabaseOption(arguments);
        const QStringList given = arguments;
        RuntimeConfig config = RuntimeConfig::Load(arguments);
        ApplyRemembered(config, given);
        const DesktopOptions options = DesktopOptions::Parse(arguments);
        SetCurrentConfig(config);
        ConnectDatabases(config);
        MainWindow window(config, options.modulePath);
        const QString startError = window.StartError();
        if (!startError.isEmpty())
            QTextStream(stderr) << "error: " << startError << Qt::endl;
        if (!options.smokeImport.isEmpty())
            return RunImportSmoke(window, options.smokeImport);
        if (smoke) {
            const int result = RunSmoke(window, options.smokeBank);
            return startError.isEmpty() ? result : 2;
        }
        // The clerk chooses the printer, the pages and the copies in the system's print dialog.
        report::SetPrintChooser(ChoosePrinterInDialog);
        window.show();
        // The window stays and can be used (another company, another language, the bank commands).
        if (!startError.isEmpty())
            QTimer::singleShot(0, &window, [&window, startError] { window.OfferAnotherDatabase(startError); });
        return QApplication::exec();
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what());
        QTextStream(stderr) << "error: " << message << Qt::endl;
        if (!smoke)
            ShowError(message);
        return 2;
    }
}

// Asked for the usage: printed before Qt looks for a display, so that it answers also where there is none.
bool AskedForUsage(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (AskedForUsage(argc, argv)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // The desktop entry's name ties the windows to the menu's icon; the icon theme has the icon
    // once the program is installed, and the program carries its own for a run from anywhere else.
    QGuiApplication::setDesktopFileName(QStringLiteral("rar1-desktop"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("rar1"), QIcon(QStringLiteral(":/icons/rar1.png"))));
    const int exitCode = RunDesktop(app.arguments().mid(1));
    // The databases close while Qt's database drivers are still there.
    db::Session::DestroyDefault();
    return exitCode;
}
