#include "support/memory_database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

MemoryDatabase::MemoryDatabase(const QString& connectionName, const QStringList& statements)
    : name_(connectionName)
    , connection_(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName))
{
    connection_.setDatabaseName(QStringLiteral(":memory:"));
    if (!connection_.open())
        throw std::runtime_error(connection_.lastError().text().toStdString());
    for (const QString& statement : statements) {
        QSqlQuery query(connection_);
        if (!query.exec(statement))
            throw std::runtime_error((statement + QStringLiteral(": ") + query.lastError().text()).toStdString());
    }
}

MemoryDatabase::~MemoryDatabase()
{
    connection_.close();
    connection_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}
