#pragma once
// Company-wide master tables kept at hand for the whole module, and the rules by which the host's
// "this table changed" notice refreshes them.
#include "runtime/db/msqltable.h"

#include <QStringList>
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

    // Refreshes the tables named by the changed-table name ("ALLDATA" refreshes every one).
    void Refresh(const QString& changedTable);

    // What the refreshes did, one line each ("DEPT: refresh"), for tests and diagnosis.
    const QStringList& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

private:
    CachedTables();
    void refreshWithHistory(db::MSQLTable& table, const QString& label, bool onlyIfOpen);
    void refreshPlain(db::MSQLTable& table, const QString& label);

    std::unique_ptr<db::MSQLTable> products_, accounts_, customers_, currencies_, departments_, warehouses_,
        documentNumbers_;
    std::unique_ptr<db::MSQLTable> passwordTables_[5];
    QStringList log_;
};
