#pragma once
// The names of the departments (DEPT.NAME by DEP), for transfer tables that show them beside the
// department code. Each department is looked up once until the names are forgotten again.
#include <QHash>
#include <QString>

class DepartmentNames {
public:
    // The department's name; empty when DEPT has no such department.
    QString NameOf(const QString& department);
    // Forgets what was looked up, so that the next selection reads the names afresh.
    void Forget() { names_.clear(); }

private:
    QHash<QString, QString> names_;
};
