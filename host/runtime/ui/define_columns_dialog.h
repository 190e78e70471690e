#pragma once
// The toolbar's F5 dialog (object name "F5Define"): title, display width and visibility of each
// field of the table, in the grid GRID_FIELDS. Apply() hands them to the table's fields.
#include "runtime/db/localtable.h"
#include "runtime/ui/dialog_form.h"

class QTableWidget;

class DefineColumnsDialog : public DialogForm {
    Q_OBJECT
public:
    DefineColumnsDialog(QWidget* owner, db::LocalTable& table);

    void Apply();

private:
    db::LocalTable& table_;
    QTableWidget* grid_;
};
