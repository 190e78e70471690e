#pragma once
// The company database file, opened for bulk work through SQLite itself: prepared statements that
// are bound and stepped without the copies of the general database layer. Failures raise
// std::runtime_error naming the file and the engine's reason.
#include <QString>
#include <QStringEncoder>
#include <QVariant>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace company {

class CompanyDatabase;

class Statement {
public:
    Statement(CompanyDatabase& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds a value (an empty text as NULL).
    Statement& bind(int index, const QString& text);
    Statement& bind(int index, double number);
    Statement& bindNull(int index);
    // Runs a statement that returns no rows, then makes it ready again.
    void run();
    // Steps to the next row of a query; false at the end (the statement is then ready again).
    bool step();
    // Makes a query ready again after the rows that were wanted.
    void reset();
    QString text(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;

private:
    CompanyDatabase& db_;
    sqlite3_stmt* statement_ = nullptr;
    // A text parameter's UTF-8, kept per parameter and reused row after row: binding copies nothing.
    std::vector<QByteArray> texts_;
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
};

class CompanyDatabase {
public:
    // Opens an existing company database; raises with the clerk's text when there is none.
    explicit CompanyDatabase(const QString& file);
    ~CompanyDatabase();
    CompanyDatabase(const CompanyDatabase&) = delete;
    CompanyDatabase& operator=(const CompanyDatabase&) = delete;

    void exec(const char* sql);
    // The first column of the first row, or none.
    std::optional<QString> scalar(const char* sql);
    [[noreturn]] void fail(const char* sql) const;
    sqlite3* handle() const { return db_; }
    const QString& file() const { return file_; }

private:
    QString file_;
    sqlite3* db_ = nullptr;
};

// One transaction: committed by commit(), rolled back when left without it.
class Transaction {
public:
    explicit Transaction(CompanyDatabase& db);
    ~Transaction();
    void commit();

private:
    CompanyDatabase& db_;
    bool open_ = true;
};

} // namespace company
