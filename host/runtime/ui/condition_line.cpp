#include "runtime/ui/condition_line.h"

#include "runtime/ui/ui_texts.h"

#include <QStringList>
#include <stdexcept>

namespace {

ConditionLine::Kind KindOf(const QString& line, const QString& className)
{
    if (className.compare(QLatin1String("TEdit"), Qt::CaseInsensitive) == 0)
        return ConditionLine::Kind::Edit;
    if (className.compare(QLatin1String("TCombobox"), Qt::CaseInsensitive) == 0)
        return ConditionLine::Kind::ComboBox;
    if (className.compare(QLatin1String("TCheckBox"), Qt::CaseInsensitive) == 0)
        return ConditionLine::Kind::CheckBox;
    throw std::invalid_argument(UiText::UnknownControlClass(line, className).toStdString());
}

} // namespace

ConditionLine ConditionLine::Parse(const QString& line)
{
    QStringList parts = line.split(u',');
    for (QString& part : parts)
        part = part.trimmed();
    if ((parts.size() != 3 && parts.size() != 4) || parts.first().isEmpty() || parts.last().isEmpty())
        throw std::invalid_argument(UiText::BadConditionLine(line).toStdString());
    ConditionLine result;
    result.label = parts[0];
    result.kind = KindOf(line, parts[1]);
    if (parts.size() == 4)
        result.pickerButton = parts[2];
    result.controlName = parts.last();
    return result;
}
