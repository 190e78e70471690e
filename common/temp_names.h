#pragma once
#include <QString>

// A unique file name for a temporary table: the system creates a unique temporary file with
// `prefix` in its temporary folder; the name is cut at its last "." and gets ".DB".
// `folder` receives the folder with its trailing separator, `name` the file name.
void MakeTempTableName(const QString& prefix, QString& folder, QString& name);

// Removes the file that MakeTempTableName had the system create for `folder` and `name`.
void RemoveTempTableFile(const QString& folder, const QString& name);
