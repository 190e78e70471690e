#pragma once
// A table of a named database, read in the order of its index fields, with key lookup and
// edit/append/post of one row at a time. Field names compare without regard to case.
// The index fields identify a row: post() updates the row that had the original index values, and
// they are always read, even when the select fields leave them out.
// With key rows only, open() reads nothing and each findKey reads just the rows with those values.
// A lookup or refresh while a row is being edited posts it first; close() abandons it.
// history() records "open", "close", "refresh", "history on" and "history off" in order.
#include "runtime/db/database.h"
#include <QStringList>
#include <QVariant>
#include <map>
#include <set>

class QSqlQuery;

namespace db {

class MSQLTable {
public:
    MSQLTable(const QString& databaseName, const QString& tableName, const QString& indexFieldNames);

    const QString& tableName() const { return table_; }
    void setSelectFields(const QString& fields);     // "DEP,NAME"; empty means every column
    void setKeyRecordOnly(bool on) { keyOnly_ = on; } // fetch only the rows a key lookup asks for
    void SetKeyRecordHistory(bool on);               // kept for the refresh rules; counted in history()
    void open();                                      // reads the rows (all of them unless key rows only)
    void close();
    void refresh();                                   // re-reads what is open
    bool active() const { return active_; }
    bool hasField(const QString& name) const;

    // Key lookup by values of the leading index fields: positions on the first matching row in
    // index order (the following rows stay reachable with next()) and returns whether one was found.
    bool findKey(const QVariantList& values);

    void first();
    void next();
    bool eof() const;
    QVariant field(const QString& name) const;      // current row; null when absent
    QString fieldText(const QString& name) const;

    void edit();                                      // the current row becomes editable
    void append();                                    // a new empty row becomes editable
    void setField(const QString& name, const QVariant& value);
    void post();                                      // writes the edited or appended row
    void cancel();

    // What happened to this component, for tests of the refresh rules ("refresh", "history off", ...).
    const QStringList& history() const { return history_; }

private:
    QString db_, table_;
    QStringList index_;
    QString selectFields_;
    bool keyOnly_ = false;
    bool active_ = false;
    enum class Mode { Browse, Edit, Insert } mode_ = Mode::Browse;
    std::vector<std::map<QString, QVariant>> rows_;   // column names upper-case
    size_t pos_ = 0;
    std::map<QString, QVariant> editing_;
    std::map<QString, QVariant> originalKey_;
    QVariantList lastKey_;
    QStringList history_;

    QSqlDatabase connection() const;
    void loadColumns() const;
    QString keyCondition(const QStringList& fields, const QVariantList& values, QVariantList& binds) const;
    QSqlQuery runBound(const QString& statement, const QVariantList& binds, const QString& what) const;
    void readRows(const QVariantList& key);
    void writeUpdate();
    void writeInsert();
    void placeEditedRow();
    QVariantList keyOf(const std::map<QString, QVariant>& row) const;
    static int compareKeys(const QVariantList& a, const QVariantList& b);
    bool leadingKeyEquals(const std::map<QString, QVariant>& row, const QVariantList& values) const;
    mutable QStringList columns_;       // the columns this component reads, upper-case
    std::set<QString> changed_;         // the columns set since edit() or append()
};

} // namespace db
