#pragma once
// The printers reports can go to: the "PDF file" printer, present unless the runtime configuration
// switches it off (pdf_printer = 0), followed by the printers CUPS offers.
// The current printer is the configured one (printer = NAME), else the system's default printer,
// else "PDF file".
#include <QString>
#include <vector>

namespace report {

inline const QString PdfPrinterName = QStringLiteral("PDF file");

struct PrinterInfo {
    QString name;
    QString driver;
    QString port;
    bool isPdf = false;
};

std::vector<PrinterInfo> Printers();
bool HasPrinter();
bool IsPdfPrinter(const QString& printerName);
// Raises ReportError when there is no printer at all, or when the configured printer is not available.
QString CurrentPrinter();

} // namespace report
