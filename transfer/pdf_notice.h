#pragma once
#include <QString>

// With the "PDF file" printer a printout becomes a file: the clerk is told where it went.
// An empty path (a real printer) shows nothing.
void TellPdfWritten(const QString& pdfPath);
