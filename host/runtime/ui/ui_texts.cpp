#include "runtime/ui/ui_texts.h"

namespace UiText {

QString UnexpectedError() { return QStringLiteral("發生未預期的錯誤，請重新操作一次；若仍發生，請通知系統管理人員。"); }
QString MissingComponent(const QString& formClass, const QString& name)
{
    return QStringLiteral("視窗 %1 缺少元件 %2，請通知系統管理人員。").arg(formClass, name);
}

QString ConfirmButton() { return QStringLiteral("F8 確認"); }
QString CancelButton() { return QStringLiteral("Esc 取消"); }
QString ConditionsCaption() { return QStringLiteral("條件設定"); }

QString UnknownControlClass(const QString& line, const QString& className)
{
    return QStringLiteral("條件項目「%1」的元件類別「%2」無法使用（可用 TEdit、TCombobox、TCheckBox）。").arg(line, className);
}

QString BadConditionLine(const QString& line)
{
    return QStringLiteral("條件項目「%1」的格式不正確，應為：標題,元件類別[,選擇按鈕],元件名稱。").arg(line);
}

QString MissingPickerButton(const QString& name)
{
    return QStringLiteral("視窗中找不到選擇按鈕 %1。").arg(name);
}

QString DefineCaption() { return QStringLiteral("欄位定義"); }
QString DefineHeaders() { return QStringLiteral("欄位;標題;寬度;顯示"); }
QString SortCaption() { return QStringLiteral("排序"); }

QString SortLevel(int level)
{
    static const char* const names[] = {"第一排序", "第二排序", "第三排序"};
    return QString::fromUtf8(names[qBound(0, level, 2)]);
}

QString NoSort() { return QStringLiteral("（不排序）"); }
QString SumCaption() { return QStringLiteral("合計"); }
QString NothingToSum() { return QStringLiteral("這個表格沒有可以加總的數字欄位。"); }
QString LookupCaption() { return QStringLiteral("查詢"); }
QString LookupSearch() { return QStringLiteral("搜尋"); }
QString LookupCode() { return QStringLiteral("代號"); }
QString LookupDetail() { return QStringLiteral("名稱"); }
QString ProgressCancel() { return QStringLiteral("取消"); }
QString SaveCaption() { return QStringLiteral("另存新檔"); }

} // namespace UiText
