#include "window_conditions.h"

#include "headless_host.h"
#include "runtime/getdate.h"
#include "runtime/ui/function_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
std::optional<int> takeChoice(Arguments& arguments, const QString& option, int highest)
{
    const std::optional<QString> text = arguments.take(option);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < 0 || value > highest)
        throw UsageError(QStringLiteral("%1 takes 0 to %2, not '%3'").arg(option).arg(highest).arg(*text).toStdString());
    return value;
}

void setText(MForm& form, const char* name, const std::optional<QString>& value)
{
    if (value)
        form.component<QLineEdit>(QLatin1String(name))->setText(*value);
}

// A date option taken whole: anything but exactly a date is refused, naming the option, before the
// edit (which holds "yyy/mm/dd" and no more) could cut it to one.
std::optional<QString> takeDate(Arguments& arguments, const QString& option)
{
    const std::optional<QString> text = arguments.take(option);
    if (!text || DateIsEmpty(*text))
        return text;
    return R_ChinaToTWData(R_TWtoChina(*text, option));
}

void setChoice(MForm& form, const char* name, const std::optional<int>& value)
{
    if (value)
        form.component<QComboBox>(QLatin1String(name))->setCurrentIndex(*value);
}
}

WindowConditions WindowConditions::Take(Arguments& a)
{
    WindowConditions c;
    c.payFrom = takeDate(a, QStringLiteral("--pay-from"));
    c.payTo = takeDate(a, QStringLiteral("--pay-to"));
    c.transferDate = takeDate(a, QStringLiteral("--date"));
    c.employeeFrom = a.take(QStringLiteral("--emp-from"));
    c.employeeTo = a.take(QStringLiteral("--emp-to"));
    c.prefix = a.take(QStringLiteral("--prefix"));
    c.departments = a.take(QStringLiteral("--depts"));
    c.kinds = a.take(QStringLiteral("--kinds"));
    c.departmentMode = takeChoice(a, QStringLiteral("--dept-mode"), 1);
    c.sort = takeChoice(a, QStringLiteral("--sort"), 1);
    c.account = takeChoice(a, QStringLiteral("--account"), 2);
    const bool title = a.takeFlag(QStringLiteral("--title")), noTitle = a.takeFlag(QStringLiteral("--no-title"));
    if (title && noTitle)
        throw UsageError("--title and --no-title exclude each other");
    if (title || noTitle)
        c.title = title;
    return c;
}

bool WindowConditions::hasPanelConditions() const
{
    return departments || kinds || departmentMode || sort || account || title.has_value();
}

void WindowConditions::ApplyTo(MForm& window, HeadlessHost& host) const
{
    if (hasPanelConditions()) {
        host.onModal([this](MForm& panel) {
            // The mode first: choosing one department with its subordinates trims the department list.
            setChoice(panel, "COM_DEP", departmentMode);
            setText(panel, "ED_DEP", departments);
            setText(panel, "ED_SZ", kinds);
            setChoice(panel, "COM_SORT", sort);
            setChoice(panel, "COM_BACC", account);
            if (title)
                panel.component<QCheckBox>(QStringLiteral("CHK_TIT"))->setChecked(*title);
            panel.component<QPushButton>(QStringLiteral("Btn_F8"))->click();
            return int(mrOk);
        });
        host.RunCommand(window, cmdConditions);
    }
    setText(window, "B_DD", payFrom);
    setText(window, "E_DD", payTo);
    setText(window, "BYg_No", employeeFrom);
    setText(window, "EYg_No", employeeTo);
    setText(window, "SelBnk_No", prefix);
    setText(window, "ZZ_DD", transferDate);
}
