#pragma once
// The format description window: the bank's own description of its media file, shown read-only
// and printed with F8.
#include "runtime/ui/mform.h"

class QPlainTextEdit;

// The description of a bank whose format description the bank has not yet given: "建檔中".
inline const QString DescriptionBeingSetUp = QStringLiteral(":/transfer/being_set_up.txt");

class FormatDescriptionForm : public MForm {
    Q_OBJECT
public:
    // `resource` is the bank's description text (UTF-8), e.g. ":/banks/wagbk10/description.txt".
    FormatDescriptionForm(QWidget* owner, const QString& resource);

    bool FormKeyDown(QKeyEvent* event) override;
    void Btn_F8Click();
    void Btn_EscClick();
    QStringList Lines() const;

private:
    QPlainTextEdit* MMemo1 = nullptr;
};
