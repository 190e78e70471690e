#include "runtime/report/printersettings.h"
#include "runtime/report/pdfoutput.h"
#include "runtime/report/printers.h"
#include "runtime/report/reporterror.h"
#include "runtime/language.h"
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

TPrinterSettings TPrinterSettings::FromPrinter(const QString& printerName)
{
    TPrinterSettings settings;
    settings.printerName = printerName;
    if (IsPdfPrinter(printerName)) {
        settings.driver = QStringLiteral("PDF");
        settings.port = PdfOutputFolder();
        return settings;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw ReportError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 633).arg(printerName));
    settings.driver = info.makeAndModel();
    settings.port = info.location();
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid()) {
        settings.paperSize = paper.id();
        const QSizeF mm = paper.size(QPageSize::Millimeter);
        settings.paperWidthMm = mm.width();
        settings.paperLengthMm = mm.height();
    }
    const QPrinter printer(info);
    settings.orientation = printer.pageLayout().orientation();
    return settings;
}

TPrinterSettings TPrinterSettings::FromCurrentPrinter()
{
    return FromPrinter(CurrentPrinter());
}

} // namespace report
