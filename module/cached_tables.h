#pragma once
// Company-wide master tables kept at hand for the whole module, and the rules by which the host's
// "this table changed" notice refreshes them.
#include "runtime/db/msqltable.h"

#include <memory>

class CachedTables {
public:
    static CachedTables& Instance();

    db::MSQLTable& products() { return *products_; }
    db::MSQLTable& accounts() { return *accounts_; }
    db::MSQLTable& customers() { return *customers_; }
    db::MSQLTable& currencies() { return *currencies_; }
    db::MSQLTable& departments() { return *departments_; }
    db::MSQLTable& warehouses() { return *warehouses_; }
    db::MSQLTable& documentNumbers() { return *documentNumbers_; }
    // The user and password tables Pswd, Pswd1, PSWD, PSWD1 and SPC_PSWD, by index 0 to 4.
    db::MSQLTable& passwordTable(int index) { return *passwordTables_[index]; }
    static constexpr int PasswordTableCount = 5;

    // Refreshes the tables named by the changed-table name ("ALLDATA" refreshes every one).
    void Refresh(const QString& changedTable);

private:
    CachedTables();
    static void refreshWithHistory(db::MSQLTable& table, bool onlyIfOpen);
    static void refreshPlain(db::MSQLTable& table);

    std::unique_ptr<db::MSQLTable> products_, accounts_, customers_, currencies_, departments_, warehouses_,
        documentNumbers_;
    std::unique_ptr<db::MSQLTable> passwordTables_[PasswordTableCount];
};
