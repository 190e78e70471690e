#include "banks/wagbk1/choice_dialog.h"

#include "transfer/dialog_buttons.h"

#include <QRadioButton>
#include <QVBoxLayout>

TWagbk1cForm::TWagbk1cForm(QWidget* owner)
    : MForm(owner)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setObjectName(QStringLiteral("TWagbk1cForm"));
    setWindowTitle(QStringLiteral("彰化銀行報表輸出"));
    auto* layout = new QVBoxLayout(this);
    const QStringList captions = {QStringLiteral("彰化銀行薪資清冊"), QStringLiteral("彰化銀行媒體遞送單"),
                                  QStringLiteral("郵局存款資料彙總表輸出")};
    for (int k = 1; k <= 3; ++k) {
        auto* radio = new QRadioButton(captions[k - 1], this);
        radio->setObjectName(QStringLiteral("Rad%1").arg(k));
        layout->addWidget(radio);
        radios_.push_back(radio);
    }
    radios_.front()->setChecked(true);
    layout->addLayout(MakeDialogButtons(*this, QStringLiteral("F8 確認"), QStringLiteral("Esc 取消"), [this] { Btn_F8Click(); },
                                        [this] { Btn_EscClick(); }));
}

void TWagbk1cForm::SetCaptions(const QString& caption, const QStringList& radioCaptions, int shown)
{
    setWindowTitle(caption);
    for (int k = 0; k < int(radios_.size()); ++k) {
        if (k < radioCaptions.size())
            radios_[k]->setText(radioCaptions[k]);
        radios_[k]->setHidden(k >= shown);
    }
}

int TWagbk1cForm::Choice() const
{
    for (int k = 0; k < int(radios_.size()); ++k) {
        if (radios_[k]->isChecked())
            return k + 1;
    }
    return 1;
}

void TWagbk1cForm::Btn_F8Click()
{
    setModalResult(mrOk);
}

void TWagbk1cForm::Btn_EscClick()
{
    setModalResult(mrCancel);
}

bool TWagbk1cForm::FormKeyDown(QKeyEvent* event)
{
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}

int AskChoice(TWagbk1cForm* dialog)
{
    ReleasedForm<TWagbk1cForm> owned(dialog);
    return owned->ShowModal() == mrOk ? owned->Choice() : 0;
}
