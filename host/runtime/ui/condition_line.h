#pragma once
// One condition of the F2 panel as the window lists it: "1.部門選擇,TEdit,Btn_Dep,ED_DEP" is the
// label, the control class (TEdit, TCombobox, TCheckBox), the window's picker button (optional)
// and the control's name.
#include <QString>

struct ConditionLine {
    enum class Kind { Edit, ComboBox, CheckBox };
    QString label;
    Kind kind = Kind::Edit;
    QString pickerButton;
    QString controlName;

    // Raises std::invalid_argument naming the line when it cannot be read.
    static ConditionLine Parse(const QString& line);
};
