#pragma once
// The account error list (帳號錯誤一覽表): the post office accounts whose check digits fail, shown
// after the transfer table was built so that the clerk corrects them: each employee with his whole
// account and why it fails, the count, and copy, save and print. F8 prints the list, F6 goes on with
// the command that built the table, Esc ends it.
#include "runtime/ui/mform.h"

#include <vector>

class MessageListView;
class QPushButton;
class QVBoxLayout;

struct AccountError {
    QString account, employee, name;
};

// Why the post office refuses `account`: not fourteen digits, or the check digit of its bureau or
// of its account (or of both) does not match; empty for an account that passes.
QString AccountErrorReason(const QString& account);

class TWagbk2cForm : public MForm {
    Q_OBJECT
public:
    explicit TWagbk2cForm(QWidget* owner);

    // The accounts to list; without `canContinue` F6 is disabled (nothing waits for the list).
    void SetErrors(const std::vector<AccountError>& errors, bool canContinue);

    bool FormKeyDown(QKeyEvent* event) override;
    void Btn_F8Click();
    void Btn_F6Click();
    void Btn_EscClick();

private:
    QVBoxLayout* layout_ = nullptr;
    MessageListView* list_ = nullptr;
    QPushButton* Btn_F6 = nullptr;
};
