#include "transfer/dialog_buttons.h"

#include "runtime/ui/guarded.h"
#include "runtime/ui/mform.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* MakeDialogButtons(MForm& form, const QString& f8Caption, const QString& escCaption,
                               std::function<void()> onF8, std::function<void()> onEsc)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto [name, caption, handler] : {std::tuple{"Btn_F8", f8Caption, onF8}, std::tuple{"Btn_Esc", escCaption, onEsc}}) {
        if (caption.isEmpty())
            continue;
        auto* button = new QPushButton(caption, &form);
        button->setObjectName(QLatin1String(name));
        QObject::connect(button, &QPushButton::clicked, &form, [handler] { RunGuarded(handler); });
        row->addWidget(button);
    }
    return row;
}
