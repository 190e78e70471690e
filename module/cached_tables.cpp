#include "module/cached_tables.h"

#include "runtime/db/database.h"

namespace {
std::unique_ptr<db::MSQLTable> companyTable(const char* table, const char* index)
{
    return std::make_unique<db::MSQLTable>(db::CompanyDatabaseName, QString::fromLatin1(table), QString::fromLatin1(index));
}

// The five user and password tables, refreshed together in this order.
const char* const PasswordTableNames[CachedTables::PasswordTableCount] = {"Pswd", "Pswd1", "PSWD", "PSWD1", "SPC_PSWD"};
}

CachedTables& CachedTables::Instance()
{
    static CachedTables tables;
    return tables;
}

CachedTables::CachedTables()
    : products_(companyTable("PRDT", "PRD_NO"))
    , accounts_(companyTable("ACCN", "ACC_NO"))
    , customers_(companyTable("CUST", "CUS_NO"))
    , currencies_(companyTable("CUR_ID", "CUR_ID"))
    , departments_(companyTable("DEPT", "DEP"))
    , warehouses_(companyTable("MY_WH", "WH"))
    , documentNumbers_(companyTable("BILN", "BIL_ID"))
{
    for (int i = 0; i < PasswordTableCount; ++i)
        passwordTables_[i] = companyTable(PasswordTableNames[i], "USR");
}

void CachedTables::refreshWithHistory(db::MSQLTable& table, bool onlyIfOpen)
{
    if (onlyIfOpen && !table.active())
        return;
    table.SetKeyRecordHistory(false);
    table.SetKeyRecordHistory(true);
    table.refresh();
}

void CachedTables::refreshPlain(db::MSQLTable& table)
{
    if (table.active())
        table.refresh();
}

void CachedTables::Refresh(const QString& changedTable)
{
    const bool all = changedTable == QLatin1String("ALLDATA");
    auto named = [&](const char* key) { return all || changedTable == QLatin1String(key); };

    if (named("PRDT"))
        refreshWithHistory(*products_, true);
    if (named("ACCN"))
        refreshWithHistory(*accounts_, true);
    if (named("CUST"))
        refreshWithHistory(*customers_, true);
    if (named("CUR_ID"))
        refreshPlain(*currencies_);
    if (named("DEPT"))
        refreshPlain(*departments_);
    if (named("MY_WH"))
        refreshPlain(*warehouses_);
    if (named("BILN"))
        refreshPlain(*documentNumbers_);
    if (named("PSWD")) {
        for (const auto& table : passwordTables_)
            refreshWithHistory(*table, false);
    }
}
