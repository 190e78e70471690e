#include "transfer/progress_adapter.h"

#include "runtime/ui/mprogress_form.h"

void ProgressWindowAdapter::Start(int maximum, const QString& text)
{
    text_ = text;
    form_.SetMaxValue(maximum);
    form_.SetValue(0);
    form_.SetText(text);
    form_.Show();
    form_.ProcessMessages();
}

bool ProgressWindowAdapter::Step(int value, const QString& employeeName)
{
    // The window repaints at a bounded rate anyway; looking at it every few employees keeps a
    // cancel click prompt without paying for a clock reading per employee.
    if (++steps_ % StepsPerLook != 0)
        return true;
    form_.SetValue(value);
    form_.SetText(text_ + u':' + employeeName.trimmed());
    form_.ProcessMessages();
    if (form_.Cancelled()) {
        form_.Hide();
        return false;
    }
    return true;
}

void ProgressWindowAdapter::Finish()
{
    form_.Hide();
}
