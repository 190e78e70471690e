#include "transfer/parameter_dialog.h"

#include "runtime/language.h"
#include "runtime/value_checks.h"
#include "runtime/ui/guarded.h"
#include "transfer/dialog_buttons.h"
#include "runtime/ui/messages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <stdexcept>

ParameterSettings NoParameters(const QString& rowKey, int nameTextId, const QString& defaultFileName)
{
    ParameterSettings settings{rowKey, nameTextId, defaultFileName};
    settings.noticeTextId = 12107;
    return settings;
}

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
    MFormProperty1.FormCaptionID = settings.nameTextId;
    const QString caption = settings.caption.isEmpty() ? settings.fixedName : settings.caption;
    if (!caption.isEmpty())
        setWindowTitle(caption);
    setObjectName(QStringLiteral("BankParameterDialog%1").arg(settings.rowKey));

    auto* form = new QFormLayout;
    for (const ParameterEdit& parameter : settings_.edits) {
        QWidget* control = nullptr;
        if (parameter.choices.empty()) {
            auto* edit = new QLineEdit(this);
            if (parameter.maxLength > 0)
                edit->setMaxLength(parameter.maxLength);
            if (!parameter.inputMask.isEmpty())
                edit->setInputMask(parameter.inputMask);
            edit->setToolTip(parameter.hint);
            connect(edit, &QLineEdit::textChanged, this, [this, edit](const QString& text) {
                // The edit's length counts UTF-16 units: a character cut in half at its end goes whole.
                if (!text.isEmpty() && text.back().isHighSurrogate())
                    edit->setText(text.chopped(1));
                IDChange();
            });
            if (parameter.exitCheck)
                connect(edit, &QLineEdit::editingFinished, this, [edit, check = parameter.exitCheck] {
                    RunGuarded([&] { check(edit->text()); });
                });
            if (parameter.exitCorrection)
                connect(edit, &QLineEdit::editingFinished, this, [this, edit, correct = parameter.exitCorrection] {
                    if (modified_)
                        edit->setText(correct(edit->text()));
                });
            control = edit;
            edits_.push_back(edit);
            lists_.push_back(nullptr);
        } else {
            auto* list = new QComboBox(this);
            for (const ParameterChoice& choice : parameter.choices)
                list->addItem(choice.caption, choice.value);
            connect(list, &QComboBox::currentIndexChanged, this, [this] { IDChange(); });
            control = list;
            edits_.push_back(nullptr);
            lists_.push_back(list);
        }
        control->setObjectName(parameter.objectName);
        // The BANK1 column the control keeps, for the hosts that set parameters by column.
        control->setProperty("BankColumn", parameter.column);
        auto* label = new QLabel(parameter.label, this);
        label->setObjectName(parameter.labelName);
        if (parameter.sideCaption.isEmpty()) {
            form->addRow(label, control);
        } else {
            auto* caption = new QLabel(parameter.sideCaption, this);
            caption->setObjectName(parameter.objectName + QStringLiteral("Caption"));
            caption->setStyleSheet(QStringLiteral("color: red"));
            auto* line = new QHBoxLayout;
            line->addWidget(control);
            line->addWidget(caption);
            form->addRow(label, line);
        }
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

QString BankParameterDialog::textOf(size_t parameter) const
{
    return edits_[parameter] ? edits_[parameter]->text() : lists_[parameter]->currentData().toString();
}

void BankParameterDialog::setTextOf(size_t parameter, const QString& text)
{
    if (edits_[parameter]) {
        edits_[parameter]->setText(text);
        return;
    }
    const int index = lists_[parameter]->findData(text);
    lists_[parameter]->setCurrentIndex(index >= 0 ? index : lists_[parameter]->count() - 1);
}

// Without a row the edits stay as they are and the lists show their last item.
void BankParameterDialog::LoadParameters()
{
    loading_ = true;
    const auto row = row_.Read();
    for (size_t i = 0; i < edits_.size(); ++i) {
        const QString& missing = settings_.edits[i].missingRowText;
        if (row || lists_[i] || !missing.isEmpty())
            setTextOf(i, row ? row->value(settings_.edits[i].column) : missing);
    }
    loading_ = false;
}

std::vector<std::pair<QString, QString>> BankParameterDialog::SavedColumns() const
{
    std::vector<std::pair<QString, QString>> columns;
    for (size_t i = 0; i < edits_.size(); ++i)
        columns.emplace_back(settings_.edits[i].column, textOf(i));
    return columns;
}

void BankParameterDialog::SaveParameters()
{
    // What the bank file cannot carry is refused here, naming the parameter, before it is kept.
    for (size_t i = 0; i < edits_.size(); ++i) {
        if (const std::optional<values::Fault> fault = values::TextFault(textOf(i)))
            throw std::runtime_error(LoadFormStr(15923)
                                         .arg(settings_.edits[i].label.simplified(), settings_.edits[i].column, values::Shown(textOf(i)),
                                              values::FaultText(*fault))
                                         .toStdString());
    }
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
