#include "transfer/progress_adapter.h"

#include "runtime/ui/mprogress_form.h"

void ProgressWindowAdapter::Start(std::function<int()> lineCount, const QString& text)
{
    text_ = text;
    lineCount_ = std::move(lineCount);
    lines_.reset();
    form_.SetValue(0);
    form_.SetText(text);
    // The window the selection's statements showed goes on, with the time it has been up and a
    // cancel pressed meanwhile.
    if (!form_.Working())
        form_.Show();
    form_.ProcessMessages();
    steps_ = 0;
    sinceLook_.start();
}

bool ProgressWindowAdapter::Step(int taken, const std::function<QString()>& employeeName)
{
    // The window is looked at for the first employee, then every few employees or every few tens of
    // milliseconds, whichever comes first: a selection of few slow employees can be cancelled as
    // well as a long one, and repaints never dominate the walk.
    const bool due = steps_++ % StepsPerLook == 0 || sinceLook_.hasExpired(LookIntervalMs);
    if (!due)
        return true;
    sinceLook_.start();
    if (!lines_ && form_.Showing()) {
        lines_ = qMax(1, lineCount_());
        form_.SetMaxValue(*lines_);
    }
    // The employees taken in, against the lines selected, as the bar has always shown them.
    if (lines_)
        form_.SetValue(taken % *lines_);
    form_.SetText(text_ + u':' + employeeName().trimmed());
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
