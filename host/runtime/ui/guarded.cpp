#include "runtime/ui/guarded.h"

#include "runtime/ui/messages.h"
#include "runtime/ui/silent_abort.h"
#include "runtime/ui/ui_texts.h"

#include <exception>

void RunGuarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(UiText::UnexpectedError());
    }
}
