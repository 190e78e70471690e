#pragma once
// Progress window with a cancel button. Cheap to feed from a long loop: value and text reach the
// screen at most every 50 ms, and ProcessMessages lets the cancel click through at most every 30 ms.
#include "runtime/ui/mform.h"
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

class MProgressForm : public MForm {
    Q_OBJECT
public:
    explicit MProgressForm(QWidget* owner = nullptr);

    void SetCaption(const QString& caption);
    void SetText(const QString& text);
    void SetMaxValue(int maximum);
    void SetValue(int value);
    void Show();   // clears the cancel flag and shows the window, blocking input to other windows
    void Hide();
    bool Cancelled() const { return cancelled_; }
    // Lets pending window events run (the cancel click among them), at most every ~30 ms.
    void ProcessMessages();

    QString Text() const { return text_; }
    int Value() const { return value_; }
    int MaxValue() const { return maximum_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void repaintIfDue();
    void repaintNow();

    QLabel* textLabel_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    QString text_;
    int value_ = 0;
    int maximum_ = 100;
    bool cancelled_ = false;
    QElapsedTimer sincePaint_;
    QElapsedTimer sinceEvents_;
};
