#pragma once
// The window components' own captions and messages, kept together so that they read alike.
#include <QString>

namespace UiText {
QString UnexpectedError();
QString MissingComponent(const QString& formClass, const QString& name);
QString ConfirmButton();      // "F8 確認"
QString CancelButton();       // "Esc 取消"
QString ConditionsCaption();  // the F2 panel when the window names none
QString UnknownControlClass(const QString& line, const QString& className);
QString BadConditionLine(const QString& line);
QString MissingPickerButton(const QString& name);
QString DefineCaption();
QString DefineHeaders();      // "欄位;標題;寬度;顯示"
QString SortCaption();
QString SortLevel(int level); // "第一排序" ...
QString NoSort();
QString SumCaption();
QString NothingToSum();
QString LookupCaption();
QString LookupSearch();
QString LookupCode();
QString LookupDetail();
QString ProgressCancel();
QString SaveCaption();
} // namespace UiText
