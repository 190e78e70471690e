#pragma once
// The text of a PDF file as pdftotext reads it (layout kept), or a null text when pdftotext is not installed.
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace reporttest {

inline QString PdfText(const QString& path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return QString();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace reporttest
