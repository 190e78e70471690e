#pragma once
// What a report takes over from a printer: its name, driver and port, and its default paper and
// orientation. Built from the current printer before a transfer list runs.
#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace report {

struct TPrinterSettings {
    QString printerName;
    QString driver;     // the CUPS make and model; "PDF" for the PDF file printer
    QString port;       // the CUPS location; the output folder for the PDF file printer
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPageSize::PageSizeId paperSize = QPageSize::A4;
    double paperWidthMm = 210;      // the sheet held upright
    double paperLengthMm = 297;

    // Raises ReportError when no printer of that name is available.
    static TPrinterSettings FromPrinter(const QString& printerName);
    static TPrinterSettings FromCurrentPrinter();
};

} // namespace report
