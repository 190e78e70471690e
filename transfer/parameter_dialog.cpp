#include "transfer/parameter_dialog.h"

#include "runtime/language.h"
#include "runtime/ui/guarded.h"
#include "transfer/dialog_buttons.h"
#include "runtime/ui/messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

BankParameterDialog::BankParameterDialog(QWidget* owner, const ParameterSettings& settings)
    : MForm(owner)
    , settings_(settings)
    , row_(settings.rowKey)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    MFormProperty1.FormCaptionID = settings.nameTextId;
    setObjectName(QStringLiteral("BankParameterDialog%1").arg(settings.rowKey));

    auto* form = new QFormLayout;
    for (const ParameterEdit& parameter : settings_.edits) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(parameter.objectName);
        if (parameter.maxLength > 0)
            edit->setMaxLength(parameter.maxLength);
        if (!parameter.inputMask.isEmpty())
            edit->setInputMask(parameter.inputMask);
        connect(edit, &QLineEdit::textChanged, this, [this] { IDChange(); });
        if (parameter.exitCheck)
            connect(edit, &QLineEdit::editingFinished, this, [edit, check = parameter.exitCheck] {
                RunGuarded([&] { check(edit->text()); });
            });
        if (parameter.exitCorrection)
            connect(edit, &QLineEdit::editingFinished, this, [this, edit, correct = parameter.exitCorrection] {
                if (modified_)
                    edit->setText(correct(edit->text()));
            });
        if (parameter.hint.isEmpty()) {
            form->addRow(parameter.label, edit);
        } else {
            auto* hint = new QLabel(parameter.hint, this);
            hint->setObjectName(parameter.objectName + QStringLiteral("Caption"));
            hint->setStyleSheet(QStringLiteral("color: red"));
            auto* line = new QHBoxLayout;
            line->addWidget(edit);
            line->addWidget(hint);
            form->addRow(parameter.label, line);
        }
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
    const auto row = row_.Read();
    for (size_t i = 0; i < edits_.size(); ++i)
        edits_[i]->setText(row ? row->value(settings_.edits[i].column) : settings_.edits[i].missingRowText);
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
