#pragma once
// Local tables: named in-memory tables of the runtime (the toolbar's transfer table and the like).
// Several components reach the same table through its database name and table name.
// Rows are kept in memory; filters are small boolean expressions over the fields:
//   YG_NAME<>''      ((BACC_NO<>'')And(BACC_NO1<>''))Or((BACC_NO='')And(BACC_NO1=''))
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace db {

struct FieldDef {
    enum class Type { Text, Float, Integer };
    QString name;
    Type type = Type::Text;
    int size = 0;              // characters, for text fields
    QString displayLabel;
    int displayWidth = 0;      // characters
    QString displayFormat;     // for float fields, "#,##0.00"
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The shared content of one named local table. Components hold it through LocalTable.
class LocalTableData : public QObject {
    Q_OBJECT
public:
    QString databaseName, tableName;
    std::vector<FieldDef> fields;
    std::vector<std::vector<QVariant>> rows;
    bool created = false;

    int fieldIndex(const QString& name) const;   // -1 when absent (without regard to case)
    // The registry: the table of this database and name, created empty on first use.
    static std::shared_ptr<LocalTableData> Get(const QString& databaseName, const QString& tableName);

signals:
    void structureChanged();
    void rowsChanged();
};

class LocalTable {
public:
    LocalTable() = default;
    LocalTable(const QString& databaseName, const QString& tableName);

    void setDatabaseName(const QString& name);
    void setTableName(const QString& name);
    const QString& databaseName() const { return databaseName_; }
    const QString& tableName() const { return tableName_; }
    std::shared_ptr<LocalTableData> data() const;

    // Structure.
    void clearFields();
    void addField(const FieldDef& def);
    void createTable();                  // (re)creates the table with the defined fields, empty
    FieldDef& fieldDef(const QString& name);
    const std::vector<FieldDef>& fields() const;
    bool hasField(const QString& name) const;

    // State.
    void open();
    void close();
    bool active() const { return active_; }
    void emptyTable();

    // Filter over the visible rows, e.g. "YG_NAME<>''". An invalid filter raises std::invalid_argument.
    void setFilter(const QString& expression);
    void setFiltered(bool on);

    // Navigation over the rows that pass the filter.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const;
    bool bof() const;
    bool isEmpty() const;
    int recordCount() const;
    int recNo() const;                   // 0-based position among the visible rows

    // Editing.
    void append();                       // appends an empty row at the end and makes it current
    void edit();
    void setField(const QString& name, const QVariant& value);
    void post();
    void cancel();
    QVariant field(const QString& name) const;
    QString fieldText(const QString& name) const;   // null gives ""
    double fieldFloat(const QString& name) const;    // null gives 0

    // Reorders the rows by the given fields (the toolbar's sort) and sums a float field over the visible rows.
    void sortBy(const QStringList& fieldNames);
    double sum(const QString& fieldName) const;

private:
    void rebuildVisible() const;
    std::vector<size_t>& visible() const;
    QString databaseName_, tableName_;
    mutable std::shared_ptr<LocalTableData> data_;
    bool active_ = false;
    QString filter_;
    bool filtered_ = false;
    std::function<bool(const LocalTableData&, const std::vector<QVariant>&)> predicate_;
    mutable std::vector<size_t> visible_;
    mutable bool visibleStale_ = true;
    size_t pos_ = 0;
    bool editing_ = false;
    std::vector<QVariant> editRow_;
    bool appending_ = false;
};

} // namespace db
