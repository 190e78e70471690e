#include "runtime/ui/f2_panel.h"

#include "runtime/ui/function_buttons.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/ui_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

F2Panel::F2Panel(QWidget* owner, TFunctionButtons& toolbar) : DialogForm(owner), toolbar_(toolbar)
{
    setObjectName(QStringLiteral("F2Panel"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;
    for (const QString& text : toolbar.F2LabelToolFunctionID) {
        const ConditionLine line = ConditionLine::Parse(text);
        QWidget* control = createControl(line);
        if (line.kind != ConditionLine::Kind::CheckBox)
            grid->addWidget(new QLabel(line.label, this), row, 0);
        grid->addWidget(control, row, 1);
        if (!line.pickerButton.isEmpty())
            grid->addWidget(createPickerButton(line.pickerButton), row, 2);
        conditions_.push_back({line.controlName, control});
        ++row;
    }
    grid->setColumnStretch(1, 1);
    addConfirmButtons(layout);
}

QWidget* F2Panel::createControl(const ConditionLine& line)
{
    QWidget* control = nullptr;
    switch (line.kind) {
    case ConditionLine::Kind::Edit: control = new QLineEdit(this); break;
    case ConditionLine::Kind::ComboBox: control = new QComboBox(this); break;
    case ConditionLine::Kind::CheckBox: control = new QCheckBox(line.label, this); break;
    }
    control->setObjectName(line.controlName);
    return control;
}

// The "..." beside an edit does what the window's (hidden) button of that name does.
QWidget* F2Panel::createPickerButton(const QString& windowButtonName)
{
    auto* button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(windowButtonName);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 12);
    connect(button, &QPushButton::clicked, this, [this, windowButtonName] {
        RunGuarded([this, windowButtonName] {
            QWidget* window = parentWidget();
            const auto candidates = window ? window->findChildren<QAbstractButton*>(windowButtonName)
                                           : QList<QAbstractButton*>();
            for (QAbstractButton* candidate : candidates)
                if (!isAncestorOf(candidate)) {
                    candidate->click();
                    return;
                }
            throw std::runtime_error(UiText::MissingPickerButton(windowButtonName).toStdString());
        });
    });
    return button;
}

void F2Panel::FormShow()
{
    for (const Condition& condition : conditions_)
        if (toolbar_.F2UserInitValue)
            toolbar_.F2UserInitValue(condition.control, condition.name);
    if (!watching_) {
        watching_ = true;
        for (const Condition& condition : conditions_)
            watchChanges(condition);
    }
}

void F2Panel::watchChanges(const Condition& condition)
{
    auto check = [this, condition] {
        RunGuarded([this, condition] {
            if (toolbar_.F2UserCheck)
                toolbar_.F2UserCheck(condition.control, condition.name);
        });
    };
    if (auto* edit = qobject_cast<QLineEdit*>(condition.control))
        connect(edit, &QLineEdit::textChanged, this, check);
    else if (auto* combo = qobject_cast<QComboBox*>(condition.control))
        connect(combo, &QComboBox::currentIndexChanged, this, check);
    else if (auto* box = qobject_cast<QCheckBox*>(condition.control))
        connect(box, &QCheckBox::toggled, this, check);
}

void F2Panel::Confirm()
{
    for (const Condition& condition : conditions_)
        if (toolbar_.F2ReturnUser)
            toolbar_.F2ReturnUser(condition.control, condition.name);
    QString text = toolbar_.UserDataText;
    if (toolbar_.SaveUserData)
        toolbar_.SaveUserData(text);
    toolbar_.UserDataText = text;
    setModalResult(mrOk);
}
