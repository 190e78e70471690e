#include "runtime/ui/dialog_form.h"

#include "runtime/ui/guarded.h"
#include "runtime/ui/ui_texts.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

DialogForm::DialogForm(QWidget* owner) : MForm(owner)
{
}

bool DialogForm::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        Confirm();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        setModalResult(mrCancel);
        return true;
    }
    return false;
}

void DialogForm::addConfirmButtons(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* confirm = new QPushButton(UiText::ConfirmButton(), this);
    confirm->setObjectName(QStringLiteral("Btn_F8"));
    confirm->setAutoDefault(false);
    auto* cancel = new QPushButton(UiText::CancelButton(), this);
    cancel->setObjectName(QStringLiteral("Btn_Esc"));
    cancel->setAutoDefault(false);
    row->addWidget(confirm);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(confirm, &QPushButton::clicked, this, [this] { RunGuarded([this] { Confirm(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { setModalResult(mrCancel); });
}
