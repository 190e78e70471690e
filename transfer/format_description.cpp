#include "transfer/format_description.h"

#include "runtime/report/textprint.h"
#include "transfer/dialog_buttons.h"
#include "transfer/pdf_notice.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <stdexcept>

FormatDescriptionForm::FormatDescriptionForm(QWidget* owner, const QString& resource)
    : MForm(owner)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setWindowTitle(LoadFormStr(10127));
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(LoadFormStr(15108).arg(resource).toStdString());

    MMemo1 = new QPlainTextEdit(this);
    MMemo1->setObjectName(QStringLiteral("MMemo1"));
    MMemo1->setReadOnly(true);
    MMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    MMemo1->setPlainText(QString::fromUtf8(file.readAll()));
    MMemo1->setFont(QFont(QStringLiteral("AR PL UMing TW")));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MMemo1, 1);
    layout->addLayout(MakeDialogButtons(*this, LoadFormStr(10067), LoadFormStr(10068), [this] { Btn_F8Click(); },
                                        [this] { Btn_EscClick(); }));
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
    TellPdfWritten(report::PrintTextLines(Lines(), target).pdfPath);
}

void FormatDescriptionForm::Btn_EscClick()
{
    setModalResult(mrCancel);
}

bool FormatDescriptionForm::FormKeyDown(QKeyEvent* event)
{
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}
