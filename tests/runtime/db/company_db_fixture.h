#pragma once
// A company database in a temporary SQLite file, registered as "RurIzov" in the default session.
// Tests fill it with the rows they need through insert().
#include "runtime/db/database.h"
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QVariantList>
#include <gtest/gtest.h>

class CompanyDbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a statement on a setup connection of its own (not one of the layer's).
    void exec(const QString& statement);
    void insert(const QString& table, const QVariantList& values);
    QString file() const { return file_; }

private:
    QTemporaryDir dir_;
    QString file_;
    QSqlDatabase setup_;
};
