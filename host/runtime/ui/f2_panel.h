#pragma once
// The toolbar's F2 condition panel (object name "F2Panel"): one control per condition line, filled
// by the window's F2UserInitValue, checked by F2UserCheck on every change, and handed back through
// F2ReturnUser and SaveUserData on F8. Esc leaves everything as it was.
#include "runtime/ui/condition_line.h"
#include "runtime/ui/dialog_form.h"

#include <vector>

class TFunctionButtons;

class F2Panel : public DialogForm {
    Q_OBJECT
public:
    // Raises std::invalid_argument for a condition line that cannot be read.
    F2Panel(QWidget* owner, TFunctionButtons& toolbar);

    void FormShow() override;
    void Confirm() override;

private:
    struct Condition {
        QString name;
        QWidget* control;
    };
    QWidget* createControl(const ConditionLine& line);
    QWidget* createPickerButton(const QString& windowButtonName);
    void watchChanges(const Condition& condition);

    TFunctionButtons& toolbar_;
    std::vector<Condition> conditions_;
    bool watching_ = false;
};
