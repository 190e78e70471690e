#include "runtime/ui/define_columns_dialog.h"

#include "runtime/ui/ui_texts.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { NameColumn, LabelColumn, WidthColumn, VisibleColumn };
}

DefineColumnsDialog::DefineColumnsDialog(QWidget* owner, db::LocalTable& table)
    : DialogForm(owner), table_(table), grid_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("F5Define"));
    setWindowTitle(UiText::DefineCaption());
    grid_->setObjectName(QStringLiteral("GRID_FIELDS"));
    const std::vector<db::FieldDef>& fields = table.fields();
    grid_->setColumnCount(4);
    grid_->setRowCount(int(fields.size()));
    grid_->setHorizontalHeaderLabels(UiText::DefineHeaders().split(u';'));
    grid_->verticalHeader()->hide();
    for (int row = 0; row < int(fields.size()); ++row) {
        const db::FieldDef& field = fields[size_t(row)];
        auto* name = new QTableWidgetItem(field.name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        grid_->setItem(row, NameColumn, name);
        grid_->setItem(row, LabelColumn, new QTableWidgetItem(field.displayLabel));
        auto* width = new QTableWidgetItem;
        width->setData(Qt::EditRole, field.displayWidth);
        grid_->setItem(row, WidthColumn, width);
        auto* visible = new QTableWidgetItem;
        visible->setFlags((visible->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        visible->setCheckState(field.visible ? Qt::Checked : Qt::Unchecked);
        grid_->setItem(row, VisibleColumn, visible);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    addConfirmButtons(layout);
}

void DefineColumnsDialog::Apply()
{
    for (int row = 0; row < grid_->rowCount(); ++row) {
        db::FieldDef& field = table_.fieldDef(grid_->item(row, NameColumn)->text());
        field.displayLabel = grid_->item(row, LabelColumn)->text();
        field.displayWidth = qMax(0, grid_->item(row, WidthColumn)->data(Qt::EditRole).toInt());
        field.visible = grid_->item(row, VisibleColumn)->checkState() == Qt::Checked;
    }
    table_.data()->notifyStructureChanged();
}
