#pragma once
// The toolbar's commands in button order: code, key and caption.
#include <QKeySequence>
#include <QString>
#include <vector>

struct FunctionCommandInfo {
    int code;
    QKeySequence key;
    QString caption;
};

const std::vector<FunctionCommandInfo>& FunctionCommands();
const FunctionCommandInfo* FindFunctionCommand(int code);
