#include "common/temp_names.h"

#include "runtime/language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <stdexcept>

namespace {
// The system's file is the table's name with ".tmp" in place of ".DB".
const QString SystemSuffix = QStringLiteral(".tmp");
const QString TableSuffix = QStringLiteral(".DB");
}

void MakeTempTableName(const QString& prefix, QString& folder, QString& name)
{
    QTemporaryFile file(QDir::tempPath() + u'/' + prefix + QStringLiteral("XXXXXX") + SystemSuffix);
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
    name += TableSuffix;
}

void RemoveTempTableFile(const QString& folder, const QString& name)
{
    if (!name.endsWith(TableSuffix))
        return;
    QFile::remove(folder + name.chopped(TableSuffix.size()) + SystemSuffix);
}
