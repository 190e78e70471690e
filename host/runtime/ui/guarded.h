#pragma once
// Runs an action at the top of an event (a click, a key, a posted message): the silent abort ends
// it quietly, any other error is shown to the clerk, and the window stays usable.
#include <functional>

void RunGuarded(const std::function<void()>& action);
