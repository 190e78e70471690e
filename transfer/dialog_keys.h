#pragma once
// F8 confirms (exports, prints) and Esc cancels or closes in every dialog of the transfer windows.
#include <QKeyEvent>

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
