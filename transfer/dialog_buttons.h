#pragma once
// The two buttons and keys of every dialog of the transfer windows: F8 confirms (saves, exports,
// prints), Esc cancels or closes.
#include <QKeyEvent>
#include <QString>
#include <functional>

class MForm;
class QHBoxLayout;

// Btn_F8 and Btn_Esc, right-aligned in a row of their own; a click runs its handler guarded (an
// error is shown and the dialog stays usable). A button whose caption is empty is left out.
QHBoxLayout* MakeDialogButtons(MForm& form, const QString& f8Caption, const QString& escCaption,
                               std::function<void()> onF8, std::function<void()> onEsc);

template <class F8, class Esc>
bool HandleDialogKeys(QKeyEvent* event, F8 onF8, Esc onEsc)
{
    if (event->key() == Qt::Key_F8) {
        onF8();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        onEsc();
        return true;
    }
    return false;
}
