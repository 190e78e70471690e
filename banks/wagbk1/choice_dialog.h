#pragma once
// The choice dialog of Chang Hwa Bank's printouts, which the post office also shows to choose its
// printed form and, before an export, its media file: radio buttons Rad1 to Rad3, F8 confirms the
// checked one, Esc cancels.
#include "runtime/ui/mform.h"

#include <QStringList>

class QRadioButton;

class TWagbk1cForm : public MForm {
    Q_OBJECT
public:
    // With Chang Hwa Bank's caption and radio captions; Rad1 is checked.
    explicit TWagbk1cForm(QWidget* owner);

    // Another caption, and the captions of the first radio buttons; `shown` radio buttons stay visible.
    void SetCaptions(const QString& caption, const QStringList& radioCaptions, int shown = 3);

    bool FormKeyDown(QKeyEvent* event) override;
    void Btn_F8Click();
    void Btn_EscClick();
    // The checked radio button, 1 to 3.
    int Choice() const;

private:
    std::vector<QRadioButton*> radios_;
};

// Shows the dialog modally: the chosen radio button, or 0 when the clerk cancelled.
int AskChoice(TWagbk1cForm* dialog);
