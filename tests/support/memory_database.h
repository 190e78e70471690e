#pragma once
// An SQLite database in memory on a connection of its own, for tests that run statements without a
// company: made with the statements given, gone with the object.
#include <QSqlDatabase>
#include <QStringList>

class MemoryDatabase {
public:
    // Raises std::runtime_error when a statement fails.
    MemoryDatabase(const QString& connectionName, const QStringList& statements);
    ~MemoryDatabase();
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

    QSqlDatabase& connection() { return connection_; }

private:
    QString name_;
    QSqlDatabase connection_;
};
