#pragma once
// The demo company on a PostgreSQL server: the same data as the SQLite file made from the same
// employees and seed, so that both give the same media files.
#include <QString>
#include <QTextStream>

// Creates the company tables on the server at `address` and fills them, in one transaction: a
// database that already holds them is refused unless `replace`. Reports progress to `log` (never
// with the password) and returns the summary of what it wrote. Raises std::runtime_error.
QString CreateDemoOnServer(const QString& address, int employees, quint32 seed, bool replace, QTextStream& log);
