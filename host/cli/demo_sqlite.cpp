#include "demo_sqlite.h"
#include <QSqlError>
#include <stdexcept>

DemoSqlite::DemoSqlite(const QString& file, Mode mode) : file_(file)
{
    static int counter = 0;
    connectionName_ = QStringLiteral("demo-company-%1").arg(++counter);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db_.setDatabaseName(file);
    if (mode == Mode::Read)
        db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db_.open())
        fail(db_.lastError(), QString());
}

DemoSqlite::~DemoSqlite()
{
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

void DemoSqlite::exec(const QString& statement)
{
    QSqlQuery q(db_);
    if (!q.exec(statement))
        fail(q.lastError(), statement);
}

QVariant DemoSqlite::scalar(const QString& statement)
{
    QSqlQuery q = select(statement);
    return q.next() ? q.value(0) : QVariant();
}

QSqlQuery DemoSqlite::select(const QString& statement)
{
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.exec(statement))
        fail(q.lastError(), statement);
    return q;
}

QSqlQuery DemoSqlite::prepare(const QString& statement)
{
    QSqlQuery q(db_);
    if (!q.prepare(statement))
        fail(q.lastError(), statement);
    return q;
}

void DemoSqlite::run(QSqlQuery& statement, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        statement.bindValue(i, values[i]);
    if (!statement.exec())
        fail(statement.lastError(), statement.lastQuery());
}

void DemoSqlite::fail(const QSqlError& error, const QString& statement) const
{
    QString message = QStringLiteral("The company database %1 cannot be written or read: %2").arg(file_, error.text());
    if (!statement.isEmpty())
        message += QStringLiteral(" (") + statement + u')';
    throw std::runtime_error(message.toStdString());
}
