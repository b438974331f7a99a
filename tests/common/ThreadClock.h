#pragma once

#include <QtGlobal>

#include <ctime>

// The processor time of the calling thread, in nanoseconds. Other processes
// on a busy machine stretch the wall clock of a timed call, not this.
inline qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
