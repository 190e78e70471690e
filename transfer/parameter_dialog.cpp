#include "transfer/parameter_dialog.h"

#include "runtime/language.h"
#include "runtime/ui/guarded.h"
#include "transfer/dialog_buttons.h"
#include "runtime/ui/messages.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

std::function<QString(const QString& text)> FirstCharacterAmong(const QString& codes, const QString& fallback)
{
    return [codes, fallback](const QString& text) {
        return !text.isEmpty() && codes.contains(text.front()) ? text : fallback;
    };
}

BankParameterDialog::BankParameterDialog(QWidget* owner, const ParameterSettings& settings)
    : MForm(owner)
    , settings_(settings)
    , row_(settings.rowKey)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    MFormProperty1.FormCaptionID = settings.captionTextId != 0 ? settings.captionTextId : settings.nameTextId;
    setObjectName(QStringLiteral("BankParameterDialog%1").arg(settings.rowKey));

    auto* form = new QFormLayout;
    for (const ParameterEdit& parameter : settings_.edits) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(parameter.objectName);
        if (parameter.maxLength > 0)
            edit->setMaxLength(parameter.maxLength);
        if (!parameter.inputMask.isEmpty())
            edit->setInputMask(parameter.inputMask);
        edit->setToolTip(parameter.hint);
        connect(edit, &QLineEdit::textChanged, this, [this] { IDChange(); });
        if (parameter.exitCheck)
            connect(edit, &QLineEdit::editingFinished, this, [edit, check = parameter.exitCheck] {
                RunGuarded([&] { check(edit->text()); });
            });
        if (parameter.correctOnExit)
            connect(edit, &QLineEdit::editingFinished, this, [this, edit, correct = parameter.correctOnExit] {
                if (modified_)
                    edit->setText(correct(edit->text()));
            });
        auto* label = new QLabel(parameter.label, this);
        label->setObjectName(parameter.labelName);
        form->addRow(label, edit);
        edits_.push_back(edit);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(MakeDialogButtons(*this, QStringLiteral("F8 確認"), QStringLiteral("Esc 取消"), [this] { Btn_F8Click(); },
                                        [this] { Btn_EscClick(); }));
}

void BankParameterDialog::FormCreate()
{
    modified_ = false;
}

void BankParameterDialog::FormShow()
{
    LoadParameters();
    modified_ = false;
}

void BankParameterDialog::IDChange()
{
    if (!loading_)
        modified_ = true;
}

void BankParameterDialog::LoadParameters()
{
    loading_ = true;
    for (size_t i = 0; i < edits_.size(); ++i) {
        if (!settings_.edits[i].initialText.isEmpty())
            edits_[i]->setText(settings_.edits[i].initialText);
    }
    if (const auto row = row_.Read()) {
        for (size_t i = 0; i < edits_.size(); ++i)
            edits_[i]->setText(row->value(settings_.edits[i].column));
    }
    loading_ = false;
}

void BankParameterDialog::SaveParameters()
{
    std::vector<std::pair<QString, QString>> parameters;
    for (size_t i = 0; i < edits_.size(); ++i)
        parameters.emplace_back(settings_.edits[i].column, edits_[i]->text());
    row_.Save(LoadFormStr(settings_.nameTextId), parameters, settings_.defaultFileName);
    modified_ = false;
}

void BankParameterDialog::Btn_F8Click()
{
    SaveParameters();
    setModalResult(mrOk);
}

void BankParameterDialog::Btn_EscClick()
{
    if (modified_) {
        const int answer = MessageById(QStringLiteral("WAGBK"), 10080, MsgType::Information, mbYes | mbNo | mbCancel);
        if (answer == mrCancel)
            return;
        if (answer == mrYes)
            SaveParameters();
    }
    setModalResult(mrCancel);
}

bool BankParameterDialog::FormKeyDown(QKeyEvent* event)
{
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}
