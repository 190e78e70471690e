#include "runtime/ui/lookup_dialog.h"

#include "runtime/ui/guarded.h"
#include "runtime/ui/ui_texts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

LookupDialog::LookupDialog(QWidget* owner, const QStringList& headers, bool multiSelect)
    : DialogForm(owner), search_(new QLineEdit(this)), grid_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("QueryWindow"));
    search_->setObjectName(QStringLiteral("ED_SEARCH"));
    grid_->setObjectName(QStringLiteral("GRID_LOOKUP"));
    grid_->setColumnCount(2);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(UiText::LookupSearch(), this));
    searchRow->addWidget(search_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(grid_);
    addConfirmButtons(layout);
    resize(420, 480);

    connect(search_, &QLineEdit::textChanged, this, &LookupDialog::applySearch);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { RunGuarded([this] { Confirm(); }); });
    search_->installEventFilter(this);
    grid_->installEventFilter(this);
}

void LookupDialog::SetRows(const QList<LookupRow>& rows)
{
    grid_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        grid_->setItem(row, 0, new QTableWidgetItem(rows[row].code));
        grid_->setItem(row, 1, new QTableWidgetItem(rows[row].detail));
    }
}

void LookupDialog::SelectCode(const QString& code)
{
    if (code.trimmed().isEmpty())
        return;
    for (int row = 0; row < grid_->rowCount(); ++row)
        if (grid_->item(row, 0)->text().startsWith(code.trimmed(), Qt::CaseInsensitive)) {
            grid_->selectRow(row);
            grid_->scrollToItem(grid_->item(row, 0));
            return;
        }
}

QStringList LookupDialog::SelectedCodes() const
{
    QStringList codes;
    for (int row = 0; row < grid_->rowCount(); ++row)
        if (!grid_->isRowHidden(row) && grid_->item(row, 0)->isSelected())
            codes << grid_->item(row, 0)->text();
    return codes;
}

// A row stays when its code begins with the search text or its detail contains it.
void LookupDialog::applySearch(const QString& text)
{
    const QString wanted = text.trimmed();
    int firstShown = -1;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const bool shown = grid_->item(row, 0)->text().startsWith(wanted, Qt::CaseInsensitive)
            || grid_->item(row, 1)->text().contains(wanted, Qt::CaseInsensitive);
        grid_->setRowHidden(row, !shown);
        if (shown && firstShown < 0)
            firstShown = row;
    }
    grid_->clearSelection();
    if (firstShown >= 0)
        grid_->selectRow(firstShown);
}

bool LookupDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RunGuarded([this] { Confirm(); });
            return true;
        }
        if (watched == search_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            grid_->setFocus();
            return false;
        }
    }
    return DialogForm::eventFilter(watched, event);
}
