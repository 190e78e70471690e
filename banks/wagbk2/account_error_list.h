#pragma once
// The account error list (帳號錯誤一覽表): the post office accounts whose check digits fail, shown
// after the transfer table was built so that the clerk corrects them. F8 prints the list, F6 goes on
// with the command that built the table, Esc ends it.
#include "runtime/db/localtable.h"
#include "runtime/ui/mform.h"

#include <vector>

class MBBDBGrid;
class QPushButton;

struct AccountError {
    QString account, employee, name;
};

class TWagbk2cForm : public MForm {
    Q_OBJECT
public:
    explicit TWagbk2cForm(QWidget* owner);

    // The accounts to list; without `canContinue` F6 is disabled (nothing waits for the list).
    void SetErrors(const std::vector<AccountError>& errors, bool canContinue);

    void FormDestroy() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void Btn_F8Click();
    void Btn_F6Click();
    void Btn_EscClick();

private:
    QString folder_, tableName_;
    db::LocalTable ErrorTab;
    MBBDBGrid* grid_ = nullptr;
    QPushButton* Btn_F6 = nullptr;
};
