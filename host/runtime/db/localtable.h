#pragma once
// Local tables: named in-memory tables of the runtime (the toolbar's transfer table and the like).
// Several components reach the same table through its database name and table name.
// Rows are kept in memory; filters are small boolean expressions over the fields:
//   YG_NAME<>''      ((BACC_NO<>'')And(BACC_NO1<>''))Or((BACC_NO='')And(BACC_NO1=''))
// (row_filter.h gives the rules). A table lives while any component holds it.
//
// Signals: rowsChanged after each post, emptyTable and sortBy; structureChanged after the fields
// change. They are emitted only when something is connected, so an unwatched table appends fast.
// A fill of many rows into a watched table (a grid shows it) should run between beginUpdate() and
// endUpdate() (or under a LocalTableUpdate): each signal is then emitted at most once, at the end.
//
// Navigation works as on a data set: first() stands on the first row (bof), next() past the last
// row sets eof and stays on the last row, last() stands on the last row with eof set.
// Reading works on a closed table too; append, edit and setField need it open.
// Text values are cut to the field's size; number fields take numbers (an empty text is NULL).
#include "runtime/db/local_rows.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <array>
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
    LocalRows rows;
    bool created = false;

    quint64 version = 0;   // grows with every change of rows or fields
    quint64 fieldsVersion = 0;   // grows with every change of the fields

    int fieldIndex(const QString& name) const;   // -1 when absent (without regard to case)
    // The registry: the table of this database and name, created empty on first use.
    static std::shared_ptr<LocalTableData> Get(const QString& databaseName, const QString& tableName);

    // Holds the signals back until the outermost endUpdate, which emits each pending one once.
    void beginUpdate();
    void endUpdate();
    // Record a change (version) and tell the listeners, if any.
    void notifyRowsChanged();
    void notifyStructureChanged();

signals:
    void structureChanged();
    void rowsChanged();

private:
    int updateDepth_ = 0;
    bool rowsPending_ = false;
    bool structurePending_ = false;
};

// beginUpdate/endUpdate for a scope.
class LocalTableUpdate {
public:
    explicit LocalTableUpdate(std::shared_ptr<LocalTableData> table) : table_(std::move(table)) { table_->beginUpdate(); }
    ~LocalTableUpdate() { table_->endUpdate(); }
    LocalTableUpdate(const LocalTableUpdate&) = delete;
    LocalTableUpdate& operator=(const LocalTableUpdate&) = delete;

private:
    std::shared_ptr<LocalTableData> table_;
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
    // This object reads fields by other names: each of `names` (upper case) stands for the field of
    // the name it maps to, and no other name is a field. Empty: the fields' own names.
    void readFieldsAs(QHash<QString, QString> names);

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
    // Stands on the visible row at `position` (0-based), as first() and next() would reach it; eof
    // when there is no such row.
    void moveTo(int position);
    bool eof() const;
    bool bof() const;
    bool isEmpty() const;
    int recordCount() const;
    int recNo() const;                   // 0-based position among the visible rows; -1 when empty

    // Editing.
    void append();                       // appends an empty row at the end and makes it current
    void edit();
    // The value is taken by value: a value made for the call moves into the row without a copy.
    void setField(const QString& name, QVariant value);
    // A field's number, for setting it row after row without looking its name up each time; raises
    // when the table has no such field. Valid while the fields stay as they are.
    int fieldNumber(const QString& name) const;
    void setField(int number, QVariant value);
    void post();
    void cancel();
    QVariant field(const QString& name) const;
    QVariant field(int number) const;
    QString fieldText(const QString& name) const;   // null gives ""
    // fieldText(name) into `into`, whose room is kept from one call to the next when it is its own.
    void fieldTextInto(const QString& name, QString& into) const;
    double fieldFloat(const QString& name) const;    // null gives 0
    bool fieldHolds(const QString& name, QLatin1StringView text) const;   // fieldText(name) == text, quicker
    bool fieldBlank(const QString& name) const;   // fieldText(name).trimmed().isEmpty(), quicker
    // The bytes of fieldText(name) where the row stores them, when the cell is a text of ASCII
    // characters or NULL; none for any other cell, or a row being edited. Valid until the rows change.
    std::optional<QByteArrayView> fieldAscii(const QString& name) const;

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
    std::function<bool(const std::vector<FieldDef>&, const std::function<QVariant(size_t)>&)> predicate_;
    mutable std::vector<size_t> visible_;
    mutable bool visibleStale_ = true;
    size_t pos_ = 0;
    bool editing_ = false;
    std::vector<QVariant> editRow_;
    bool appending_ = false;

    // The shared content, found by name on first use. This and the few below are asked for with
    // every field a record reads, so they are written here to be inlined.
    LocalTableData& table() const { return data_ ? *data_ : attach(); }
    LocalTableData& attach() const;
    // The cells of a row, each read from the compact storage when first asked for and kept while the
    // rows stay unchanged: a record's fields are read one after another, some of them twice.
    QVariant storedCell(size_t index, size_t column) const;
    const std::vector<QVariant>& storedRow(size_t index) const;
    void readFrom(size_t index) const;
    void requireFieldNumber(int number) const;   // raises unless the table has a field of that number
    // Where the field's cell starts in the current row while it is stored and not yet read; null
    // otherwise (the row is being edited, or the cell was read).
    const char* unreadCell(const QString& name) const;
    mutable std::vector<QVariant> readRow_;
    mutable std::vector<const char*> readCells_;   // where a cell not yet read starts; null once read
    mutable const LocalTableData* readTable_ = nullptr;
    mutable size_t readIndex_ = 0;
    mutable quint64 readVersion_ = 0;
    bool filtering() const { return filtered_ && predicate_; }
    size_t visibleCount() const { return filtering() ? visible().size() : table().rows.size(); }
    // Index in data()->rows of the current row; needs a row.
    size_t currentRow() const
    {
        const size_t p = std::min(pos_, visibleCount() - 1);
        return filtering() ? visible()[p] : p;
    }
    void requireActive() const;
    mutable quint64 visibleVersion_ = 0;
    // The field number of `name` (-1 when absent). The numbers of the names asked for lately are kept
    // and found by where the name's characters lie: a record's fields ask for the same few names row
    // after row. A kept name is held, so that its characters cannot give way to another name's.
    // Each table object keeps its own, so that two threads may read one table's rows at once.
    int numberOf(const QString& name) const;
    struct KeptNumber {
        QString name;
        int number = -1;
    };
    QHash<QString, QString> readAs_;
    mutable std::array<KeptNumber, 16> keptNumbers_;
    mutable size_t nextKept_ = 0;
    mutable const LocalTableData* keptTable_ = nullptr;
    mutable quint64 keptFields_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    size_t editIndex_ = 0;
};

} // namespace db
