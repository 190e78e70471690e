// The desktop host: loads the payroll module and shows its windows in an MDI main window.
#include "desktop_options.h"
#include "import_smoke.h"
#include "main_window.h"
#include "smoke_run.h"

#include "runtime/config.h"
#include "runtime/db/database.h"
#include "runtime/ui/messages.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <exception>

namespace {

int RunDesktop(QStringList arguments)
{
    const bool smoke = arguments.contains(QStringLiteral("--smoke")) || arguments.contains(QStringLiteral("--smoke-import"));
    try {
        const RuntimeConfig config = RuntimeConfig::Load(arguments);
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
        window.show();
        // The window stays and can be used (another company, another language, the bank commands).
        if (!startError.isEmpty())
            QTimer::singleShot(0, &window, [startError] { ShowError(startError); });
        return QApplication::exec();
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what());
        QTextStream(stderr) << "error: " << message << Qt::endl;
        if (!smoke)
            ShowError(message);
        return 2;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int exitCode = RunDesktop(app.arguments().mid(1));
    // The databases close while Qt's database drivers are still there.
    db::Session::DestroyDefault();
    return exitCode;
}
