#include "banks/wagbk2/account_error_list.h"

#include "banks/wagbk2/check_digit.h"
#include "runtime/language.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/message_list_view.h"
#include "transfer/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

QString AccountErrorReason(const QString& account)
{
    auto text = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    static const QRegularExpression fourteenDigits(QStringLiteral("^\\d{14}$"));
    if (!fourteenDigits.match(account).hasMatch())
        return text(15974);
    QStringList reasons;
    if (!PostOfficeGroupValid(QStringView(account).left(7)))
        reasons << text(15972);
    if (!PostOfficeGroupValid(QStringView(account).mid(7)))
        reasons << text(15973);
    return reasons.join(QStringLiteral("、"));
}

TWagbk2cForm::TWagbk2cForm(QWidget* owner)
    : MForm(owner)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setObjectName(QStringLiteral("TWagbk2cForm"));
    setWindowTitle(QStringLiteral("帳號錯誤一覽表,請修改"));
    layout_ = new QVBoxLayout(this);
    resize(720, 420);
}

void TWagbk2cForm::SetErrors(const std::vector<AccountError>& errors, bool canContinue)
{
    MessageList list;
    list.heading = {LoadFormStr(10085) + QStringLiteral("：")};
    for (const AccountError& error : errors)
        list.entries << MessageEntry{error.account, (error.employee + u' ' + error.name).trimmed(), AccountErrorReason(error.account)};
    delete list_;
    list_ = new MessageListView(list, MsgType::Warning, this);
    list_->SetColumnTitles({LoadFormStr(12014), LoadFormResourceStr(QStringLiteral("RAR1HOST"), 404), LoadFormStr(15975)});
    // F8 prints, as in the other windows of the bank.
    list_->findChild<QPushButton*>(QStringLiteral("Btn_Print"))->hide();
    auto addButton = [this](const char* name, const QString& caption, void (TWagbk2cForm::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
        list_->ButtonRow()->addWidget(button);
        return button;
    };
    addButton("Btn_F8", QStringLiteral("F8 打印"), &TWagbk2cForm::Btn_F8Click);
    Btn_F6 = addButton("Btn_F6", QStringLiteral("F6 繼續"), &TWagbk2cForm::Btn_F6Click);
    addButton("Btn_Esc", QStringLiteral("Esc 取消"), &TWagbk2cForm::Btn_EscClick);
    Btn_F6->setEnabled(canContinue);
    layout_->addWidget(list_);
}

void TWagbk2cForm::Btn_F8Click()
{
    list_->PrintList();
}

void TWagbk2cForm::Btn_F6Click()
{
    if (Btn_F6->isEnabled())
        setModalResult(mrOk);
}

void TWagbk2cForm::Btn_EscClick()
{
    setModalResult(mrCancel);
}

bool TWagbk2cForm::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6) {
        Btn_F6Click();
        return true;
    }
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}
