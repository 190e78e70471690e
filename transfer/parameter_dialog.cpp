#include "transfer/parameter_dialog.h"

#include "runtime/language.h"
#include "runtime/ui/guarded.h"
#include "transfer/dialog_buttons.h"
#include "runtime/ui/messages.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ParameterSettings NoParameters(const QString& rowKey, int nameTextId, const QString& defaultFileName)
{
    ParameterSettings settings{rowKey, nameTextId, defaultFileName};
    settings.noticeTextId = 12107;
    return settings;
}

BankParameterDialog::BankParameterDialog(QWidget* owner, const ParameterSettings& settings)
    : MForm(owner)
    , settings_(settings)
    , row_(settings.rowKey)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    MFormProperty1.FormCaptionID = settings.nameTextId;
    const QString caption = settings.caption.isEmpty() ? settings.fixedName : settings.caption;
    if (!caption.isEmpty())
        setWindowTitle(caption);
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
        form->addRow(parameter.label, edit);
        edits_.push_back(edit);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (settings_.noticeTextId != 0) {
        auto* notice = new QLabel(LoadFormStr(settings_.noticeTextId), this);
        notice->setObjectName(QStringLiteral("MLabel1"));
        layout->addWidget(notice);
    }
    // A bank without parameters has Esc alone; its F8 key still saves the row.
    const QString f8Caption = settings_.noticeTextId != 0 ? QString() : QStringLiteral("F8 確認");
    layout->addLayout(MakeDialogButtons(*this, f8Caption, QStringLiteral("Esc 取消"), [this] { Btn_F8Click(); },
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
    if (const auto row = row_.Read()) {
        for (size_t i = 0; i < edits_.size(); ++i)
            edits_[i]->setText(row->value(settings_.edits[i].column));
    }
    loading_ = false;
}

std::vector<std::pair<QString, QString>> BankParameterDialog::SavedColumns() const
{
    std::vector<std::pair<QString, QString>> columns;
    for (size_t i = 0; i < edits_.size(); ++i)
        columns.emplace_back(settings_.edits[i].column, edits_[i]->text());
    return columns;
}

void BankParameterDialog::SaveParameters()
{
    const QString name = settings_.fixedName.isEmpty() ? LoadFormStr(settings_.nameTextId) : settings_.fixedName;
    row_.Save(name, SavedColumns(), settings_.defaultFileName);
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
