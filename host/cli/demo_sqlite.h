#pragma once
// A connection of its own to an SQLite file, for writing or reading the demo company in bulk.
// Failures raise std::runtime_error naming the file and the engine's reason.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class DemoSqlite {
public:
    enum class Mode { Create, Read };
    DemoSqlite(const QString& file, Mode mode);
    ~DemoSqlite();
    DemoSqlite(const DemoSqlite&) = delete;
    DemoSqlite& operator=(const DemoSqlite&) = delete;

    void exec(const QString& statement);
    QVariant scalar(const QString& statement);
    QSqlQuery prepare(const QString& statement);
    // Runs a prepared statement with these values in order.
    void run(QSqlQuery& statement, const QVariantList& values);
    QSqlQuery select(const QString& statement);
    QSqlDatabase& connection() { return db_; }

private:
    [[noreturn]] void fail(const QSqlError& error, const QString& statement) const;
    QString file_;
    QString connectionName_;
    QSqlDatabase db_;
};
