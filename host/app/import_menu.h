#pragma once
// The company data items of the desktop's File menu: import a pay sheet, employees or departments
// (the file, the first rows as read with their columns named, the checks' refusals as a list, then
// the import with progress), edit the company record, and make a new empty company database.
#include "runtime/config.h"

#include <functional>

class QMenu;
class QWidget;

// Adds the items to `file`. `config` names the database and the company; `changed` is called after
// anything was written, so that the window can hand the module the company again, with true when
// `config` names a new database (already connected): windows of the former one should close.
void AddCompanyDataItems(QMenu* file, QWidget* parent, RuntimeConfig& config, std::function<void(bool)> changed);
