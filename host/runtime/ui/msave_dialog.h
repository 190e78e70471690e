#pragma once
// The file-save dialog. Filter in either form "*.TXT" or "Text files (*.TXT)|*.TXT|...".
// It does not ask about replacing a file: callers ask in their own words.
#include <QString>

class MSaveDialog {
public:
    QString FileName;
    QString Filter;
    QString DefaultExt;   // without the dot; added to a chosen name that has no extension
    QString Title;

    // True when the clerk confirmed; FileName then holds the chosen name.
    bool Execute();
};
