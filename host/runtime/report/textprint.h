#pragma once
// The plain printout of the format description windows: the lines one under the other in the
// printer's default font, each line as high as the text height of "X" plus 2 device dots, starting
// at the left edge of the printable area (inside a margin of 20 mm), on as many pages as the lines
// need.
#include "runtime/report/laidout.h"
#include <QStringList>

namespace report {

struct TextPrintTarget {
    QString printerName;     // empty: the current printer
    QString pdfPath;         // when set: a PDF file at this path instead of a printer
    QString documentTitle;   // the print job's (and the PDF's) title
};

struct TextPrintout {
    LaidOutReport layout;
    QString pdfPath;         // the PDF written, when one was
};

// Lines laid out for a device of `dotsPerInch`; every line is an item named "Line<n>" (from 1).
// No lines still give one empty page.
LaidOutReport LayoutTextLines(const QStringList& lines, const PageSettings& page, double dotsPerInch,
                              const QString& documentTitle);
// Raises ReportError when there is no printer or the output cannot be written.
TextPrintout PrintTextLines(const QStringList& lines, const TextPrintTarget& target = {});

} // namespace report
