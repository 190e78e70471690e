#include "runtime/ui/mquery_window.h"

#include "runtime/db/mquery.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/lookup_dialog.h"
#include "runtime/ui/ui_texts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

MQueryWindow::MQueryWindow(QObject* parent) : QObject(parent)
{
}

void MQueryWindow::Attach(QLineEdit* edit, QAbstractButton* button)
{
    edit->installEventFilter(this);
    if (button)
        connect(button, &QAbstractButton::clicked, edit, [this, edit] { runFor(edit); });
}

bool MQueryWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QObject::eventFilter(watched, event);
    const bool isF2 = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2;
    if (isF2 && event->type() == QEvent::ShortcutOverride) {
        // F2 in the edit is the lookup, not the window's F2 command.
        event->accept();
        return true;
    }
    if (isF2 || event->type() == QEvent::MouseButtonDblClick) {
        runFor(edit);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void MQueryWindow::runFor(QLineEdit* edit)
{
    RunGuarded([this, edit] {
        if (Execute(FormOf(edit), edit->text()) && !results_.isEmpty())
            edit->setText(results_.first());
    });
}

bool MQueryWindow::Execute(QWidget* owner, const QString& initialCode)
{
    db::MQuery query(DatabaseName);
    query.setSql(QStringLiteral("SELECT %1,%2 FROM %3 ORDER BY %1").arg(ResultFldName, DetailFldName, TableName));
    query.open();
    QList<LookupRow> rows;
    for (query.first(); !query.eof(); query.next())
        rows.append({query.asString(ResultFldName).trimmed(), query.asString(DetailFldName).trimmed()});

    const QString searchCaption = SearchField.section(u',', 1).trimmed();
    ReleasedForm<LookupDialog> dialog(new LookupDialog(owner,
                                    {searchCaption.isEmpty() ? UiText::LookupCode() : searchCaption,
                                     DetailCaption.isEmpty() ? UiText::LookupDetail() : DetailCaption},
                                    MultiSelect));
    dialog->setWindowTitle(Caption.isEmpty() ? UiText::LookupCaption() : Caption);
    dialog->SetRows(rows);
    dialog->SelectCode(initialCode);
    results_.clear();
    if (dialog->ShowModal() == mrOk)
        results_ = dialog->SelectedCodes();
    return !results_.isEmpty();
}
