#include "runtime/ui/function_commands.h"

#include "runtime/ui/function_buttons.h"

const std::vector<FunctionCommandInfo>& FunctionCommands()
{
    static const std::vector<FunctionCommandInfo> commands = {
        {cmdConditions, QKeySequence(Qt::Key_F2), QStringLiteral("條件")},
        {cmdBuildTable, QKeySequence(Qt::Key_F3), QStringLiteral("建表")},
        {cmdBankParameters, QKeySequence(Qt::Key_F4), QStringLiteral("參數")},
        {cmdDefine, QKeySequence(Qt::Key_F5), QStringLiteral("定義")},
        {cmdSort, QKeySequence(Qt::Key_F6), QStringLiteral("排序")},
        {cmdSum, QKeySequence(Qt::Key_F7), QStringLiteral("合計")},
        {cmdPreview, QKeySequence(Qt::Key_F8), QStringLiteral("預覽")},
        {cmdPrint, QKeySequence(Qt::CTRL | Qt::Key_F8), QStringLiteral("列印")},
        {cmdExport, QKeySequence(Qt::Key_F9), QStringLiteral("轉出")},
        {cmdFirst, QKeySequence(Qt::CTRL | Qt::Key_Home), QStringLiteral("首筆")},
        {cmdPrior, QKeySequence(Qt::Key_PageUp), QStringLiteral("上筆")},
        {cmdNext, QKeySequence(Qt::Key_PageDown), QStringLiteral("下筆")},
        {cmdLast, QKeySequence(Qt::CTRL | Qt::Key_End), QStringLiteral("末筆")},
        {cmdClose, QKeySequence(Qt::Key_Escape), QStringLiteral("結束")},
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
