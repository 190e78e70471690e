#pragma once
// The base of every form. A form created with an owner is a window of its own that stays with
// its owner; shown modally it is a dialog; placed into an MDI area it is a child window there.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QEventLoop;
class QKeyEvent;

enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// The form's text group and caption: the caption is text FormCaptionID of group FormRcID.
struct MFormProperty {
    int FormCaptionID = 0;
    QString FormRcID;
    QString FormName;
};

class MForm : public QWidget {
    Q_OBJECT
public:
    explicit MForm(QWidget* owner = nullptr);
    ~MForm() override;

    MFormProperty MFormProperty1;

    // Text `id` of the form's own text group.
    QString LoadFormStr(int id) const;

    // FormShow, then the automation handler if one is installed, else a real modal loop.
    // Returns the modal result (mrCancel when the clerk closed the window).
    int ShowModal();
    bool InModalRun() const { return modalRun_; }
    // Ends a modal run; on a form shown without ShowModal a result other than mrNone closes it.
    void setModalResult(int result);
    int modalResult() const { return modalResult_; }

    // Closes the form's window: the MDI child window around it, or the form itself.
    void Close();
    // FormDestroy, then delete.
    void Release();

    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormDestroy() {}
    // Sees the keys that the focused control leaves alone (F2, F8, Esc ...); true when handled.
    virtual bool FormKeyDown(QKeyEvent*) { return false; }

    // The child with this object name; raises std::runtime_error when there is none.
    template <class T>
    T* component(const QString& objectName) const
    {
        if (T* found = findChild<T*>(objectName))
            return found;
        throw std::runtime_error(missingComponentMessage(objectName));
    }

    // Runs `action` on this form once the current event is done (the window messages 1025, 1312).
    void PostMessage(int message, std::function<void()> action);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::string missingComponentMessage(const QString& objectName) const;
    void runModal(const QPointer<MForm>& self);
    void endModalRun();
    void centreOnOwner();
    void applyCaption();
    void runFormDestroyOnce();

    int modalResult_ = mrNone;
    bool modalRun_ = false;
    bool formShowDone_ = false;
    bool formDestroyDone_ = false;
    QEventLoop* modalLoop_ = nullptr;
};

// Creates a form and runs its FormCreate; a form whose FormCreate fails is deleted again.
template <class T>
T* Create(QWidget* owner)
{
    T* form = new T(owner);
    try {
        form->FormCreate();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

// Holds a form and frees it with Release (FormDestroy first) when it goes out of scope.
struct FormRelease {
    void operator()(MForm* form) const { form->Release(); }
};
template <class T>
using ReleasedForm = std::unique_ptr<T, FormRelease>;

// Makes the window that holds `owner` the active one again, after a window of its own went away.
void ReturnActivation(QWidget* owner);

// The form that holds `widget` (the widget itself when it is a form); null when there is none.
MForm* FormOf(QWidget* widget);
