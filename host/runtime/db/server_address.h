#pragma once
// The address of a company database on a PostgreSQL server, as libpq writes it:
//   postgresql://[USER[:PASSWORD]@][HOST][:PORT][,HOST[:PORT]...][/DBNAME][?KEY=VALUE&...]
// ("postgres://" too). HOST may be an IPv6 address in brackets or a socket folder written with
// %2F; the query takes libpq's own keywords (host=/run/postgresql, sslmode=require,
// connect_timeout=5, ...), which win over the parts before. What the address leaves out comes
// from libpq's environment (PGHOST, PGUSER, PGPASSWORD, ~/.pgpass, ...).
// A password is kept for the connection only: the text shown to anyone is displayText().
#include <QList>
#include <QPair>
#include <QString>

namespace db {

struct ServerAddress {
    QList<QPair<QString, QString>> keywords;   // libpq's keyword and value, in the address's order
    QString password;                          // empty: libpq looks for one itself
    QString displayText;                       // the address without its password

    QString value(const QString& keyword) const;   // the last value given, or empty
};

// Whether `text` is a server address rather than the path of an SQLite file.
bool IsServerAddress(const QString& text);
// Reads a server address; raises std::invalid_argument, naming it without its password, when the
// text cannot be one.
ServerAddress ParseServerAddress(const QString& text);
// `text` as it may be shown: a server address without its password, a file path as it is.
QString DisplayedAddress(const QString& text);

} // namespace db
