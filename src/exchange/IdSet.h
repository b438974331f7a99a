#pragma once

#include <QtGlobal>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace Vexal {

// Stored IDs of one table while a file is imported: those the import read
// and those the file stored, however many (ThreadXmlImport::exists). IDs are
// 64-bit, as a table's keys are. They mostly run densely, so they are kept by
// blocks of 65,536 consecutive IDs (found by the upper 48 bits): a block holds
// the low 16 bits of its IDs as a sorted array while it has few (2 bytes an
// ID), and as a bitmap of 8 KiB once it has more (a bit an ID). A table of
// millions of rows takes well under a megabyte; scattered IDs take at most
// about 2 bytes each, besides a few dozen bytes per block.
class IdSet
{
public:
    void clear()
    {
        m_blocks.clear();
        m_last = nullptr;
        m_count = 0;
    }

    bool contains(qint64 id) const
    {
        const Block* block = find(keyOf(id));
        return block && block->contains(lowOf(id));
    }

    void insert(qint64 id)
    {
        const quint64 key = keyOf(id);
        Block* block = find(key);
        if (!block) {
            block = &m_blocks[key];
            m_last = block;
            m_lastKey = key;
        }
        m_count += block->insert(lowOf(id));
    }

    void remove(qint64 id)
    {
        Block* block = find(keyOf(id));
        if (block)
            m_count -= block->remove(lowOf(id));
    }

    qint64 size() const { return m_count; }

private:
    // An array of this many IDs takes as much room as the bitmap.
    static constexpr std::size_t arrayLimit = 4096;
    static constexpr std::size_t bitmapWords = 65536 / 64;

    struct Block
    {
        std::vector<quint16> ids;  // sorted, while the block has few
        std::vector<quint64> bits; // once it has more

        bool contains(quint16 low) const
        {
            if (!bits.empty())
                return (bits[low >> 6] >> (low & 63)) & 1;
            return std::binary_search(ids.begin(), ids.end(), low);
        }
        // Whether the ID was new.
        bool insert(quint16 low)
        {
            if (bits.empty()) {
                const auto at = std::lower_bound(ids.begin(), ids.end(), low);
                if (at != ids.end() && *at == low)
                    return false;
                if (ids.size() < arrayLimit) {
                    ids.insert(at, low);
                    return true;
                }
                bits.assign(bitmapWords, 0);
                for (const quint16 held : ids)
                    bits[held >> 6] |= quint64(1) << (held & 63);
                std::vector<quint16>().swap(ids);
            }
            quint64& word = bits[low >> 6];
            const quint64 bit = quint64(1) << (low & 63);
            const bool added = !(word & bit);
            word |= bit;
            return added;
        }
        // Whether the ID was held.
        bool remove(quint16 low)
        {
            if (!bits.empty()) {
                quint64& word = bits[low >> 6];
                const quint64 bit = quint64(1) << (low & 63);
                const bool held = word & bit;
                word &= ~bit;
                return held;
            }
            const auto at = std::lower_bound(ids.begin(), ids.end(), low);
            if (at == ids.end() || *at != low)
                return false;
            ids.erase(at);
            return true;
        }
    };

    static quint64 keyOf(qint64 id) { return quint64(id) >> 16; }
    static quint16 lowOf(qint64 id) { return quint16(quint64(id) & 0xFFFF); }

    // IDs come in runs: the block of the last one is tried first.
    Block* find(quint64 key) const
    {
        if (m_last && m_lastKey == key)
            return m_last;
        const auto found = m_blocks.find(key);
        if (found == m_blocks.end())
            return nullptr;
        m_last = const_cast<Block*>(&found->second);
        m_lastKey = key;
        return m_last;
    }

    std::unordered_map<quint64, Block> m_blocks; // by the IDs' upper 48 bits
    mutable Block* m_last = nullptr;
    mutable quint64 m_lastKey = 0;
    qint64 m_count = 0;
};

} // namespace Vexal
