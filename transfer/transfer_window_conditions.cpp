// The transfer window's F2 conditions: kept in BANK1 row "0", shown and taken back through the
// toolbar's condition panel, and chosen from the department and salary-category pickers.
#include "transfer/transfer_window.h"

#include "common/code_lists.h"
#include "common/picker_dialog.h"
#include "common/sql_text.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

void fillCombo(QComboBox* combo, const MForm& form, std::initializer_list<int> ids, int selected)
{
    combo->clear();
    for (int id : ids)
        combo->addItem(form.LoadFormStr(id));
    combo->setCurrentIndex(selected);
}

} // namespace

void TransferWindow::FunctionButtons1LoadUserData()
{
    LoadSavedConditions(Conditions);
}

void TransferWindow::FunctionButtons1SaveUserData(QString& text)
{
    text = SaveConditions(Conditions);
    markTableStale();
}

void TransferWindow::FunctionButtons1F2UserInitValue(QWidget* control, const QString& name)
{
    if (name == QLatin1String("ED_DEP")) {
        depEdit_ = qobject_cast<QLineEdit*>(control);
        depEdit_->setText(Conditions.DepList);
    } else if (name == QLatin1String("COM_DEP")) {
        depModeCombo_ = qobject_cast<QComboBox*>(control);
        fillCombo(depModeCombo_, *this, {10020, 10021}, Conditions.DepMode);
    } else if (name == QLatin1String("COM_SORT")) {
        fillCombo(qobject_cast<QComboBox*>(control), *this, {10025, 10026}, Conditions.SortMode);
    } else if (name == QLatin1String("COM_BACC")) {
        fillCombo(qobject_cast<QComboBox*>(control), *this, {10040, 10041, 10042}, Conditions.AccountChoice);
    } else if (name == QLatin1String("ED_SZ")) {
        kindEdit_ = qobject_cast<QLineEdit*>(control);
        kindEdit_->setText(Conditions.SalaryKinds);
    } else if (name == QLatin1String("CHK_TIT")) {
        qobject_cast<QCheckBox*>(control)->setChecked(Conditions.UseAccountTitle);
    }
}

void TransferWindow::FunctionButtons1F2UserCheck(QWidget* control, const QString& name)
{
    if (name == QLatin1String("COM_DEP") && qobject_cast<QComboBox*>(control)->currentIndex() == 1 && depEdit_)
        depEdit_->setText(depEdit_->text().section(u';', 0, 0));
}

void TransferWindow::FunctionButtons1F2ReturnUser(QWidget* control, const QString& name)
{
    if (name == QLatin1String("ED_DEP")) {
        Conditions.DepList = qobject_cast<QLineEdit*>(control)->text().trimmed();
    } else if (name == QLatin1String("COM_DEP")) {
        Conditions.DepMode = qobject_cast<QComboBox*>(control)->currentIndex();
    } else if (name == QLatin1String("COM_BACC")) {
        Conditions.AccountChoice = qobject_cast<QComboBox*>(control)->currentIndex();
    } else if (name == QLatin1String("COM_SORT")) {
        Conditions.SortMode = qobject_cast<QComboBox*>(control)->currentIndex();
    } else if (name == QLatin1String("ED_SZ")) {
        const QString kinds = qobject_cast<QLineEdit*>(control)->text().trimmed();
        Conditions.SalaryKinds = kinds.isEmpty() ? RegularSalaryLabel() : kinds;
    } else if (name == QLatin1String("CHK_TIT")) {
        Conditions.UseAccountTitle = qobject_cast<QCheckBox*>(control)->isChecked();
    }
}

void TransferWindow::Btn_DepClick()
{
    if (!depEdit_)
        return;
    Dept->close();
    Dept->open();
    FillCodeLists(depEdit_->text(), QStringLiteral("DEP"), DeptAvailable, *Dept, DeptChosen);
    if (PickFromLists(DeptAvailable, DeptChosen, 1))
        depEdit_->setText(JoinChosenCodes(depModeCombo_ && depModeCombo_->currentIndex() == 0, DeptChosen));
}

void TransferWindow::FillKindLists(const QString& selection)
{
    RunSql(*MySql, QStringLiteral("Select DISTINCT FJ_KND FROM MF_FJ"));
    KindAvailable.clear();
    KindChosen.clear();
    KindAvailable << RegularSalaryLabel();
    for (MySql->first(); !MySql->eof(); MySql->next()) {
        const QString kind = MySql->asString(QStringLiteral("FJ_KND")).trimmed();
        if (!kind.isEmpty())
            KindAvailable << kind;
    }
    KindAvailable << NoValueCode;

    QString rest = selection.trimmed();
    if (rest.isEmpty())
        return;
    if (!rest.endsWith(u';'))
        rest += u';';
    while (!rest.isEmpty()) {
        const int cut = rest.indexOf(u';');
        const QString piece = rest.left(cut);
        rest = rest.mid(cut + 1).trimmed();
        if (KindAvailable.removeOne(piece))
            KindChosen << piece;
    }
}

void TransferWindow::Btn_SzClick()
{
    if (!kindEdit_)
        return;
    FillKindLists(kindEdit_->text());
    ReleasedForm<TPRD_DSCForm> picker(Create<TPRD_DSCForm>(this));
    picker->setWindowTitle(LoadFormResourceStr(QStringLiteral("COMMON"), 10140));
    picker->SetItems(KindAvailable, KindChosen);
    if (picker->ShowModal() == mrOk)
        kindEdit_->setText(picker->DestinationItems().join(u';'));
}
