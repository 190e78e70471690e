#include "runtime/ui/mprogress_form.h"

#include "runtime/ui/ui_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int RepaintIntervalMs = 50;
constexpr int EventIntervalMs = 30;
}

MProgressForm::MProgressForm(QWidget* owner)
    : MForm(owner), textLabel_(new QLabel(this)), bar_(new QProgressBar(this)),
      cancelButton_(new QPushButton(UiText::ProgressCancel(), this))
{
    setObjectName(QStringLiteral("ProgressForm"));
    cancelButton_->setObjectName(QStringLiteral("Btn_Cancel"));
    textLabel_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textLabel_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignHCenter);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    bar_->setRange(0, maximum_);
}

void MProgressForm::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void MProgressForm::SetText(const QString& text)
{
    text_ = text;
    repaintIfDue();
}

void MProgressForm::SetMaxValue(int maximum)
{
    maximum_ = qMax(0, maximum);
    repaintIfDue();
}

void MProgressForm::SetValue(int value)
{
    value_ = value;
    repaintIfDue();
}

void MProgressForm::Show()
{
    cancelled_ = false;
    if (!busy_)
        qApp->installEventFilter(this);
    busy_ = true;
    sinceShow_.start();
    // The first look of a new piece of work takes the clerk's events: a cancel pressed as it
    // starts is heard, however short the work.
    sinceEvents_.invalidate();
    repaintNow();
}

void MProgressForm::Hide()
{
    if (busy_)
        qApp->removeEventFilter(this);
    busy_ = false;
    hide();
    setWindowModality(Qt::NonModal);
}

void MProgressForm::showIfDue()
{
    if (!busy_ || isVisible() || sinceShow_.elapsed() < showDelayMs_)
        return;
    setWindowModality(Qt::ApplicationModal);
    repaintNow();
    adjustSize();
    // Over the middle of the window whose work it shows.
    if (const QWidget* owner = parentWidget())
        move(owner->window()->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

// While the work runs, the clerk's clicks and keys for other windows are dropped, as a modal
// window drops them once it is there.
bool MProgressForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
    // The screen's windows pass the events on to their widgets, where they are sorted out.
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget != this && !isAncestorOf(widget);
}

void MProgressForm::ProcessMessages()
{
    showIfDue();
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < EventIntervalMs)
        return;
    repaintNow();
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void MProgressForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return MForm::keyPressEvent(event);
    cancelled_ = true;
    event->accept();
}

void MProgressForm::closeEvent(QCloseEvent* event)
{
    cancelled_ = true;
    MForm::closeEvent(event);
}

void MProgressForm::repaintIfDue()
{
    if (isVisible() && (!sincePaint_.isValid() || sincePaint_.elapsed() >= RepaintIntervalMs))
        repaintNow();
}

void MProgressForm::repaintNow()
{
    sincePaint_.start();
    textLabel_->setText(text_);
    bar_->setMaximum(maximum_);
    bar_->setValue(qBound(0, value_, maximum_));
}
