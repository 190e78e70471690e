#pragma once
// A modal dialog with the two buttons "F8 確認" (Btn_F8) and "Esc 取消" (Btn_Esc) and their keys.
// Confirm() closes with OK; a dialog that must check or take over values first overrides it.
#include "runtime/ui/mform.h"

class QBoxLayout;
class QPushButton;

class DialogForm : public MForm {
    Q_OBJECT
public:
    explicit DialogForm(QWidget* owner = nullptr);

    bool FormKeyDown(QKeyEvent* event) override;
    virtual void Confirm() { setModalResult(mrOk); }

protected:
    // Adds the two buttons at the right end of a new row of `layout`.
    void addConfirmButtons(QBoxLayout* layout);
};
