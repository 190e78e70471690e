#pragma once
// A list the clerk looks at before the work goes on (a message list, message_list.h). With `goOn`
// empty it is shown and answered mrOk. Otherwise it asks: `goOn` captions the button that goes on
// (mrOk), Cancel is the default, and closing the list answers mrCancel. With a message handler
// installed (automation.h) the handler answers, the request marked as a review.
#include <QString>
#include <functional>

int ReviewList(const QString& text, const QString& goOn = {});

// A note the clerk need not answer, put where it does not stop him: `show` puts it in a window's
// status bar. Without `show`, or with a message handler installed, it is a list shown as above, so
// that a scripted run prints it.
void ShowNote(const QString& text, const std::function<void(const QString&)>& show);
