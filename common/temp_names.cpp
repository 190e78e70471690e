#include "common/temp_names.h"

#include "runtime/language.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <stdexcept>

void MakeTempTableName(const QString& prefix, QString& folder, QString& name)
{
    QTemporaryFile file(QDir::tempPath() + u'/' + prefix + QStringLiteral("XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open())
        throw std::runtime_error(
            LoadFormResourceStr(QStringLiteral("WAGBK"), 15103).arg(QDir::toNativeSeparators(QDir::tempPath())).toStdString());
    const QFileInfo info(file.fileName());
    folder = info.absolutePath() + u'/';
    name = info.fileName();
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    name += QStringLiteral(".DB");
}
