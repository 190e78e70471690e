#pragma once
// Laid-out pages onto devices: a PDF file, a CUPS printer, images for the preview.
#include "runtime/report/laidout.h"
#include <QImage>

namespace report {

constexpr int PdfResolution = 600;   // dots per inch of the PDF files written

// Raises ReportError when the file cannot be written.
void WritePdf(const LaidOutReport& report, const QString& path);
// Prints on the named printer; for "PDF file" writes PdfOutputPath(title) and returns that path,
// else returns empty. With a print chooser installed the clerk chooses first (the named printer is
// the default; a print to file returns the file); a cancelled choice raises SilentAbort.
// Raises ReportError when the printer cannot be used.
QString PrintPages(const LaidOutReport& report, const QString& printerName);
// Page `index` (from 0) as a white image at `dotsPerInch`.
QImage PageImage(const LaidOutReport& report, int index, double dotsPerInch);

} // namespace report
