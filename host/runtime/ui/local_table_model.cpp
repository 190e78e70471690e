#include "runtime/ui/local_table_model.h"

#include "runtime/ui/display_format.h"

namespace {
constexpr int ReloadIntervalMs = 100;
}

LocalTableModel::LocalTableModel(QObject* parent) : QAbstractTableModel(parent)
{
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, &LocalTableModel::reload);
}

void LocalTableModel::bind(std::shared_ptr<db::LocalTableData> data)
{
    disconnect(rowsConnection_);
    disconnect(structureConnection_);
    data_ = std::move(data);
    if (data_) {
        rowsConnection_ = connect(data_.get(), &db::LocalTableData::rowsChanged, this, &LocalTableModel::rowsChanged);
        structureConnection_ = connect(data_.get(), &db::LocalTableData::structureChanged, this, &LocalTableModel::reload);
    }
    reload();
}

void LocalTableModel::reload()
{
    pending_.stop();
    sinceReload_.start();
    beginResetModel();
    columns_.clear();
    rows_ = 0;
    if (data_) {
        for (size_t i = 0; i < data_->fields.size(); ++i)
            if (data_->fields[i].visible)
                columns_.push_back(int(i));
        rows_ = int(data_->rows.size());
    }
    endResetModel();
    emit reloaded();
}

void LocalTableModel::rowsChanged()
{
    if (!sinceReload_.isValid() || sinceReload_.elapsed() >= ReloadIntervalMs)
        reload();
    else if (!pending_.isActive())
        pending_.start(int(ReloadIntervalMs - sinceReload_.elapsed()));
}

const db::FieldDef* LocalTableModel::fieldAt(int column) const
{
    if (!data_ || column < 0 || column >= int(columns_.size()) || columns_[column] >= int(data_->fields.size()))
        return nullptr;
    return &data_->fields[columns_[column]];
}

int LocalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int LocalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant LocalTableModel::data(const QModelIndex& index, int role) const
{
    const db::FieldDef* field = fieldAt(index.column());
    if (!field || index.row() >= int(data_->rows.size()))
        return {};
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = field->type == db::FieldDef::Type::Text ? field->alignment & Qt::AlignHorizontal_Mask
                                                                                  : Qt::AlignRight;
        return int(horizontal | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    const QVariant cell = data_->rows.cell(size_t(index.row()), size_t(columns_[size_t(index.column())]));
    if (cell.isNull())
        return QString();
    if (field->type == db::FieldDef::Type::Float)
        return FormatNumber(cell.toDouble(), field->displayFormat);
    return cell.toString();
}

QVariant LocalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const db::FieldDef* field = fieldAt(section);
    if (!field)
        return {};
    return field->displayLabel.isEmpty() ? field->name : field->displayLabel;
}
