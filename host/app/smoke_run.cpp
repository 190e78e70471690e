#include "smoke_run.h"

#include "main_window.h"

#include "runtime/bank_names.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/mform.h"

#include <QCoreApplication>

#include <algorithm>
#include <QMenu>
#include <QMenuBar>
#include <QTextStream>

namespace {

QString Prefix(MsgType type)
{
    return type == MsgType::Error ? QStringLiteral("error: ") : QStringLiteral("message: ");
}

int ReportWindows(MainWindow& window, QTextStream& out)
{
    QCoreApplication::processEvents();
    const QStringList titles = window.OpenWindowTitles();
    const QList<QRect> places = window.OpenWindowPlaces();
    out << "windows: " << titles.size() << Qt::endl;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const QRect& place = places.at(i);
        out << "opened: " << titles.at(i) << Qt::endl;
        out << QStringLiteral("place: %1,%2 %3x%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()) << Qt::endl;
    }
    return int(titles.size());
}

void CloseAll(MainWindow& window, QTextStream& out)
{
    window.CloseAllWindows();
    out << "closed" << Qt::endl;
}

} // namespace

int RunSmoke(MainWindow& window, int bank)
{
    QTextStream out(stdout);
    AutomationGuard automation;
    automation
        .onMessage([&out](const MessageRequest& request) {
            out << Prefix(request.type) << request.text << Qt::endl;
            return int(request.buttons & mbOK ? mrOk : request.buttons & mbCancel ? mrCancel : mrNo);
        })
        .onModal([&out](MForm& form) {
            out << "dialog: " << form.metaObject()->className() << Qt::endl;
            return int(mrCancel);
        });

    window.show();
    for (const QString& status : window.StatusTexts())
        out << "status: " << status << Qt::endl;
    // The menus with their access keys, and the bank menu as the clerk sees it: one entry per bank.
    for (QAction* menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        out << "menu: " << menu->text() << Qt::endl;
        const QList<QAction*> items = menu->menu()->actions();
        if (std::count_if(items.begin(), items.end(), [](const QAction* item) { return item->data().toInt() > 0; }) == BankCount)
            out << "bank menu: " << menu->text() << ", " << BankCount << " banks" << Qt::endl;
    }
    window.OpenBank(bank);
    // The field that has the focus, or takes it when the main window is active.
    const QWidget* focus = window.focusWidget();
    out << "focus: " << (focus ? focus->objectName() : QStringLiteral("none")) << Qt::endl;
    // The menu's bank parameters reach the window's F4 dialog.
    window.OpenBankParameters();
    window.OpenBank(bank);
    const int first = ReportWindows(window, out);
    CloseAll(window, out);
    window.OpenBank(bank);
    const int again = ReportWindows(window, out);
    CloseAll(window, out);
    return first == 1 && again == 1 ? 0 : 1;
}
