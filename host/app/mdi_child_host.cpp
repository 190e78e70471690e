#include "mdi_child_host.h"

#include "runtime/ui/mform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <stdexcept>

namespace {

void BringToFront(QMdiArea& area, MForm& form)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(form.parentWidget())) {
        if (frame->isMinimized())
            frame->showNormal();
        area.setActiveSubWindow(frame);
        return;
    }
    form.raise();
    form.activateWindow();
}

} // namespace

void OpenMdiChild(QMdiArea& area, const FormClass& formClass, MForm** windowVar)
{
    if (windowVar && *windowVar) {
        BringToFront(area, **windowVar);
        return;
    }
    if (!formClass.create)
        throw std::invalid_argument(QStringLiteral("視窗 %1 無法建立。").arg(formClass.className).toStdString());
    MForm* form = formClass.create(&area);
    QMdiSubWindow* frame = area.addSubWindow(form);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    if (windowVar) {
        *windowVar = form;
        QObject::connect(form, &QObject::destroyed, [windowVar, form] {
            if (*windowVar == form)
                *windowVar = nullptr;
        });
    }
    form->show();
    frame->show();
    area.setActiveSubWindow(frame);
}
