#include "transfer/department_names.h"

#include "runtime/db/database.h"
#include "runtime/db/msqltable.h"

QString DepartmentNames::NameOf(const QString& department)
{
    const auto known = names_.constFind(department);
    if (known != names_.constEnd())
        return *known;
    db::MSQLTable dept(db::CompanyDatabaseName, QStringLiteral("DEPT"), QStringLiteral("DEP"));
    dept.setSelectFields(QStringLiteral("DEP,NAME"));
    dept.setKeyRecordOnly(true);
    dept.open();
    const QString name = dept.findKey({department}) ? dept.fieldText(QStringLiteral("NAME")) : QString();
    names_.insert(department, name);
    return name;
}
