#pragma once
// The clerk's conditions given on the command line, applied to a transfer window the way the clerk
// would: the range edits directly, the F2 conditions through the F2 panel. What is not given keeps
// the window's saved conditions and defaults.
#include "arguments.h"

#include <optional>

class HeadlessHost;
class MForm;

struct WindowConditions {
    std::optional<QString> payFrom, payTo, transferDate, employeeFrom, employeeTo, prefix;
    std::optional<QString> departments, kinds;
    std::optional<int> departmentMode, sort, account;
    std::optional<bool> title;   // --title or --no-title; none keeps the saved choice

    static WindowConditions Take(Arguments& arguments);
    void ApplyTo(MForm& window, HeadlessHost& host) const;

private:
    bool hasPanelConditions() const;
};
