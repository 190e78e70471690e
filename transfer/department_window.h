#pragma once
// A transfer window whose table shows, beside account, employee, name and amount, the identity
// number and the employee's department with its name from the department master.
#include "transfer/transfer_window.h"

#include <QMap>

// The departments' names (DEPT.NAME) by their codes. A company has tens of departments, and each
// employee row looks its name up: an ordered map finds a short code several times faster than a hash.
QMap<QString, QString> ReadDepartmentNames();

// The window's table: account (cut to 14 characters, the subtotal and total labels too), employee
// number, name, amount, identity number, department code and name.
TransferTableLayout DepartmentTableLayout();

class DepartmentTransferWindow : public TransferWindow {
protected:
    using TransferWindow::TransferWindow;

    TransferTableLayout TableLayout() const override { return DepartmentTableLayout(); }
    // The department names are read afresh for every selection.
    bool ReadyToFill() override;
    void CompleteEmployeeRow(db::LocalTable& row) override;

private:
    QMap<QString, QString> departmentNames_;
};
