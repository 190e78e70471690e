#include "runtime/ui/mbbdbgrid.h"

#include "runtime/ui/local_table_model.h"

#include <QHeaderView>
#include <QScrollBar>

MBBDBGrid::MBBDBGrid(QWidget* parent) : QTableView(parent), model_(new LocalTableModel(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Tab and Shift+Tab go on to the window's next field, as in every other control; the arrow keys
    // move within the grid.
    setTabKeyNavigation(false);
    // Uniform row heights keep a grid of 100,000 rows as quick as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(model_, &LocalTableModel::reloaded, this, &MBBDBGrid::applyColumnWidths);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { moveTableTo(index.row()); });
}

void MBBDBGrid::SetTable(db::LocalTable* table)
{
    table_ = table;
    model_->bind(table ? table->data() : nullptr);
}

void MBBDBGrid::CenterTitles()
{
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void MBBDBGrid::Refresh()
{
    model_->bind(table_ ? table_->data() : nullptr);
}

void MBBDBGrid::ShowCurrentRecord()
{
    if (!table_ || table_->isEmpty()) {
        clearSelection();
        return;
    }
    model_->reload();
    const QModelIndex index = model_->index(table_->recNo(), qMax(0, currentIndex().column()));
    setCurrentIndex(index);
    scrollTo(index);
}

QSize MBBDBGrid::sizeHint() const
{
    QSize hint = QTableView::sizeHint();
    const int titles = qMax(horizontalHeader()->sizeHint().height(), verticalHeader()->defaultSectionSize());
    const int scrollBar = horizontalScrollBar()->sizeHint().height();
    hint.setHeight(2 * frameWidth() + titles + PreferredRows * verticalHeader()->defaultSectionSize() + scrollBar);
    return hint;
}

int MBBDBGrid::VisibleRows() const
{
    return viewport()->height() / qMax(1, verticalHeader()->defaultSectionSize());
}

// Each column as wide as its display width in characters (accounts and amounts are digits), and
// never narrower than its heading in the clerk's language.
void MBBDBGrid::applyColumnWidths()
{
    // A character as wide as a digit or the font's average, whichever is wider, and a little room
    // for the letters of an identity number.
    const int charWidth = qMax(fontMetrics().horizontalAdvance(u'0'), fontMetrics().averageCharWidth()) + 1;
    const QFontMetrics titles = horizontalHeader()->fontMetrics();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const db::FieldDef* field = model_->fieldAt(column);
        if (!field || field->displayWidth <= 0)
            continue;
        const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        setColumnWidth(column, qMax(field->displayWidth * charWidth + 12, titles.horizontalAdvance(title) + 16));
    }
}

// Keeps the table's current row with the row the clerk clicked, so the toolbar's
// prior and next go on from there.
void MBBDBGrid::moveTableTo(int row)
{
    if (!table_ || !table_->active())
        return;
    table_->moveTo(row);
}
