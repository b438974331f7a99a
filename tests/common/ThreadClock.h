#pragma once

#include <QtGlobal>

#include <algorithm>
#include <ctime>
#include <limits>

// The processor time of the calling thread, in nanoseconds. Other processes
// on a busy machine stretch the wall clock of a timed call, not this.
inline qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The least processor time of a few runs of a call: the benchmarks that show
// how a cost grows compare these, as a busy machine stretches a run but never
// shortens one. (Tests count work instead: no clock decides a test.)
template <class Run>
qint64 bestThreadCpuNs(Run run, int runs = 3)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        const qint64 start = threadCpuNs();
        run();
        best = std::min(best, threadCpuNs() - start);
    }
    return best;
}
