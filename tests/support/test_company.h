#pragma once
// A company database for one test: an SQLite file in a temporary folder holding the payroll,
// master and BANK1 tables, registered as "RurIzov" (and as the system database with Comp), with
// the company context handed to the module and "today" pinned.
#include "runtime/compdata.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

class TestCompany {
public:
    explicit TestCompany(const QDate& today = QDate(2026, 3, 1), int languageId = 1);
    ~TestCompany();

    void exec(const QString& statement) const;
    QVariant scalar(const QString& query) const;

    struct Employee {
        QString number, name, account1, title1, account2, title2;
        QString payMethod = QStringLiteral("2");
        QString idNo, department = QStringLiteral("A01");
    };
    void addEmployee(const Employee& employee) const;
    void addPayRun(const QString& runNo, const QDate& payDate) const;
    void addPayLine(const QString& runNo, const QString& employee, double netPay,
                    const QString& department = QStringLiteral("A01"), const QString& additionalRun = QString()) const;
    void addAdditionalRun(const QString& runNo, const QString& kind) const;
    void addDepartment(const QString& code, const QString& name, const QString& parent = QString()) const;
    void setBankRow(const QString& key, const QString& id1, const QString& id2 = QString(),
                    const QString& fileName = QString()) const;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString mediaFolder() const { return dir_.filePath(QStringLiteral("media")); }
    const QString& databaseFile() const { return file_; }

private:
    QTemporaryDir dir_;
    QString file_;
    std::unique_ptr<Compdata::CompanyRecordBuilder> record_;
};

// Reads a whole file as bytes.
QByteArray ReadFileBytes(const QString& path);
