#include "runtime/db/schema/company_copy.h"

#include "runtime/db/database.h"
#include "runtime/db/schema/company_schema.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {
namespace {

// Rows sent in one statement: few statements, none of them large.
constexpr int RowsPerStatement = 1000;

class RowWriter {
public:
    RowWriter(QSqlDatabase& to, const QString& table, const QSqlRecord& columns) : to_(to), table_(table)
    {
        QStringList names;
        for (int i = 0; i < columns.count(); ++i)
            names << columns.fieldName(i);
        head_ = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, names.join(u','));
    }

    void add(const QSqlRecord& row)
    {
        QString values;
        for (int i = 0; i < row.count(); ++i) {
            QSqlField field(row.field(i));
            field.setMetaType(row.value(i).metaType());
            field.setValue(row.value(i));
            values += (i ? u',' : u'(') + to_.driver()->formatValue(field);
        }
        pending_ << values + u')';
        if (pending_.size() == RowsPerStatement)
            flush();
    }

    void flush()
    {
        if (pending_.isEmpty())
            return;
        QSqlQuery insert(to_);
        if (!insert.exec(head_ + pending_.join(u',')))
            throw QueryFailure(QStringLiteral("The rows of the table %1 cannot be copied").arg(table_), insert.lastError());
        pending_.clear();
    }

private:
    QSqlDatabase& to_;
    QString table_;
    QString head_;
    QStringList pending_;
};

} // namespace

qint64 CopyCompanyRows(QSqlDatabase& from, QSqlDatabase& to)
{
    qint64 copied = 0;
    for (const QString& table : CompanyTableNames()) {
        QSqlQuery rows(from);
        rows.setForwardOnly(true);
        if (!rows.exec(QStringLiteral("SELECT * FROM ") + table))
            throw QueryFailure(QStringLiteral("The rows of the table %1 cannot be read").arg(table), rows.lastError());
        RowWriter writer(to, table, rows.record());
        for (; rows.next(); ++copied)
            writer.add(rows.record());
        writer.flush();
    }
    return copied;
}

} // namespace db
