#pragma once
// CPU time of the calling thread, so that speed checks do not fail because the machine is busy.
#include <ctime>

inline double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}
