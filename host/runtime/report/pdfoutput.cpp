#include "runtime/report/pdfoutput.h"
#include "runtime/config.h"
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace report {
namespace {

QString& FixedPath()
{
    static QString path;
    return path;
}

bool& FixedPathReplaces()
{
    static bool replaces = true;
    return replaces;
}

QString FileNameSafe(QString title)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : title)
        if (forbidden.contains(c)) c = u'_';
    return title.isEmpty() ? QStringLiteral("report") : title;
}

} // namespace

void SetPdfOutputPath(const QString& path, bool replaces)
{
    FixedPath() = path;
    FixedPathReplaces() = replaces;
}

bool PdfOutputReplaces()
{
    return !FixedPath().isEmpty() && FixedPathReplaces();
}

QString PdfOutputFolder()
{
    const QString configured = CurrentConfig().mediaDir;
    return configured.isEmpty() ? QDir::homePath() : configured;
}

QString PdfOutputPath(const QString& documentTitle)
{
    if (!FixedPath().isEmpty()) return FixedPath();
    const QDir folder(PdfOutputFolder());
    const QString stem = FileNameSafe(documentTitle) + u' ' +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(copy));
    return path;
}

} // namespace report
