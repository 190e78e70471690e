#pragma once
// Where the "PDF file" printer writes. Normally a new file in the configured media folder (the home
// folder when none is configured), named after the document and the time of printing:
// "<title> 20260301-142530.pdf", with " (2)", " (3)" ... added when that name is taken.
// A host that drives the module without a clerk (scripts, tests) fixes the path instead with
// SetPdfOutputPath; every later PDF print then writes that one file, until an empty path is set.
// A file found at the path is replaced only when `replaces` says so; a name of the folder's own is
// never a file's that is there.
#include <QString>

namespace report {

void SetPdfOutputPath(const QString& path, bool replaces = true);
bool PdfOutputReplaces();
QString PdfOutputFolder();
QString PdfOutputPath(const QString& documentTitle);

} // namespace report
