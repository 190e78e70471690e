#pragma once
// The silent abort: raised by a handler that has done a command's work, so that the caller
// (the toolbar) skips its own action without showing anything.

struct SilentAbort {};

[[noreturn]] void Abort();
