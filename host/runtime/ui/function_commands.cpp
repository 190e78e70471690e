#include "runtime/ui/function_commands.h"

#include "runtime/host_texts.h"
#include "runtime/ui/function_buttons.h"

const std::vector<FunctionCommandInfo>& FunctionCommands()
{
    static const std::vector<FunctionCommandInfo> commands = {
        {cmdConditions, QKeySequence(Qt::Key_F2), 720},
        {cmdBuildTable, QKeySequence(Qt::Key_F3), 721},
        {cmdBankParameters, QKeySequence(Qt::Key_F4), 722},
        {cmdDefine, QKeySequence(Qt::Key_F5), 723},
        {cmdSort, QKeySequence(Qt::Key_F6), 724},
        {cmdSum, QKeySequence(Qt::Key_F7), 725},
        {cmdPreview, QKeySequence(Qt::Key_F8), 726},
        {cmdPrint, QKeySequence(Qt::CTRL | Qt::Key_F8), 727},
        {cmdExport, QKeySequence(Qt::Key_F9), 728},
        {cmdFirst, QKeySequence(Qt::CTRL | Qt::Key_Home), 729},
        {cmdPrior, QKeySequence(Qt::Key_PageUp), 730},
        {cmdNext, QKeySequence(Qt::Key_PageDown), 731},
        {cmdLast, QKeySequence(Qt::CTRL | Qt::Key_End), 732},
        {cmdClose, QKeySequence(Qt::Key_Escape), 733},
    };
    return commands;
}

const FunctionCommandInfo* FindFunctionCommand(int code)
{
    for (const FunctionCommandInfo& command : FunctionCommands())
        if (command.code == code)
            return &command;
    return nullptr;
}

QString FunctionCommandInfo::caption() const
{
    return HostText(textId);
}
