#pragma once
// The preview window's own captions, in the user interface language (simplified, traditional, English).
#include <QString>

namespace report {

enum class PreviewText {
    FirstPage, PriorPage, NextPage, LastPage, WholePage, PageWidth, ActualSize, Print, Close,
    PageOfPages,      // %1 page number, %2 page count
    SavedAsPdf,       // %1 path
    SentToPrinter,    // %1 printer name
    WindowTitle,      // %1 report title
};

QString PreviewCaption(PreviewText text);

} // namespace report
