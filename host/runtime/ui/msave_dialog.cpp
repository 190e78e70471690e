#include "runtime/ui/msave_dialog.h"

#include "runtime/ui/automation.h"
#include "runtime/ui/ui_texts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {

// "Text (*.TXT)|*.TXT|All|*.*" -> "Text (*.TXT);;All (*.*)"; a plain "*.TXT" stays as it is.
QString DialogFilter(const QString& filter)
{
    if (!filter.contains(u'|'))
        return filter;
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << (parts[i].contains(parts[i + 1]) ? parts[i] : parts[i] + QStringLiteral(" (") + parts[i + 1] + u')');
    return entries.join(QStringLiteral(";;"));
}

} // namespace

bool MSaveDialog::Execute()
{
    QString chosen = FileName;
    bool confirmed = false;
    if (const FileDialogHandler& handler = CurrentFileDialogHandler()) {
        confirmed = handler(chosen, Filter);
    } else {
        chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), Title.isEmpty() ? UiText::SaveCaption() : Title,
                                              FileName, DialogFilter(Filter), nullptr, QFileDialog::DontConfirmOverwrite);
        confirmed = !chosen.isEmpty();
    }
    if (!confirmed)
        return false;
    if (!DefaultExt.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += u'.' + DefaultExt;
    FileName = chosen;
    return true;
}
