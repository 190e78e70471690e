#include "dialog_answers.h"

#include "runtime/ui/mform.h"

#include <QAbstractItemModel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

int positive(Arguments& arguments, const QString& option)
{
    const std::optional<QString> text = arguments.take(option);
    if (!text)
        return 1;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < 1)
        throw UsageError(QStringLiteral("%1 takes a choice number from 1, not '%2'").arg(option, *text).toStdString());
    return value;
}

// The rows of the dialog's grid, cells separated by blanks.
QStringList gridLines(const MForm& dialog)
{
    QStringList lines;
    const auto* grid = dialog.findChild<QTableView*>();
    const QAbstractItemModel* model = grid ? grid->model() : nullptr;
    for (int row = 0; model && row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        lines << cells.join(u' ');
    }
    return lines;
}

} // namespace

DialogAnswers DialogAnswers::TakeChoice(Arguments& arguments)
{
    DialogAnswers answers;
    answers.choice = positive(arguments, QStringLiteral("--choice"));
    return answers;
}

DialogAnswers DialogAnswers::Take(Arguments& arguments)
{
    DialogAnswers answers = TakeChoice(arguments);
    answers.form = positive(arguments, QStringLiteral("--form"));
    answers.continuePastLists = arguments.takeFlag(QStringLiteral("--continue"));
    return answers;
}

std::optional<int> DialogAnswerer::Answer(MForm& dialog)
{
    if (dialog.findChild<QRadioButton*>(QStringLiteral("Rad1"))) {
        auto* radio = dialog.findChild<QRadioButton*>(QStringLiteral("Rad%1").arg(radio_));
        if (!radio || radio->isHidden())
            throw std::runtime_error(QStringLiteral("\"%1\" has no choice %2").arg(dialog.windowTitle()).arg(radio_).toStdString());
        radio->click();
        dialog.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
        return int(mrCancel);
    }
    if (auto* f6 = dialog.findChild<QPushButton*>(QStringLiteral("Btn_F6"))) {
        if (answers_.continuePastLists && f6->isEnabled()) {
            f6->click();
        } else {
            for (const QString& line : gridLines(dialog))
                heldBack_ << dialog.windowTitle() + QStringLiteral(": ") + line;
            dialog.component<QPushButton>(QStringLiteral("Btn_Esc"))->click();
        }
        return int(mrCancel);
    }
    return std::nullopt;
}
