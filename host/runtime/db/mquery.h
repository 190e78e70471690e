#pragma once
// A query on one private connection of a named database: one statement at a time, and temporary
// tables (#TF_FS1) persist between its statements. An opened result is read into memory once and
// then walked with first/next/eof. Reading a field after the last row gives NULL.
#include "runtime/db/database.h"
#include <QStringList>
#include <QVariant>

class QSqlQuery;

namespace db {

class MQuery {
public:
    explicit MQuery(const QString& databaseName);
    ~MQuery();
    MQuery(const MQuery&) = delete;              // the connection, and its temporary tables, are its own
    MQuery& operator=(const MQuery&) = delete;

    QStringList& SQL() { return sql_; }          // the statement, as lines joined by line ends
    void setSql(const QString& statement);
    QString statementText() const;               // the lines joined as they are sent

    void open();      // runs the statement and reads its rows
    void execSQL();   // runs a statement that returns no rows
    void close();
    bool active() const { return active_; }

    int recordCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    void first() { pos_ = 0; }
    void next() { if (pos_ < rows_.size()) ++pos_; }
    bool eof() const { return pos_ >= rows_.size(); }
    QVariant fieldByName(const QString& name) const;    // null QVariant when NULL; raises for an unknown column
    QString asString(const QString& name) const;         // NULL gives ""
    double asFloat(const QString& name) const;           // NULL gives 0
    const QStringList& fieldNames() const { return columns_; }

private:
    int column(const QString& name) const;
    QSqlQuery run();   // sends the statement on this query's own connection (opened on first use)
    QString databaseName_;
    QStringList sql_;
    QSqlDatabase conn_;
    QStringList columns_;
    std::vector<std::vector<QVariant>> rows_;
    size_t pos_ = 0;
    bool active_ = false;
};

} // namespace db
