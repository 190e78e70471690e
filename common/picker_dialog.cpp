#include "common/picker_dialog.h"

#include "runtime/language.h"
#include "runtime/ui/guarded.h"
#include "runtime/ui/messages.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TextGroup = QStringLiteral("COMMON");
constexpr int IncludeAllLimit = 99;   // items in both lists together
constexpr int DropLimit = 29;         // items already chosen

// A list that takes items dragged from the other list and hands the drop to the dialog.
class PickerList : public QListWidget {
public:
    PickerList(TPRD_DSCForm* form, const QString& name) : QListWidget(form), form_(form)
    {
        setObjectName(name);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setDragEnabled(true);
        setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDefaultDropAction(Qt::CopyAction);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { acceptFromOtherList(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { acceptFromOtherList(event); }
    void dropEvent(QDropEvent* event) override
    {
        auto* from = qobject_cast<QListWidget*>(event->source());
        if (!from || from == this) {
            event->ignore();
            return;
        }
        // The dialog moves the item itself; the copy action keeps the drag from removing it again.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        RunGuarded([this, from] { form_->DropItem(from, this); });
    }

private:
    void acceptFromOtherList(QDropEvent* event)
    {
        auto* from = qobject_cast<QListWidget*>(event->source());
        if (from && from != this) {
            event->setDropAction(Qt::CopyAction);
            event->accept();
        } else {
            event->ignore();
        }
    }

    TPRD_DSCForm* form_;
};

QPushButton* MoveButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QStringList ItemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

TPRD_DSCForm::TPRD_DSCForm(QWidget* owner)
    : MForm(owner),
      SrcList(new PickerList(this, QStringLiteral("SrcList"))),
      DstList(new PickerList(this, QStringLiteral("DstList"))),
      IncludeBtn(MoveButton(this, QStringLiteral("IncludeBtn"), QStringLiteral(">"))),
      IncAllBtn(MoveButton(this, QStringLiteral("IncAllBtn"), QStringLiteral(">>"))),
      ExcludeBtn(MoveButton(this, QStringLiteral("ExcludeBtn"), QStringLiteral("<"))),
      ExcAllBtn(MoveButton(this, QStringLiteral("ExcAllBtn"), QStringLiteral("<<"))),
      F8Btn(MoveButton(this, QStringLiteral("F8Btn"), QString())),
      ESCBtn(MoveButton(this, QStringLiteral("ESCBtn"), QString()))
{
    setObjectName(QStringLiteral("PRD_DSCForm"));
    MFormProperty1.FormRcID = TextGroup;
    MFormProperty1.FormCaptionID = 10100;

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* button : {IncludeBtn, IncAllBtn, ExcludeBtn, ExcAllBtn})
        moves->addWidget(button);
    moves->addStretch();
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(F8Btn);
    closing->addWidget(ESCBtn);
    auto* layout = new QGridLayout(this);
    layout->addWidget(SrcList, 0, 0);
    layout->addLayout(moves, 0, 1);
    layout->addWidget(DstList, 0, 2);
    layout->addLayout(closing, 1, 0, 1, 3);
    setTabOrder(SrcList, IncludeBtn);
    setTabOrder(IncludeBtn, IncAllBtn);
    setTabOrder(IncAllBtn, ExcludeBtn);
    setTabOrder(ExcludeBtn, ExcAllBtn);
    setTabOrder(ExcAllBtn, DstList);
    setTabOrder(DstList, F8Btn);
    setTabOrder(F8Btn, ESCBtn);
    resize(560, 360);

    connect(IncludeBtn, &QPushButton::clicked, this, [this] { Include(); });
    connect(IncAllBtn, &QPushButton::clicked, this, [this] { RunGuarded([this] { IncludeAll(); }); });
    connect(ExcludeBtn, &QPushButton::clicked, this, [this] { Exclude(); });
    connect(ExcAllBtn, &QPushButton::clicked, this, [this] { ExcludeAll(); });
    connect(F8Btn, &QPushButton::clicked, this, [this] { setModalResult(mrOk); });
    connect(ESCBtn, &QPushButton::clicked, this, [this] { setModalResult(mrCancel); });
    connect(SrcList, &QListWidget::itemDoubleClicked, this, [this] { Include(); });
    connect(DstList, &QListWidget::itemDoubleClicked, this, [this] { Exclude(); });
    SrcList->installEventFilter(this);
    DstList->installEventFilter(this);
    updateButtons();
}

void TPRD_DSCForm::SetItems(const QStringList& available, const QStringList& chosen)
{
    SrcList->clear();
    DstList->clear();
    SrcList->addItems(available);
    DstList->addItems(chosen);
    updateButtons();
}

QStringList TPRD_DSCForm::SourceItems() const
{
    return ItemTexts(SrcList);
}

QStringList TPRD_DSCForm::DestinationItems() const
{
    return ItemTexts(DstList);
}

void TPRD_DSCForm::Include()
{
    moveSelected(SrcList, DstList);
}

void TPRD_DSCForm::Exclude()
{
    moveSelected(DstList, SrcList);
}

void TPRD_DSCForm::IncludeAll()
{
    if (SrcList->count() + DstList->count() > IncludeAllLimit) {
        MessageById(TextGroup, 19001, MsgType::Information, mbOK);
        return;
    }
    moveAll(SrcList, DstList);
}

void TPRD_DSCForm::ExcludeAll()
{
    moveAll(DstList, SrcList);
}

void TPRD_DSCForm::DropItem(QListWidget* from, QListWidget* to)
{
    if (from == to || (from != SrcList && from != DstList) || (to != SrcList && to != DstList))
        return;
    if (to == DstList && DstList->count() > DropLimit) {
        MessageById(TextGroup, 10100, MsgType::Information, mbOK);
        return;
    }
    moveSelected(from, to);
}

// The selected item goes, with its data, to the end of `to`; `from` then selects the item now at
// the old position, or its last item when the position is past the end.
void TPRD_DSCForm::moveSelected(QListWidget* from, QListWidget* to)
{
    const int row = from->currentRow();
    if (row < 0 || !from->item(row)->isSelected())
        return;
    to->addItem(from->takeItem(row));
    if (from->count() > 0)
        from->setCurrentRow(qMin(row, from->count() - 1));
    updateButtons();
}

void TPRD_DSCForm::moveAll(QListWidget* from, QListWidget* to)
{
    while (from->count() > 0)
        to->addItem(from->takeItem(0));
    updateButtons();
}

void TPRD_DSCForm::updateButtons()
{
    IncludeBtn->setEnabled(SrcList->count() > 0);
    IncAllBtn->setEnabled(SrcList->count() > 0);
    ExcludeBtn->setEnabled(DstList->count() > 0);
    ExcAllBtn->setEnabled(DstList->count() > 0);
}

void TPRD_DSCForm::FormShow()
{
    F8Btn->setText(LoadFormResourceStr(TextGroup, 10002));
    ESCBtn->setText(LoadFormResourceStr(TextGroup, 10003));
    if (SrcList->count() > 0 && SrcList->currentRow() < 0)
        SrcList->setCurrentRow(0);
    updateButtons();
    SrcList->setFocus();
}

bool TPRD_DSCForm::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        setModalResult(mrOk);
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        setModalResult(mrCancel);
        return true;
    }
    return false;
}

// In the lists: Enter moves the selected item across, left and right leave the list
// (the available list forward in tab order, the chosen list backward).
bool TPRD_DSCForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != SrcList && watched != DstList))
        return MForm::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool fromSource = watched == SrcList;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (fromSource && SrcList->count() > 0)
            Include();
        else if (!fromSource)
            Exclude();
        return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        focusNextPrevChild(fromSource);
        return true;
    }
    return MForm::eventFilter(watched, event);
}

bool PickFromLists(QStringList& available, QStringList& chosen, int kind)
{
    ReleasedForm<TPRD_DSCForm> dialog(Create<TPRD_DSCForm>(nullptr));
    dialog->setWindowTitle(LoadFormResourceStr(TextGroup, 10100 + kind));
    dialog->SetItems(available, chosen);
    if (dialog->ShowModal() != mrOk)
        return false;
    chosen = dialog->DestinationItems();
    available = dialog->SourceItems();
    return true;
}
