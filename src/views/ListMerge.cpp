#include "views/ListMerge.h"

#include "core/Logger.h"
#include "core/RecordChanges.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

namespace Vexal {

namespace {

// More changed IDs than this and the rows on screen are read instead.
constexpr qint64 mostIdsReadAgain = 2048;
// Rows inserted, moved, or runs of rows removed one at a time, at most: each
// costs the views as much as the rows they show. Past it the rows on screen
// are read instead.
constexpr int mostPlacesChanged = 64;
// Rows read beyond the range asked, for rows stored among them.
constexpr int rangeMargin = 64;

} // namespace

ListMerge::ListMerge(ListHeldRows& rows, ListReader& reader)
    : m_rows(rows)
    , m_reader(reader)
{
}

bool ListMerge::rereadIds(const RecordChanges& changes, const QString& idTable)
{
    const RowIdSet* ids = idTable.isEmpty() ? nullptr : changes.rowsOf(idTable);
    if (!ids || changes.tables().size() != 1 || m_reader.idColumn() < 0)
        return false;
    RowIdSet wanted = *ids;
    const ListPlace* end = m_rows.readEnd();
    if (m_reader.keyColumn() < 0 && end) {
        // In the order of ID, the IDs after the last row held are rows the
        // next fetch reads.
        wanted = m_reader.isDescending() ? wanted.within(end->id, std::numeric_limits<qint64>::max())
                                         : wanted.within(std::numeric_limits<qint64>::min(), end->id);
        if (wanted.count() < ids->count())
            m_rows.moreAfterEnd();
    }
    return wanted.count() <= mostIdsReadAgain && rereadIdSet(wanted);
}

bool ListMerge::isPastHeld(const ListRow& row) const
{
    const ListPlace* end = m_rows.readEnd();
    return end && m_reader.compare(m_reader.placeOf(row), *end) > 0;
}

bool ListMerge::readIds(const RowIdSet& ids, ListRows* rows)
{
    if (m_reader.readIds(ids, rows))
        return true;
    Logger::warning(m_reader.lastError().text());
    return false;
}

bool ListMerge::rereadIdSet(const RowIdSet& ids)
{
    if (ids.isEmpty())
        return true;
    // The rows held among the IDs: by the IDs when they are fewer.
    QSet<qint64> held;
    if (ids.count() <= qint64(m_rows.heldCount())) {
        for (const RowIdSet::Range& range : ids.ranges()) {
            for (qint64 id = range.first; id <= range.second; ++id) {
                if (m_rows.holds(id))
                    held.insert(id);
            }
        }
    } else {
        for (int row = 0; row < m_rows.heldCount(); ++row) {
            if (ids.contains(m_rows.heldRow(row).id))
                held.insert(m_rows.heldRow(row).id);
        }
    }

    ListRows fresh;
    if (!readIds(ids, &fresh))
        return false;

    // What the rows read do, counted in places of the list before any
    // changes: too many and the caller reads the rows on screen instead.
    // Rows held past the last one held now are read on to (readOnTo); new
    // ones there come with a later fetch.
    ListRows changed;
    ListRows added;
    std::optional<ListRow> furthest;
    QVector<qint64> pastHeld;
    int placesChanged = 0;
    for (ListRow& row : fresh) {
        const bool isHeld = held.remove(row.id);
        if (isPastHeld(row)) {
            m_rows.moreAfterEnd();
            if (isHeld) {
                pastHeld << row.id;
                if (!furthest || m_reader.compare(row, *furthest) > 0)
                    furthest = row;
            }
        } else if (isHeld) {
            if (m_reader.keyColumn() >= 0
                && ListReader::compareValues(m_rows.heldKeyOf(row.id), m_reader.keyOf(row)) != 0)
                ++placesChanged;
            changed.push_back(std::move(row));
        } else {
            added.push_back(std::move(row));
        }
    }
    // The held rows not read are gone.
    QVector<int> going;
    for (qint64 id : qAsConst(held))
        going << m_rows.rowOfId(id);
    going.removeAll(-1);
    std::sort(going.begin(), going.end());
    for (int i = 0; i < going.size(); ++i) {
        if (i == 0 || going.at(i) != going.at(i - 1) + 1)
            ++placesChanged;
    }
    // New rows that stand together go in together.
    std::sort(added.begin(), added.end(),
              [this](const ListRow& a, const ListRow& b) { return m_reader.compare(a, b) < 0; });
    for (size_t i = 0; i < added.size(); ++i) {
        if (i == 0 || m_rows.placeOf(added[i], -1) != m_rows.placeOf(added[i - 1], -1))
            ++placesChanged;
    }
    if (furthest)
        ++placesChanged;
    if (placesChanged > mostPlacesChanged)
        return false;

    m_rows.removeRowsAt(going);
    for (ListRow& row : changed) {
        const int at = m_rows.rowOfId(row.id);
        if (at >= 0)
            m_rows.placeRow(at, std::move(row));
    }
    for (size_t i = 0; i < added.size();) {
        const int place = m_rows.placeOf(added[i], -1);
        size_t end = i + 1;
        while (end < added.size()
               && (place == m_rows.heldCount() || m_reader.compare(added[end], m_rows.heldRow(place)) < 0))
            ++end;
        m_rows.insertRowsAt(place, ListRows(std::make_move_iterator(added.begin() + long(i)),
                                           std::make_move_iterator(added.begin() + long(end))));
        i = end;
    }
    if (furthest && !readOnTo(*furthest, pastHeld, 0)) {
        // Too far past the rows held: a later fetch brings them.
        QVector<int> past;
        for (qint64 id : qAsConst(pastHeld))
            past << m_rows.rowOfId(id);
        past.removeAll(-1);
        m_rows.removeRowsAt(past);
    }
    return true;
}

bool ListMerge::rereadRange(int first, int last)
{
    const int count = m_rows.heldCount();
    // With a row more on each side: rows stored between the range and a
    // neighbour read at another time come too.
    first = std::max(0, std::min(first, count - 1) - 1);
    last = std::max(first, std::min(last + 1, count - 1));
    // A range that reaches the last row held reads on past it: rows stored
    // after it come too.
    const bool toEnd = last == count - 1;
    const ListPlace from = m_reader.placeOf(m_rows.heldRow(first));
    const ListPlace to = m_reader.placeOf(m_rows.heldRow(last));
    const ListPlace* start = first > 0 ? &from : nullptr;
    const ListPlace* end = toEnd ? nullptr : &to;
    int limit = last - first + 1 + rangeMargin;
    ListRows fresh;
    bool read = m_reader.readRange(start, end, limit, &fresh);
    if (read && int(fresh.size()) == limit && !toEnd && limit < ListReader::largestRead) {
        // Many rows came into the range: the rows held after it (and what
        // the user selected there) stay only when every row of it is read.
        fresh.clear();
        limit = ListReader::largestRead;
        read = m_reader.readRange(start, end, limit, &fresh);
    }
    if (!read) {
        Logger::warning(m_reader.lastError().text());
        return false;
    }
    const bool cut = int(fresh.size()) == limit;
    const ListRow lastRead = cut ? fresh.back() : ListRow();
    ListRow furthest;
    const QVector<qint64> waiting = cut ? QVector<qint64>() : moveLeavers(first, last, fresh, &furthest);
    mergeRows(first, last, std::move(fresh));
    if (!waiting.isEmpty() && !readOnTo(furthest, waiting, waiting.size())) {
        // Too far past the last row held: a later fetch brings them.
        m_rows.removeRowRange(m_rows.heldCount() - waiting.size(), m_rows.heldCount() - 1);
        m_rows.moreAfterEnd();
    }
    if (cut) {
        // More rows than read stand in the range now: the rows held end with
        // the last one read, and the next fetch goes on from there.
        const int keep = m_rows.rowOfId(lastRead.id) + 1;
        if (keep > 0 && keep < m_rows.heldCount())
            m_rows.removeRowRange(keep, m_rows.heldCount() - 1);
        m_rows.readOnFrom(lastRead);
        m_rows.moreAfterEnd();
    } else if (toEnd) {
        // Every row from `first` on was read.
        m_rows.heldToEnd();
    }
    return true;
}

QVector<qint64> ListMerge::moveLeavers(int& first, int& last, const ListRows& fresh, ListRow* furthest)
{
    QSet<qint64> read;
    for (const ListRow& row : fresh)
        read.insert(row.id);
    RowIdSet leaving;
    for (int row = first; row <= last; ++row) {
        if (!read.contains(m_rows.heldRow(row).id))
            leaving.add(m_rows.heldRow(row).id);
    }
    if (leaving.isEmpty() || leaving.count() > mostPlacesChanged)
        return {};
    ListRows moved;
    if (!readIds(leaving, &moved))
        return {};
    // The range as read: a row that left stands before or after it.
    const ListRow low = m_rows.heldRow(first);
    const ListRow high = m_rows.heldRow(last);
    ListRows pastHeld;
    for (ListRow& row : moved) {
        const int at = m_rows.rowOfId(row.id);
        if (at < first || at > last)
            continue;
        if (isPastHeld(row)) {
            pastHeld.push_back(std::move(row));
            continue;
        }
        const bool before = first > 0 && m_reader.compare(row, low) < 0;
        if (!before && m_reader.compare(row, high) <= 0)
            continue;
        const int place = m_rows.placeRow(at, std::move(row));
        // Where it went was not read: the rows around it are read again when
        // they are shown, as if it had not moved.
        m_rows.markUnread(place);
        if (before)
            ++first;
        else
            --last;
    }
    // Rows now past the last one held wait at the end, out of the range, in
    // the list's order with the values read: each is found where it stands.
    std::sort(pastHeld.begin(), pastHeld.end(),
              [this](const ListRow& a, const ListRow& b) { return m_reader.compare(a, b) < 0; });
    QVector<qint64> waiting;
    for (ListRow& row : pastHeld) {
        const int end = m_rows.heldCount() - 1;
        waiting << row.id;
        m_rows.moveRow(m_rows.rowOfId(row.id), end);
        m_rows.setRow(end, std::move(row));
        --last;
    }
    if (!pastHeld.empty())
        *furthest = m_rows.heldRow(m_rows.heldCount() - 1);
    return waiting;
}

bool ListMerge::readOnTo(const ListRow& target, const QVector<qint64>& held, int waiting)
{
    const ListPlace* end = m_rows.readEnd();
    ListRows rows;
    if (!end || !m_reader.readOnTo(*end, m_reader.placeOf(target), ListReader::chunkRows + 1, &rows)
        || rows.empty() || int(rows.size()) > ListReader::chunkRows) {
        return false;
    }
    // Every row held past the last one must be among them (a job may have
    // stored since they were read).
    QSet<qint64> read;
    for (const ListRow& row : rows)
        read.insert(row.id);
    for (qint64 id : held) {
        if (!read.contains(id))
            return false;
    }
    int moves = 0;
    for (const ListRow& row : rows) {
        if (m_rows.rowOfId(row.id) >= 0 && ++moves > mostPlacesChanged)
            return false;
    }
    // In the list's order, each after the rows held and those read on
    // before it, held ones moving there; the rows waiting at the end stay
    // after it until they come, so that every row held stands in order.
    int next = m_rows.heldCount() - waiting;
    for (ListRow& row : rows) {
        const int at = m_rows.rowOfId(row.id);
        if (at < 0) {
            ListRows one;
            one.push_back(std::move(row));
            m_rows.insertRowsAt(next++, std::move(one));
            continue;
        }
        const int to = at < next ? next - 1 : next++;
        m_rows.moveRow(at, to);
        m_rows.setRow(to, std::move(row));
    }
    m_rows.readOnFrom(m_rows.heldRow(m_rows.heldCount() - 1));
    return true;
}

void ListMerge::mergeRows(int first, int last, ListRows fresh)
{
    QSet<qint64> wanted;
    for (const ListRow& row : fresh)
        wanted.insert(row.id);
    // Rows read here that were held elsewhere moved into the range: a few
    // move along (with their selection), more are read anew.
    QVector<int> elsewhere;
    for (const ListRow& row : fresh) {
        const int at = m_rows.rowOfId(row.id);
        if (at >= 0 && (at < first || at > last))
            elsewhere << at;
    }
    std::sort(elsewhere.begin(), elsewhere.end(), std::greater<int>());
    if (elsewhere.size() <= mostPlacesChanged) {
        // Each from the range outwards, so that the places of the others hold.
        for (int at : qAsConst(elsewhere)) {
            if (at < first) {
                m_rows.moveRow(at, first - 1);
                --first;
            }
        }
        for (auto it = elsewhere.crbegin(); it != elsewhere.crend(); ++it) {
            if (*it > last) {
                m_rows.moveRow(*it, last + 1);
                ++last;
            }
        }
    } else {
        for (int at : qAsConst(elsewhere)) {
            if (at < first) {
                --first;
                --last;
            }
        }
        m_rows.removeRowsAt(elsewhere);
    }
    // Rows that left the range.
    QSet<qint64> held;
    QVector<int> left;
    for (int row = last; row >= first; --row) {
        if (!wanted.contains(m_rows.heldRow(row).id))
            left << row;
        else
            held.insert(m_rows.heldRow(row).id);
    }
    last -= left.size();
    m_rows.removeRowsAt(left);
    int end = last + 1;
    int at = first;
    for (size_t i = 0; i < fresh.size();) {
        if (!held.contains(fresh[i].id)) {
            // New rows that stand together go in together.
            size_t next = i + 1;
            while (next < fresh.size() && !held.contains(fresh[next].id))
                ++next;
            const int count = int(next - i);
            m_rows.insertRowsAt(at, ListRows(std::make_move_iterator(fresh.begin() + long(i)),
                                            std::make_move_iterator(fresh.begin() + long(next))));
            at += count;
            end += count;
            i = next;
            continue;
        }
        int from = at;
        while (from < end && m_rows.heldRow(from).id != fresh[i].id)
            ++from;
        m_rows.moveRow(from, at);
        m_rows.setRow(at, std::move(fresh[i]));
        ++at;
        ++i;
    }
}

} // namespace Vexal
