#include "runtime/ui/kept_column.h"

#include <QAbstractButton>

namespace {
const char* const ColumnProperty = "keptColumn";
const char* const CheckedProperty = "keptChecked";
const char* const UncheckedProperty = "keptUnchecked";
}

void KeepInColumn(QAbstractButton& button, const QString& column, const QString& checkedText, const QString& uncheckedText)
{
    button.setProperty(ColumnProperty, column);
    button.setProperty(CheckedProperty, checkedText);
    button.setProperty(UncheckedProperty, uncheckedText);
}

std::vector<KeptButton> KeptButtons(const QWidget& root)
{
    std::vector<KeptButton> kept;
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        const QString column = button->property(ColumnProperty).toString();
        if (!column.isEmpty())
            kept.push_back({button, column, button->property(CheckedProperty).toString(),
                            button->property(UncheckedProperty).toString()});
    }
    return kept;
}
