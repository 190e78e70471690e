#pragma once
// The text of a PDF file as pdftotext reads it (layout kept). scripts/install-deps installs it with
// poppler-utils; where it cannot be had, a test skips its check of the printed text and says why.
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#define SKIP_UNLESS_PDFTOTEXT()                                                                                    \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                                      \
    GTEST_SKIP() << "pdftotext (poppler-utils, installed by scripts/install-deps) is missing: the text of the PDF " \
                    "cannot be checked"

namespace reporttest {

// An empty text when pdftotext fails or reads nothing.
inline QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace reporttest
