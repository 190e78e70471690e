#pragma once
// An export's entry in the log (runtime/db/export_log.h), with the employees of the transfer table
// it was written from.
#include "runtime/db/export_log.h"
#include "runtime/db/localtable.h"

// The value of an export's conditions in words, as the window hands it over (ExportValues::further).
inline const QString LoggedConditionsName = QStringLiteral("LOG_CONDITIONS");

// Within the caller's transaction on the company database; returns the export's number.
int LogExport(const LoggedExport& entry, const db::LocalTable& table);
