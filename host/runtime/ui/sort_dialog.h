#pragma once
// The toolbar's F6 sort dialog (object name "F6Sort"): up to three fields of the table, chosen in
// the combo boxes COM_SORT1 ... COM_SORT3.
#include "runtime/db/localtable.h"
#include "runtime/ui/dialog_form.h"

#include <QStringList>
#include <vector>

class QComboBox;

class SortDialog : public DialogForm {
    Q_OBJECT
public:
    SortDialog(QWidget* owner, const std::vector<db::FieldDef>& fields);

    // The chosen fields in order, each once.
    QStringList ChosenFields() const;

private:
    std::vector<QComboBox*> levels_;
};
