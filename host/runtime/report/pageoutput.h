#pragma once
// Laid-out pages onto devices: a PDF file, a CUPS printer, images for the preview.
#include "runtime/report/laidout.h"
#include <QImage>
#include <functional>

namespace report {

constexpr int PdfResolution = 600;   // dots per inch of the PDF files written

// Raises ReportError when the file cannot be written.
void WritePdf(const LaidOutReport& report, const QString& path);

// Pages made one after another: the producer hands each page to the sink as soon as it is made.
using PageSink = std::function<void(LaidOutPage&& page)>;
using PageProducer = std::function<void(const PageSink& sink)>;
// Writes the pages to a PDF file as they are made, holding one page at a time; `report` gives the
// title and paper, its pages are not read. The file appears only when every page is in it.
void WritePdfAsMade(const LaidOutReport& report, const PageProducer& produce, const QString& path);
// Prints on the named printer; for "PDF file" writes PdfOutputPath(title) and returns that path,
// else returns empty. With a print chooser installed the clerk chooses first (the named printer is
// the default; a print to file returns the file); a cancelled choice raises SilentAbort.
// Raises ReportError when the printer cannot be used.
QString PrintPages(const LaidOutReport& report, const QString& printerName);
// The same, with the pages painted as they are made: the producer is run once more to count the
// pages for the chooser, and once per copy a printer does not make itself.
QString PrintPagesAsMade(const LaidOutReport& report, const PageProducer& produce, const QString& printerName);
// Page `index` (from 0) as a white image at `dotsPerInch`.
QImage PageImage(const LaidOutReport& report, int index, double dotsPerInch);

} // namespace report
