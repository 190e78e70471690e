#include "common/file_names.h"

QString ChangeFileExt(const QString& path, const QString& extension)
{
    const int nameStart = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    const int dot = path.lastIndexOf(u'.');
    const int cut = dot >= nameStart ? dot : int(path.size());
    return path.left(cut) + extension;
}
