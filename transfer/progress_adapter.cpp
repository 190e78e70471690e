#include "transfer/progress_adapter.h"

#include "runtime/ui/mprogress_form.h"

void ProgressWindowAdapter::Start(int maximum, const QString& text)
{
    form_.SetMaxValue(maximum);
    form_.SetValue(0);
    form_.SetText(text);
    form_.Show();
    form_.ProcessMessages();
}

bool ProgressWindowAdapter::Step(int value, const QString& text)
{
    form_.SetValue(value);
    form_.SetText(text);
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
