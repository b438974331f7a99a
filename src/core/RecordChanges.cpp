#include "core/RecordChanges.h"

#include <algorithm>
#include <limits>

namespace Vexal {

namespace {

// Whether b starts right after a ends (no gap between them).
bool touches(qint64 end, qint64 start)
{
    return end == std::numeric_limits<qint64>::max() || start <= end + 1;
}

} // namespace

void RowIdSet::add(qint64 first, qint64 last)
{
    if (first > last)
        return;
    // Rows stored one after another extend the last range or follow it.
    if (m_ranges.isEmpty() || !touches(m_ranges.last().second, first)) {
        m_ranges.append({first, last});
        return;
    }
    if (first >= m_ranges.last().first) {
        m_ranges.last().second = std::max(m_ranges.last().second, last);
        return;
    }
    // The first range that ends at or after first - 1 ...
    auto begin = std::lower_bound(m_ranges.begin(), m_ranges.end(), first,
                                  [](const Range& range, qint64 id) { return !touches(range.second, id); });
    // ... up to the first that starts after last + 1 merge with it.
    auto end = begin;
    Range merged{first, last};
    while (end != m_ranges.end() && touches(last, end->first)) {
        merged.first = std::min(merged.first, end->first);
        merged.second = std::max(merged.second, end->second);
        ++end;
    }
    const int at = int(begin - m_ranges.begin());
    m_ranges.erase(begin, end);
    m_ranges.insert(at, merged);
}

void RowIdSet::unite(const RowIdSet& other)
{
    for (const Range& range : other.m_ranges)
        add(range.first, range.second);
}

bool RowIdSet::contains(qint64 id) const
{
    const auto it = std::lower_bound(m_ranges.begin(), m_ranges.end(), id,
                                     [](const Range& range, qint64 value) { return range.second < value; });
    return it != m_ranges.end() && it->first <= id;
}

qint64 RowIdSet::count() const
{
    qint64 total = 0;
    for (const Range& range : m_ranges)
        total += range.second - range.first + 1;
    return total;
}

RowIdSet RowIdSet::within(qint64 low, qint64 high) const
{
    RowIdSet part;
    for (const Range& range : m_ranges) {
        const qint64 first = std::max(range.first, low);
        const qint64 last = std::min(range.second, high);
        if (first <= last)
            part.m_ranges.append({first, last});
    }
    return part;
}

RecordChanges::Table& RecordChanges::entry(const QString& table)
{
    if (m_last >= 0 && m_tables.at(m_last).name.compare(table, Qt::CaseInsensitive) == 0)
        return m_tables[m_last];
    for (int i = 0; i < m_tables.size(); ++i) {
        if (m_tables.at(i).name.compare(table, Qt::CaseInsensitive) == 0) {
            m_last = i;
            return m_tables[i];
        }
    }
    m_tables.append(Table{table, false, {}});
    m_last = m_tables.size() - 1;
    return m_tables.last();
}

const RecordChanges::Table* RecordChanges::find(const QString& table) const
{
    for (const Table& known : m_tables) {
        if (known.name.compare(table, Qt::CaseInsensitive) == 0)
            return &known;
    }
    return nullptr;
}

void RecordChanges::add(const QString& table, qint64 rowid)
{
    Table& changed = entry(table);
    if (changed.anyRow)
        return;
    changed.rows.add(rowid);
    if (changed.rows.ranges().size() > maxRanges)
        addTable(table);
}

void RecordChanges::addTable(const QString& table)
{
    Table& changed = entry(table);
    changed.anyRow = true;
    changed.rows = RowIdSet();
}

void RecordChanges::unite(const RecordChanges& other)
{
    for (const Table& table : other.m_tables) {
        if (table.anyRow) {
            addTable(table.name);
            continue;
        }
        Table& changed = entry(table.name);
        if (changed.anyRow)
            continue;
        changed.rows.unite(table.rows);
        if (changed.rows.ranges().size() > maxRanges)
            addTable(table.name);
    }
}

QStringList RecordChanges::tables() const
{
    QStringList names;
    for (const Table& table : m_tables)
        names << table.name;
    return names;
}

bool RecordChanges::touchesAny(const QStringList& tables) const
{
    for (const QString& table : tables) {
        if (find(table))
            return true;
    }
    return false;
}

const RowIdSet* RecordChanges::rowsOf(const QString& table) const
{
    const Table* changed = find(table);
    return changed && !changed->anyRow ? &changed->rows : nullptr;
}

RecordChanges RecordChanges::of(const QStringList& tables) const
{
    RecordChanges part;
    for (const Table& table : m_tables) {
        if (tables.contains(table.name, Qt::CaseInsensitive))
            part.m_tables.append(table);
    }
    return part;
}

} // namespace Vexal
