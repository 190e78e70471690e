#pragma once
// Tests of the module on the throwaway PostgreSQL server the suite starts (test_server): each test
// gets its own copy of the demo company, on the server and in an SQLite file, and runs `rar1` on
// either as a clerk does. Without a server the tests are skipped, except in CI (CI=true): there
// they fail.
#include "host/command_line.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The folder test_server keeps the suite's server in (its address, port, the demo file).
QString TestServerFolder();
QString TestServerFile(const QString& name, const QString& folder = TestServerFolder());
// The address of `database` on the server of `folder` for the role "clerk", with its password.
QString ClerkAddress(const QString& database, const QString& folder = TestServerFolder());
// Runs statements as the superuser on `database` (one implicit transaction); returns the first
// column of the first row, if any. Raises std::runtime_error when refused.
QString RunAsSuperuser(const QString& database, const QString& statements, const QString& folder = TestServerFolder());

class ServerCompany : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Outcome onServer(const QStringList& arguments) const { return RunRar1(server, arguments); }
    Outcome onFile(const QStringList& arguments) const { return RunRar1(file, arguments); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString database;   // this test's copy of the demo company on the server
    QString server;     // its address, as the clerk's
    QString file = dir.filePath(QStringLiteral("company.db"));   // the same company in SQLite
    const QStringList february{"--today", "2026-03-01", "--pay-from", "115/02/01", "--pay-to", "115/02/28"};
};
