#include "mdi_child_host.h"

#include "window_places.h"

#include "runtime/ui/mform.h"
#include "runtime/ui/window_fit.h"

#include <QCoreApplication>
#include <QEvent>
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

// Keeps a window's size and place when the clerk closes it (not while it fills the area or lies
// minimised: the next opening should find it as it was shown normally).
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QMdiSubWindow* frame, QString windowClass, WindowPlaces& places)
        : QObject(frame), frame_(frame), windowClass_(std::move(windowClass)), places_(places)
    {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == frame_ && event->type() == QEvent::Close && !frame_->isMaximized() && !frame_->isMinimized())
            places_.Remember(windowClass_, frame_->geometry());
        return false;
    }

private:
    QMdiSubWindow* frame_;
    QString windowClass_;
    WindowPlaces& places_;
};

// The remembered place, moved and shrunk as far as needed to lie within the area; without one, the
// size the form asks for within the area, placed by the area. The frame is already in the area,
// where its title bar and border have their size.
void PlaceFrame(QMdiArea& area, QMdiSubWindow& frame, const MForm& form, const std::optional<QRect>& remembered)
{
    const QSize available = area.viewport()->size();
    if (remembered) {
        QRect place(remembered->topLeft(), remembered->size().boundedTo(available));
        place.moveLeft(qBound(0, place.left(), available.width() - place.width()));
        place.moveTop(qBound(0, place.top(), available.height() - place.height()));
        frame.setGeometry(place);
        return;
    }
    const QSize decoration = frame.sizeHint() - form.sizeHint();
    frame.resize(FittedSize(form, available - decoration) + decoration);
}

// The clerk types into a new window at once: its first field, the first one the Tab key reaches.
void FocusFirstField(MForm& form)
{
    for (QWidget* widget = form.nextInFocusChain(); widget && widget != &form; widget = widget->nextInFocusChain())
        if (form.isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace

void OpenMdiChild(QMdiArea& area, const FormClass& formClass, MForm** windowVar, WindowPlaces& places)
{
    if (windowVar && *windowVar) {
        BringToFront(area, **windowVar);
        return;
    }
    if (!formClass.create)
        throw std::invalid_argument(QStringLiteral("視窗 %1 無法建立。").arg(formClass.className).toStdString());
    MForm* form = formClass.create(&area);
    auto* frame = new QMdiSubWindow;
    frame->setWidget(form);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    if (windowVar) {
        *windowVar = form;
        QObject::connect(form, &QObject::destroyed, [windowVar, form] {
            if (*windowVar == form)
                *windowVar = nullptr;
        });
    }
    // What the form sets up when it is first shown (its toolbar's own button, posted to itself)
    // counts in the size it asks for.
    form->show();
    QCoreApplication::sendPostedEvents(form, QEvent::MetaCall);
    area.addSubWindow(frame);
    PlaceFrame(area, *frame, *form, places.Place(formClass.className));
    new PlaceKeeper(frame, formClass.className, places);
    frame->show();
    area.setActiveSubWindow(frame);
    FocusFirstField(*form);
}
