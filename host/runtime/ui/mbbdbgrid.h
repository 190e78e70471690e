#pragma once
// Read-only grid over a local table: the fields' labels, display widths and formats, hidden
// fields left out. Fast with large tables: rows are read straight from the table when painted.
#include "runtime/db/localtable.h"
#include <QTableView>

class LocalTableModel;

class MBBDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit MBBDBGrid(QWidget* parent = nullptr);

    // Shows `table` (not owned; it must outlive the binding). Null unbinds.
    void SetTable(db::LocalTable* table);
    db::LocalTable* Table() const { return table_; }

    void CenterTitles();
    // Re-reads rows and fields now (changes otherwise show within a tenth of a second).
    void Refresh();
    // Selects the table's current row.
    void ShowCurrentRecord();

    int VisibleRows() const;   // whole rows that the grid shows now
    QSize sizeHint() const override;

private:
    void applyColumnWidths();
    void moveTableTo(int row);
    LocalTableModel* model_;
    db::LocalTable* table_ = nullptr;
    static constexpr int PreferredRows = 15;   // the rows the grid asks room for below its titles
};
