#pragma once

#include <QtGlobal>

#include <climits>
#include <vector>

namespace Vexal {

// The IDs stored in one table while a file is imported, in at most 8 bytes an
// ID (open addressing). It holds a bounded number of them: once full, insert()
// says so and the caller asks the database instead, so memory never grows
// with the size of a file.
class IdSet
{
public:
    static constexpr int maxCount = 1 << 22;

    void clear()
    {
        m_slots.clear();
        m_count = 0;
        m_used = 0;
    }

    bool contains(int id) const
    {
        if (m_slots.empty() || id == empty || id == removed)
            return false;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = slotOf(id);; i = (i + 1) & mask) {
            if (m_slots[i] == id)
                return true;
            if (m_slots[i] == empty)
                return false;
        }
    }

    // False when the ID cannot be held (the set is full): it is then no
    // longer complete.
    bool insert(int id)
    {
        if (id == empty || id == removed || m_count >= maxCount)
            return false;
        if (size_t(m_used + 1) * 2 > m_slots.size())
            grow();
        const size_t mask = m_slots.size() - 1;
        size_t free = SIZE_MAX;
        for (size_t i = slotOf(id);; i = (i + 1) & mask) {
            if (m_slots[i] == id)
                return true;
            if (m_slots[i] == removed && free == SIZE_MAX)
                free = i;
            if (m_slots[i] == empty) {
                if (free == SIZE_MAX) {
                    free = i;
                    ++m_used;
                }
                m_slots[free] = id;
                ++m_count;
                return true;
            }
        }
    }

    void remove(int id)
    {
        if (m_slots.empty() || id == empty || id == removed)
            return;
        const size_t mask = m_slots.size() - 1;
        for (size_t i = slotOf(id);; i = (i + 1) & mask) {
            if (m_slots[i] == id) {
                m_slots[i] = removed;
                --m_count;
                return;
            }
            if (m_slots[i] == empty)
                return;
        }
    }

    int size() const { return m_count; }

private:
    static constexpr int empty = INT_MIN;
    static constexpr int removed = INT_MIN + 1;

    // Runs of 16 consecutive IDs (files and tables mostly count up) share
    // one cache line; the runs are placed by the top bits of a 64-bit
    // multiplicative hash, so IDs that share their low bits (every 4096th,
    // say) still spread over the whole table and no file can make the probes
    // run long.
    size_t slotOf(int id) const
    {
        const quint64 run = quint64(unsigned(id) >> 4) * 0x9E3779B97F4A7C15ull;
        return (size_t(run >> m_shift) & ~size_t(15)) | (unsigned(id) & 15u);
    }

    void grow()
    {
        std::vector<int> old;
        old.swap(m_slots);
        m_slots.assign(old.empty() ? 1024 : old.size() * 2, empty);
        m_shift = 64;
        for (size_t size = m_slots.size(); size > 1; size >>= 1)
            --m_shift;
        m_count = 0;
        m_used = 0;
        for (const int id : old) {
            if (id != empty && id != removed)
                insert(id);
        }
    }

    std::vector<int> m_slots;
    int m_count = 0; // IDs held
    int m_used = 0;  // slots taken, removed ones included
    int m_shift = 64; // 64 - log2(slots)
};

} // namespace Vexal
