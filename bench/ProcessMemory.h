#pragma once

#include <QByteArray>
#include <QFile>

#include <malloc.h>

// The process's memory as the benchmarks count it, in MB: resident (now and
// at its peak since the last reset) and what the heap holds in use.
namespace ProcessMemory {

inline double statusMb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The peak counts from here on.
inline void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

inline double peakMb() { return statusMb("VmHWM"); }
inline double residentMb() { return statusMb("VmRSS"); }

// The heap gives back what it holds free, so that the growth of a step is
// not hidden by memory an earlier one freed and kept.
inline void trimHeap() { malloc_trim(0); }

// Bytes the heap has handed out and not had back (small blocks and mapped
// ones), in MB.
inline double heapInUseMb()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

} // namespace ProcessMemory
