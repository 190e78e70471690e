#pragma once
// The two-list picker: the clerk moves items between the available list (SrcList) and the
// chosen list (DstList) and confirms with F8 or cancels with Esc.
#include "runtime/ui/mform.h"
#include <QStringList>

class QListWidget;
class QPushButton;

class TPRD_DSCForm : public MForm {
    Q_OBJECT
public:
    explicit TPRD_DSCForm(QWidget* owner = nullptr);

    QListWidget* SrcList;
    QListWidget* DstList;
    QPushButton* IncludeBtn;
    QPushButton* IncAllBtn;
    QPushButton* ExcludeBtn;
    QPushButton* ExcAllBtn;
    QPushButton* F8Btn;
    QPushButton* ESCBtn;

    // Loads both lists (replacing what they held).
    void SetItems(const QStringList& available, const QStringList& chosen);
    QStringList SourceItems() const;
    QStringList DestinationItems() const;

    void Include();      // the selected available item to the end of the chosen list
    void Exclude();      // the selected chosen item back to the end of the available list
    void IncludeAll();   // refused with a message when both lists hold more than 99 items together
    void ExcludeAll();
    // An item dragged from `from` dropped onto `to`; a drop onto the chosen list is refused with a
    // message when it already holds more than 29 items; a drop within one list is refused.
    void DropItem(QListWidget* from, QListWidget* to);

    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveSelected(QListWidget* from, QListWidget* to);
    void moveAll(QListWidget* from, QListWidget* to);
    void updateButtons();
};

// Shows the picker captioned with COMMON text 10100 + kind over the two lists. On OK the lists
// take the dialog's contents and the result is true; otherwise they are left untouched.
bool PickFromLists(QStringList& available, QStringList& chosen, int kind);
