#pragma once
// The dialog of the lookup window (object name "QueryWindow"): a search edit ED_SEARCH over the
// grid GRID_LOOKUP of codes and their details. Enter, a double click or F8 takes the selected rows.
#include "runtime/ui/dialog_form.h"

#include <QStringList>

class QLineEdit;
class QTableWidget;

struct LookupRow {
    QString code;
    QString detail;
};

class LookupDialog : public DialogForm {
    Q_OBJECT
public:
    LookupDialog(QWidget* owner, const QStringList& headers, bool multiSelect);

    void SetRows(const QList<LookupRow>& rows);
    void SelectCode(const QString& code);
    // The codes of the selected rows that the search leaves visible, top to bottom.
    QStringList SelectedCodes() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySearch(const QString& text);

    QLineEdit* search_;
    QTableWidget* grid_;
};
