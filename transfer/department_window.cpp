#include "transfer/department_window.h"

#include "runtime/db/msqltable.h"

namespace {
const QString DepartmentColumn = QStringLiteral("DEP_NO");
const QString DepartmentNameColumn = QStringLiteral("DEP_NM");
}

QMap<QString, QString> ReadDepartmentNames()
{
    db::MSQLTable departments(db::CompanyDatabaseName, QStringLiteral("DEPT"), QStringLiteral("DEP"));
    departments.setSelectFields(QStringLiteral("DEP,NAME"));
    departments.open();
    QMap<QString, QString> names;
    for (departments.first(); !departments.eof(); departments.next())
        names.insert(departments.fieldText(QStringLiteral("DEP")), departments.fieldText(QStringLiteral("NAME")));
    return names;
}

TransferTableLayout DepartmentTableLayout()
{
    return TransferTableLayout::AccountAndDepartment();
}

bool DepartmentTransferWindow::ReadyToFill()
{
    departmentNames_ = ReadDepartmentNames();
    return true;
}

void DepartmentTransferWindow::CompleteEmployeeRow(db::LocalTable& row)
{
    row.setField(DepartmentNameColumn, departmentNames_.value(row.fieldText(DepartmentColumn)));
}
