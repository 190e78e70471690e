#include "runtime/ui/mform.h"

#include "runtime/language.h"
#include "runtime/ui/automation.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/ui_texts.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

QMdiSubWindow* SubWindowOf(const QWidget* form)
{
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

} // namespace

MForm::MForm(QWidget* owner) : QWidget(owner, Qt::Window)
{
    // An MDI child window without a focused control still takes the focus, so its keys work.
    setFocusPolicy(Qt::ClickFocus);
}

MForm::~MForm() = default;

QString MForm::LoadFormStr(int id) const
{
    return LoadFormResourceStr(MFormProperty1.FormRcID, id);
}

int MForm::ShowModal()
{
    QPointer<MForm> self(this);
    modalResult_ = mrNone;
    modalRun_ = true;
    try {
        runModal(self);
    } catch (...) {
        if (self)
            endModalRun();
        throw;
    }
    if (!self)
        return mrCancel;
    endModalRun();
    return modalResult_;
}

void MForm::runModal(const QPointer<MForm>& self)
{
    formShowDone_ = true;
    applyCaption();
    FormShow();
    if (modalResult_ != mrNone)
        return;

    if (const ModalHandler handler = CurrentModalHandler()) {
        const int answer = handler(*this);
        if (self && modalResult_ == mrNone)
            modalResult_ = answer;
        return;
    }

    QEventLoop loop;
    modalLoop_ = &loop;
    setWindowModality(Qt::ApplicationModal);
    centreOnOwner();
    show();
    loop.exec(QEventLoop::DialogExec);
}

void MForm::endModalRun()
{
    modalLoop_ = nullptr;
    modalRun_ = false;
    hide();
    setWindowModality(Qt::NonModal);
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;
}

void MForm::setModalResult(int result)
{
    modalResult_ = result;
    if (result == mrNone)
        return;
    if (modalLoop_)
        modalLoop_->quit();
    else if (!modalRun_ && isVisible())
        Close();
}

void MForm::Close()
{
    if (QMdiSubWindow* frame = SubWindowOf(this))
        frame->close();
    else
        close();
}

void MForm::Release()
{
    runFormDestroyOnce();
    delete this;
}

void MForm::PostMessage(int /*message*/, std::function<void()> action)
{
    QMetaObject::invokeMethod(this, [action = std::move(action)] { RunGuarded(action); }, Qt::QueuedConnection);
}

void MForm::setVisible(bool visible)
{
    if (visible && !formShowDone_) {
        formShowDone_ = true;
        applyCaption();
        RunGuarded([this] { FormShow(); });
    }
    // A dialog or progress window that goes away hands the keyboard back to the window it belongs
    // to, so that the clerk's next key reaches that window and not nowhere.
    const bool handBack = !visible && isWindow() && isActiveWindow() && parentWidget();
    QWidget::setVisible(visible);
    if (handBack)
        ReturnActivation(parentWidget());
}

void MForm::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = FormKeyDown(event); });
    if (handled)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void MForm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (modalLoop_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        modalLoop_->quit();
        return;
    }
    const QWidget* frame = SubWindowOf(this) ? static_cast<QWidget*>(SubWindowOf(this)) : this;
    if (event->isAccepted() && frame->testAttribute(Qt::WA_DeleteOnClose))
        runFormDestroyOnce();
}

std::string MForm::missingComponentMessage(const QString& objectName) const
{
    return UiText::MissingComponent(metaObject()->className(), objectName).toStdString();
}

void MForm::centreOnOwner()
{
    if (!parentWidget())
        return;
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    const QWidget* owner = parentWidget();
    move(owner->mapToGlobal(owner->rect().center()) - rect().center());
}

void MForm::applyCaption()
{
    if (windowTitle().isEmpty() && MFormProperty1.FormCaptionID != 0)
        setWindowTitle(LoadFormStr(MFormProperty1.FormCaptionID));
}

void MForm::runFormDestroyOnce()
{
    if (formDestroyDone_)
        return;
    formDestroyDone_ = true;
    RunGuarded([this] { FormDestroy(); });
}

void ReturnActivation(QWidget* owner)
{
    if (owner && owner->window()->isVisible())
        owner->window()->activateWindow();
}

MForm* FormOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (MForm* form = qobject_cast<MForm*>(w))
            return form;
    return nullptr;
}
