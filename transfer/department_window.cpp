#include "transfer/department_window.h"

#include "runtime/db/msqltable.h"

namespace {
const QString DepartmentColumn = QStringLiteral("DEP_NO");
const QString DepartmentNameColumn = QStringLiteral("DEP_NM");
}

QHash<QString, QString> ReadDepartmentNames()
{
    db::MSQLTable departments(db::CompanyDatabaseName, QStringLiteral("DEPT"), QStringLiteral("DEP"));
    departments.setSelectFields(QStringLiteral("DEP,NAME"));
    departments.open();
    QHash<QString, QString> names;
    for (departments.first(); !departments.eof(); departments.next())
        names.insert(departments.fieldText(QStringLiteral("DEP")), departments.fieldText(QStringLiteral("NAME")));
    return names;
}

TransferTableLayout DepartmentTableLayout()
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), 14, 12124, 20), QStringLiteral("BACC_NO")},
        {TextColumn(QStringLiteral("YG_NO"), 10, 12125, 10), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12126, 10), QStringLiteral("YG_NAME")},
        {AmountColumn(12127, 14), QString()},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12128, 10), QStringLiteral("ID_NO")},
        {TextColumn(DepartmentColumn, 8, 12129, 8), DepartmentColumn},
        {TextColumn(DepartmentNameColumn, 10, 12130, 10), QString()},
    };
    return layout;
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
