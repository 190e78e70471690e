#include "runtime/db/mquery.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

MQuery::MQuery(const QString& databaseName) : databaseName_(databaseName) {}

MQuery::~MQuery()
{
    if (conn_.isValid())
        MDatabase::ClosePrivateConnection(conn_);
}

void MQuery::setSql(const QString& statement)
{
    sql_ = QStringList{statement};
}

QString MQuery::statementText() const
{
    return sql_.join(u'\n');
}

void MQuery::open()
{
    close();
    QSqlQuery query = run();
    const QSqlRecord record = query.record();
    const int count = record.count();
    for (int i = 0; i < count; ++i)
        columns_ << record.fieldName(i);
    while (query.next()) {
        std::vector<QVariant> row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row.push_back(query.value(i));
        rows_.push_back(std::move(row));
    }
    query.finish();
    active_ = true;
}

void MQuery::execSQL()
{
    close();
    run().finish();
}

void MQuery::close()
{
    columns_.clear();
    rows_.clear();
    pos_ = 0;
    active_ = false;
}

QVariant MQuery::fieldByName(const QString& name) const
{
    const int c = column(name);
    return eof() ? QVariant() : rows_[pos_][c];
}

QString MQuery::asString(const QString& name) const
{
    const QVariant v = fieldByName(name);
    return v.isNull() ? QString() : v.toString();
}

double MQuery::asFloat(const QString& name) const
{
    const QVariant v = fieldByName(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

int MQuery::column(const QString& name) const
{
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw DatabaseError(QStringLiteral("The query result has no column %1.").arg(name).toStdString());
}

QSqlQuery MQuery::run()
{
    MDatabase& database = RequireDefaultSession()->database(databaseName_);
    if (!conn_.isValid() || !conn_.isOpen()) {
        if (conn_.isValid())
            MDatabase::ClosePrivateConnection(conn_);
        conn_ = database.openPrivateConnection(QStringLiteral("query"));
    }
    const QString statement = statementText();
    QSqlQuery query(conn_);
    query.setForwardOnly(true);
    if (!query.exec(database.translate(statement)))
        throw QueryFailure(QStringLiteral("The database refused the statement"), query.lastError(), statement);
    return query;
}

} // namespace db
