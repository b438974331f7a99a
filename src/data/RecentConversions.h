#pragma once

#include <QImage>

#include <array>
#include <utility>

namespace Vexal {

// The last few conversions of one kind made on the calling thread (keep one
// per thread: thread_local), so that a value met again row after row is
// converted once: the default icon that every new bookmark and history row
// holds, or the icon a file repeats. The most recently used stay; a miss
// drops the least recent.
//
// Images are keyed by their data (cacheKey): the kept copy holds the data, so
// its key cannot come back for another image, and changing a shared image
// gives it new data. Bytes and texts are keyed by their content.
template <class From, class To, int Size = 4>
class RecentConversions
{
public:
    template <class Convert>
    const To& get(const From& from, Convert convert)
    {
        int hit = 0;
        while (hit < m_count && !same(m_entries[hit].first, from))
            ++hit;
        if (hit == m_count) {
            if (m_count < Size)
                ++m_count;
            hit = m_count - 1;
            m_entries[hit] = {from, convert(from)};
        }
        // The entry found or made moves to the front.
        for (; hit > 0; --hit)
            std::swap(m_entries[hit], m_entries[hit - 1]);
        return m_entries[0].second;
    }

private:
    static bool same(const QImage& a, const QImage& b) { return a.cacheKey() == b.cacheKey(); }
    template <class T>
    static bool same(const T& a, const T& b)
    {
        return a == b;
    }

    std::array<std::pair<From, To>, Size> m_entries;
    int m_count = 0;
};

} // namespace Vexal
