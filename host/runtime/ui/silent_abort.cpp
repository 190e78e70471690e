#include "runtime/ui/silent_abort.h"

void Abort()
{
    throw SilentAbort{};
}
