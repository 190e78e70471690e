#pragma once
// The desktop's print chooser: the system's print dialog (the CUPS printers, the page range, the
// copies, print to file) opened on the printer the runtime set up from the configuration.
class QPrinter;

bool ChoosePrinterInDialog(QPrinter& printer, int pageCount);
