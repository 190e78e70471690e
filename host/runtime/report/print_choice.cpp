#include "runtime/report/print_choice.h"

namespace report {
namespace {

PrintChooser& Chooser()
{
    static PrintChooser chooser;
    return chooser;
}

} // namespace

void SetPrintChooser(PrintChooser chooser)
{
    Chooser() = std::move(chooser);
}

const PrintChooser& CurrentPrintChooser()
{
    return Chooser();
}

} // namespace report
