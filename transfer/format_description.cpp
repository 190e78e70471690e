#include "transfer/format_description.h"

#include "runtime/report/textprint.h"
#include "runtime/ui/guarded.h"
#include "transfer/dialog_keys.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

FormatDescriptionForm::FormatDescriptionForm(QWidget* owner, const QString& resource)
    : MForm(owner)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setWindowTitle(QStringLiteral("媒体资料格式说明"));
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("The format description %1 is missing.").arg(resource).toStdString());

    MMemo1 = new QPlainTextEdit(this);
    MMemo1->setObjectName(QStringLiteral("MMemo1"));
    MMemo1->setReadOnly(true);
    MMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    MMemo1->setPlainText(QString::fromUtf8(file.readAll()));
    MMemo1->setFont(QFont(QStringLiteral("AR PL UMing TW")));
    Btn_F8 = new QPushButton(QStringLiteral("F8 打印"), this);
    Btn_F8->setObjectName(QStringLiteral("Btn_F8"));
    Btn_Esc = new QPushButton(QStringLiteral("Esc 关闭"), this);
    Btn_Esc->setObjectName(QStringLiteral("Btn_Esc"));
    connect(Btn_F8, &QPushButton::clicked, this, [this] { RunGuarded([this] { Btn_F8Click(); }); });
    connect(Btn_Esc, &QPushButton::clicked, this, [this] { RunGuarded([this] { Btn_EscClick(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_F8);
    buttons->addWidget(Btn_Esc);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MMemo1, 1);
    layout->addLayout(buttons);
    resize(720, 560);
}

QStringList FormatDescriptionForm::Lines() const
{
    return MMemo1->toPlainText().split(u'\n');
}

void FormatDescriptionForm::Btn_F8Click()
{
    report::TextPrintTarget target;
    target.documentTitle = windowTitle();
    report::PrintTextLines(Lines(), target);
}

void FormatDescriptionForm::Btn_EscClick()
{
    setModalResult(mrCancel);
}

bool FormatDescriptionForm::FormKeyDown(QKeyEvent* event)
{
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}
