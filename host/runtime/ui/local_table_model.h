#pragma once
// Item model over the rows of a local table: its visible fields as columns, each cell read from the
// table's rows when the view asks. Changes of the rows reach the view at most every 100 ms.
#include "runtime/db/localtable.h"
#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

class LocalTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LocalTableModel(QObject* parent = nullptr);

    void bind(std::shared_ptr<db::LocalTableData> data);
    void reload();   // rows and fields, now
    // The field shown in column `column`; null outside the columns.
    const db::FieldDef* fieldAt(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void reloaded();

private:
    void rowsChanged();
    std::shared_ptr<db::LocalTableData> data_;
    std::vector<int> columns_;   // field indexes of the visible fields
    int rows_ = 0;
    QMetaObject::Connection rowsConnection_, structureConnection_;
    QTimer pending_;
    QElapsedTimer sinceReload_;
};
