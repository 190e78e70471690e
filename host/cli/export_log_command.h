#pragma once
// The export log from the command line: `rar1 log [N] [--json]` lists the exports logged (newest
// first), all banks' or bank N's; `verify` says which logged export a file is, byte for byte.
#include "arguments.h"

#include <QString>

struct RuntimeConfig;

int ExportLog(const RuntimeConfig& config, Arguments& arguments);
// Prints the logged exports whose file has the bytes of `file` (by SHA-256), or "not logged".
void PrintLoggedFile(const QString& file);
