#pragma once
#include <QString>

// `path` with the extension of its file name replaced by `extension` (".TXT"): the text from the
// last "." of the file name on is replaced, a name without a "." gains the extension. "PAY.DAT"
// becomes "PAY.TXT", "PAY." becomes "PAY.TXT", "PAY" becomes "PAY.TXT"; a "." in a folder name
// does not count.
QString ChangeFileExt(const QString& path, const QString& extension);
