#pragma once
// The clerk's say in where a printout goes. The desktop host installs a chooser (the system's print
// dialog: printer, page range, copies, print to file) that receives a printer already set up for the
// configured printer, a PDF file for the "PDF file" printer, and may change it. Without a chooser
// (the command line, the tests) printouts go to the configured printer as they stand.
#include <functional>

class QPrinter;

namespace report {

// Returns false when the clerk cancels; `pageCount` bounds the page range offered.
using PrintChooser = std::function<bool(QPrinter& printer, int pageCount)>;

void SetPrintChooser(PrintChooser chooser);
const PrintChooser& CurrentPrintChooser();

} // namespace report
