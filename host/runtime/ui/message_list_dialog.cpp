#include "runtime/ui/message_list_dialog.h"

#include "runtime/host_texts.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

MessageListDialog::MessageListDialog(const MessageList& list, MsgType type, int buttons, QWidget* parent, const QString& goOn)
    : QDialog(parent), view_(new MessageListView(list, type, this)), escapeResult_(ClosedAnswer(buttons))
{
    setObjectName(QStringLiteral("MessageList"));
    setWindowTitle(HostText(120));

    const struct {
        MsgButton flag;
        int result;
        const char* name;
        int textId;
    } answers[] = {{mbYes, mrYes, "Btn_Yes", 415}, {mbNo, mrNo, "Btn_No", 416}, {mbOK, mrOk, "Btn_OK", 413}, {mbCancel, mrCancel, "Btn_Cancel", 414}};
    QPushButton* chosen = nullptr;
    for (const auto& answer : answers)
        if ((buttons & answer.flag) || (answer.flag == mbOK && !(buttons & (mbYes | mbNo | mbCancel)))) {
            auto* button = new QPushButton(HostText(answer.textId), this);
            button->setObjectName(QLatin1String(answer.name));
            button->setAutoDefault(false);
            view_->ButtonRow()->addWidget(button);
            connect(button, &QPushButton::clicked, this, [this, result = answer.result] { done(result); });
            if (answer.flag == mbOK && !goOn.isEmpty())
                button->setText(goOn);
            // A question that lets the work go on past what the list shows defaults to Cancel.
            if (!chosen || (answer.flag == mbCancel && !goOn.isEmpty()))
                chosen = button;
        }
    chosen->setDefault(true);
    chosen->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    resize(720, 460);
}

int MessageListDialog::Run()
{
    const int result = exec();
    return result == QDialog::Rejected ? escapeResult_ : result;
}
