#include "runtime/report/printers.h"
#include "runtime/config.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/reporterror.h"
#include "runtime/language.h"
#include <QPrinterInfo>
#include <algorithm>

namespace report {

std::vector<PrinterInfo> Printers()
{
    std::vector<PrinterInfo> printers;
    if (CurrentConfig().pdfPrinter)
        printers.push_back({PdfPrinterName, QStringLiteral("PDF"), PdfOutputFolder(), true});
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        printers.push_back({info.printerName(), info.makeAndModel(), info.location(), false});
    return printers;
}

bool HasPrinter()
{
    return !Printers().empty();
}

bool IsPdfPrinter(const QString& printerName)
{
    return printerName == PdfPrinterName;
}

QString CurrentPrinter()
{
    const std::vector<PrinterInfo> printers = Printers();
    auto available = [&](const QString& name) {
        return std::any_of(printers.begin(), printers.end(), [&](const PrinterInfo& p) { return p.name == name; });
    };
    const QString configured = CurrentConfig().printer;
    if (!configured.isEmpty()) {
        if (!available(configured))
            throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 634).arg(configured));
        return configured;
    }
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    if (!systemDefault.isEmpty() && available(systemDefault)) return systemDefault;
    if (printers.empty())
        throw ReportError(QStringLiteral("No printer is installed. Install a printer before printing."));
    return printers.front().name;
}

} // namespace report
