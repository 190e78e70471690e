#pragma once
// Progress window with a cancel button. Cheap to feed from a long loop: value and text reach the
// screen at most every 50 ms, and ProcessMessages lets the cancel click through at most every 30 ms.
// The window appears only when the work lasts longer than ShowDelayMs: a window that came and went
// within a moment would only flicker, and the screen could hand it the keyboard after it had gone.
// From Show to Hide the clerk's input to other windows waits, whether the window has appeared or not.
// The window comes up over the middle of its owner's window; Esc cancels as the button does.
// A maximum of 0 shows a moving bar, for work whose length is not known yet.
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
    // The work is looked at every 20 to 30 ms: a window due after 350 ms is up within 0.4 s.
    static constexpr int ShowDelayMs = 350;
    // How long the work runs before the window appears (ShowDelayMs unless set; 0: at the first look).
    void SetShowDelay(int ms) { showDelayMs_ = ms; }

    void Show();   // clears the cancel flag, blocks input to other windows, shows the window when due
    void Hide();
    // Whether the window is up, or comes up at the next look.
    bool Showing() const { return busy_ && (isVisible() || sinceShow_.elapsed() >= showDelayMs_); }
    bool Cancelled() const { return cancelled_; }
    bool Working() const { return busy_; }   // between Show and Hide
    // Lets pending window events run (the cancel click among them), at most every ~30 ms.
    void ProcessMessages();

    QString Text() const { return text_; }
    int Value() const { return value_; }
    int MaxValue() const { return maximum_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showIfDue();
    void repaintIfDue();
    void repaintNow();

    QLabel* textLabel_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    QString text_;
    int value_ = 0;
    int maximum_ = 100;
    bool cancelled_ = false;
    bool busy_ = false;
    int showDelayMs_ = ShowDelayMs;
    QElapsedTimer sinceShow_;
    QElapsedTimer sincePaint_;
    QElapsedTimer sinceEvents_;
};
