#pragma once
// The toolbar's commands in button order: code, key and the text of the caption.
#include <QKeySequence>
#include <QString>
#include <vector>

struct FunctionCommandInfo {
    int code;
    QKeySequence key;
    int textId;   // of the host's texts
    // The caption in the clerk's language.
    QString caption() const;
};

const std::vector<FunctionCommandInfo>& FunctionCommands();
const FunctionCommandInfo* FindFunctionCommand(int code);
