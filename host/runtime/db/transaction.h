#pragma once
// One transaction on a named database's shared connection: what the tables write between begin and
// commit is saved together or not at all. On SQLite and PostgreSQL the write lock is taken at the
// start, so that a lookup and the write that depends on it see the same data; another writer is
// waited for as long as the connection's busy (lock) timeout allows, and then the transaction is
// refused as busy.
#include "runtime/db/database.h"

namespace db {

class Transaction {
public:
    explicit Transaction(const QString& databaseName);
    ~Transaction();   // rolls back unless committed
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase connection_;
    Engine engine_;
    bool open_ = false;
};

// Runs `work` in one transaction on the database and commits it; an error rolls everything back.
template <class Work>
void InTransaction(const QString& databaseName, Work work)
{
    Transaction transaction(databaseName);
    work();
    transaction.commit();
}

} // namespace db
