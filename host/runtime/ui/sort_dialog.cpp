#include "runtime/ui/sort_dialog.h"

#include "runtime/ui/ui_texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
constexpr int SortLevels = 3;
}

SortDialog::SortDialog(QWidget* owner, const std::vector<db::FieldDef>& fields) : DialogForm(owner)
{
    setObjectName(QStringLiteral("F6Sort"));
    setWindowTitle(UiText::SortCaption());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (int level = 0; level < SortLevels; ++level) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("COM_SORT%1").arg(level + 1));
        combo->addItem(UiText::NoSort(), QString());
        for (const db::FieldDef& field : fields)
            if (field.visible)
                combo->addItem(field.displayLabel.isEmpty() ? field.name : field.displayLabel, field.name);
        form->addRow(UiText::SortLevel(level), combo);
        levels_.push_back(combo);
    }
    addConfirmButtons(layout);
}

QStringList SortDialog::ChosenFields() const
{
    QStringList chosen;
    for (const QComboBox* combo : levels_) {
        const QString name = combo->currentData().toString();
        if (!name.isEmpty() && !chosen.contains(name))
            chosen << name;
    }
    return chosen;
}
