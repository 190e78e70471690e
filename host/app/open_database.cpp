#include "open_database.h"

#include "runtime/host_texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

QString AskForDatabase(QWidget* parent, const QString& current)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDatabase"));
    dialog.setWindowTitle(HostText(700));
    auto* edit = new QLineEdit(current, &dialog);
    edit->setObjectName(QStringLiteral("Database"));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60);
    auto* browse = new QToolButton(&dialog);
    browse->setText(QStringLiteral("..."));
    QObject::connect(browse, &QToolButton::clicked, &dialog, [&dialog, edit] {
        const QString folder = QFileInfo(edit->text()).absolutePath();
        const QString file = QFileDialog::getOpenFileName(&dialog, HostText(700), folder, HostText(702));
        if (!file.isEmpty())
            edit->setText(file);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(HostText(701), &dialog);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return edit->text().trimmed();
}
