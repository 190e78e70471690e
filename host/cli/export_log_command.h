#pragma once
// The export log from the command line: `rar1 log [N] [--json]` lists the exports logged (newest
// first), all banks' or bank N's; `verify` says which logged export a file is, byte for byte.
#include "arguments.h"

#include <QJsonValue>
#include <QString>

struct RuntimeConfig;

int ExportLog(const RuntimeConfig& config, Arguments& arguments);
// The logged exports whose file has the bytes of `file` (by SHA-256), or "not logged"; nothing
// when the file cannot be read.
QJsonValue LoggedFileSummary(const QString& file);
