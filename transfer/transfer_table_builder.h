#pragma once
// Merges the selected pay lines into the transfer table: one entry per employee (per employee and
// department when ordered by department), department subtotal rows, and a total row. An entry takes
// a row of its own, or, in a table of several employees per row, the row's next free slot; ordered by
// department, each department starts on a new row.
#include "transfer/transfer_table.h"

#include <QStringList>
#include <functional>

namespace db { class MQuery; }

// What the builder reports while it walks the lines; the window shows it in its progress window.
class SelectionProgress {
public:
    virtual ~SelectionProgress() = default;
    // `lineCount` counts the selected lines: a second pass of the selection, asked for only when the
    // walk lasts long enough for its window to show.
    virtual void Start(std::function<int()> lineCount, const QString& text) = 0;
    // One employee further, the `taken`-th the walk takes in; returns false when the clerk has
    // cancelled. The employee's name is formed only when it is shown.
    virtual bool Step(int taken, const std::function<QString()>& employeeName) = 0;
    virtual void Finish() = 0;
};

struct TransferTableResult {
    int transferCount = 0;     // employee entries
    double transferTotal = 0;  // sum of all amounts
    int sourceLines = 0;       // selection rows read
    bool cancelled = false;
    // Pay lines whose amount is no number, taken as 0 in the table: no export may carry them.
    QStringList refusals;
};

class TransferTableBuilder {
public:
    // Called on every employee row after its amount has grown, before it is posted (check codes).
    // In a table of several employees per row it runs for the row whichever slot grew.
    using RowCompletion = std::function<void(db::LocalTable& row)>;

    TransferTableBuilder(const TransferTableLayout& layout, int sortMode);
    void setRowCompletion(RowCompletion completion) { completion_ = std::move(completion); }
    // Sees every selected line as it is taken into the table; `newRow` when it starts an employee row.
    using LineObserver = std::function<void(const db::MQuery& line, bool newRow)>;
    void setLineObserver(LineObserver observer) { observer_ = std::move(observer); }

    // `rows` is the opened read-back of #TF_FS1; `table` is emptied and refilled.
    TransferTableResult Fill(db::MQuery& rows, db::LocalTable& table, SelectionProgress& progress) const;
    // A selection cancelled before its rows came: `table` holds only the row saying it is incomplete.
    TransferTableResult FillCancelled(db::LocalTable& table) const;

private:
    void appendLabelRow(db::LocalTable& table, RowKind kind, const QString& label, double amount) const;
    const TransferTableLayout& layout_;
    int sortMode_;
    RowCompletion completion_;
    LineObserver observer_;
};
