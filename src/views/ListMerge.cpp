#include "views/ListMerge.h"

#include "core/Logger.h"
#include "core/RecordChanges.h"
#include "views/BaseTableModel.h"

#include <QSet>

#include <algorithm>
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

ListMerge::ListMerge(BaseTableModel& model)
    : m_model(model)
    , m_reader(model.m_reader)
{
}

bool ListMerge::applyChanges(const RecordChanges& all, int first, int last)
{
    const RecordChanges changes = all.of(m_model.m_listedTables);
    if (changes.isEmpty())
        return false;
    const RowIdSet* ids = m_model.m_idTable.isEmpty() ? nullptr : changes.rowsOf(m_model.m_idTable);
    const bool onlyIds = ids && changes.tables().size() == 1 && m_reader.idColumn() >= 0;
    if (onlyIds && m_model.m_hasCursor) {
        RowIdSet wanted = *ids;
        if (m_reader.keyColumn() < 0) {
            // In the order of ID, the IDs after the last row held are rows
            // the next fetch reads.
            const qint64 cursor = m_model.m_cursor.id;
            wanted = m_reader.isDescending() ? wanted.within(cursor, std::numeric_limits<qint64>::max())
                                             : wanted.within(std::numeric_limits<qint64>::min(), cursor);
            if (wanted.count() < ids->count())
                m_model.m_atEnd = false;
        }
        if (wanted.count() <= mostIdsReadAgain && rereadIds(wanted))
            return true;
    } else if (onlyIds) {
        // Nothing held: read from the start.
        m_model.m_atEnd = false;
        return rereadRange(first, last);
    }
    m_model.forgetRead();
    return rereadRange(first, last);
}

bool ListMerge::readIds(const RowIdSet& ids, ListRows* rows)
{
    if (m_reader.readIds(ids, rows))
        return true;
    Logger::warning(m_reader.lastError().text());
    return false;
}

bool ListMerge::rereadIds(const RowIdSet& ids)
{
    if (ids.isEmpty())
        return true;
    BaseTableModel& model = m_model;
    // The rows held among the IDs: by the IDs when they are fewer.
    QSet<qint64> held;
    if (ids.count() <= qint64(model.rowCount())) {
        for (const RowIdSet::Range& range : ids.ranges()) {
            for (qint64 id = range.first; id <= range.second; ++id) {
                if (model.holds(id))
                    held.insert(id);
            }
        }
    } else {
        for (const ListRow& row : model.m_rows) {
            if (ids.contains(row.id))
                held.insert(row.id);
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
        if (model.isPastHeld(row)) {
            model.m_atEnd = false;
            if (isHeld) {
                pastHeld << row.id;
                if (!furthest || m_reader.compare(row, *furthest) > 0)
                    furthest = row;
            }
        } else if (isHeld) {
            if (m_reader.keyColumn() >= 0
                && ListReader::compareValues(model.heldKeyOf(row.id), m_reader.keyOf(row)) != 0)
                ++placesChanged;
            changed.push_back(std::move(row));
        } else {
            added.push_back(std::move(row));
        }
    }
    // The held rows not read are gone.
    QVector<int> going;
    for (qint64 id : qAsConst(held))
        going << model.rowOfId(id);
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
        if (i == 0 || model.placeOf(added[i], -1) != model.placeOf(added[i - 1], -1))
            ++placesChanged;
    }
    if (furthest)
        ++placesChanged;
    if (placesChanged > mostPlacesChanged)
        return false;

    model.removeRowsAt(going);
    for (ListRow& row : changed) {
        const int at = model.rowOfId(row.id);
        if (at >= 0)
            model.replaceRow(at, std::move(row));
    }
    for (size_t i = 0; i < added.size();) {
        const int place = model.placeOf(added[i], -1);
        size_t end = i + 1;
        while (end < added.size()
               && (place == model.rowCount() || m_reader.compare(added[end], model.rowAt(place)) < 0))
            ++end;
        model.insertRowsAt(place, ListRows(std::make_move_iterator(added.begin() + long(i)),
                                           std::make_move_iterator(added.begin() + long(end))));
        i = end;
    }
    if (furthest && !readOnTo(*furthest, pastHeld)) {
        // Too far past the rows held: a later fetch brings them.
        QVector<int> past;
        for (qint64 id : qAsConst(pastHeld))
            past << model.rowOfId(id);
        past.removeAll(-1);
        model.removeRowsAt(past);
    }
    return true;
}

bool ListMerge::rereadRange(int first, int last)
{
    BaseTableModel& model = m_model;
    if (model.m_rows.empty() || m_reader.idColumn() < 0) {
        if (m_reader.idColumn() < 0) {
            // Without IDs the place cannot be found again: select anew.
            return model.select();
        }
        // Nothing held: read from the start.
        model.m_hasCursor = false;
        if (!model.m_atEnd)
            model.readNextChunk();
        return true;
    }
    const int count = model.rowCount();
    // With a row more on each side: rows stored between the range and a
    // neighbour read at another time come too.
    first = std::max(0, std::min(first, count - 1) - 1);
    last = std::max(first, std::min(last + 1, count - 1));
    // A range that reaches the last row held reads on past it: rows stored
    // after it come too.
    const bool toEnd = last == count - 1;
    const ListPlace from = m_reader.placeOf(model.rowAt(first));
    const ListPlace to = m_reader.placeOf(model.rowAt(last));
    const ListPlace* start = first > 0 ? &from : nullptr;
    const ListPlace* end = toEnd ? nullptr : &to;
    int limit = last - first + 1 + rangeMargin;
    ListRows fresh;
    bool read = m_reader.readRange(start, end, limit, &fresh);
    if (read && int(fresh.size()) == limit && !toEnd && limit < BaseTableModel::largestRead) {
        // Many rows came into the range: the rows held after it (and what
        // the user selected there) stay only when every row of it is read.
        fresh.clear();
        limit = BaseTableModel::largestRead;
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
    if (!waiting.isEmpty() && !readOnTo(furthest, waiting)) {
        // Too far past the last row held: a later fetch brings them.
        model.removeRowRange(model.rowCount() - waiting.size(), model.rowCount() - 1);
        model.m_atEnd = false;
    }
    if (cut) {
        // More rows than read stand in the range now: the rows held end with
        // the last one read, and the next fetch goes on from there.
        const int keep = model.rowOfId(lastRead.id) + 1;
        if (keep > 0 && keep < model.rowCount())
            model.removeRowRange(keep, model.rowCount() - 1);
        model.setCursor(lastRead);
        model.m_atEnd = false;
    } else if (toEnd) {
        // Every row from `first` on was read.
        model.m_atEnd = true;
        model.m_hasCursor = false;
        if (!model.m_rows.empty())
            model.setCursor(model.m_rows.back());
    }
    return true;
}

QVector<qint64> ListMerge::moveLeavers(int& first, int& last, const ListRows& fresh, ListRow* furthest)
{
    BaseTableModel& model = m_model;
    QSet<qint64> read;
    for (const ListRow& row : fresh)
        read.insert(row.id);
    RowIdSet leaving;
    for (int row = first; row <= last; ++row) {
        if (!read.contains(model.rowAt(row).id))
            leaving.add(model.rowAt(row).id);
    }
    if (leaving.isEmpty() || leaving.count() > mostPlacesChanged)
        return {};
    ListRows moved;
    if (!readIds(leaving, &moved))
        return {};
    // The range as read: a row that left stands before or after it.
    const ListRow low = model.rowAt(first);
    const ListRow high = model.rowAt(last);
    QVector<qint64> pastHeld;
    for (ListRow& row : moved) {
        const int at = model.rowOfId(row.id);
        if (at < first || at > last)
            continue;
        if (model.isPastHeld(row)) {
            if (pastHeld.isEmpty() || m_reader.compare(row, *furthest) > 0)
                *furthest = row;
            pastHeld << row.id;
            continue;
        }
        const bool before = first > 0 && m_reader.compare(row, low) < 0;
        if (!before && m_reader.compare(row, high) <= 0)
            continue;
        const int place = model.replaceRow(at, std::move(row));
        // Where it went was not read: the rows around it are read again when
        // they are shown, as if it had not moved.
        model.m_rows[size_t(place)].seen = model.m_generation - 1;
        if (before)
            ++first;
        else
            --last;
    }
    // Rows now past the last one held wait at the end, out of the range.
    for (qint64 id : qAsConst(pastHeld)) {
        model.moveRow(model.rowOfId(id), model.rowCount() - 1);
        --last;
    }
    return pastHeld;
}

bool ListMerge::readOnTo(const ListRow& target, const QVector<qint64>& held)
{
    BaseTableModel& model = m_model;
    ListRows rows;
    if (!m_reader.readOnTo(model.m_cursor, m_reader.placeOf(target), BaseTableModel::chunkRows + 1, &rows)
        || rows.empty() || int(rows.size()) > BaseTableModel::chunkRows) {
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
        if (model.rowOfId(row.id) >= 0 && ++moves > mostPlacesChanged)
            return false;
    }
    // In the list's order, each to the end: held ones move there.
    for (ListRow& row : rows) {
        const int at = model.rowOfId(row.id);
        if (at < 0) {
            model.insertRowAt(model.rowCount(), std::move(row));
            continue;
        }
        const int end = model.rowCount() - 1;
        model.moveRow(at, end);
        if (model.setValues(end, std::move(row)))
            model.rowChanged(end);
    }
    model.setCursor(model.m_rows.back());
    return true;
}

void ListMerge::mergeRows(int first, int last, ListRows fresh)
{
    BaseTableModel& model = m_model;
    QSet<qint64> wanted;
    for (const ListRow& row : fresh)
        wanted.insert(row.id);
    // Rows read here that were held elsewhere moved into the range: a few
    // move along (with their selection), more are read anew.
    QVector<int> elsewhere;
    for (const ListRow& row : fresh) {
        const int at = model.rowOfId(row.id);
        if (at >= 0 && (at < first || at > last))
            elsewhere << at;
    }
    std::sort(elsewhere.begin(), elsewhere.end(), std::greater<int>());
    if (elsewhere.size() <= mostPlacesChanged) {
        // Each from the range outwards, so that the places of the others hold.
        for (int at : qAsConst(elsewhere)) {
            if (at < first) {
                model.moveRow(at, first - 1);
                --first;
            }
        }
        for (auto it = elsewhere.crbegin(); it != elsewhere.crend(); ++it) {
            if (*it > last) {
                model.moveRow(*it, last + 1);
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
        model.removeRowsAt(elsewhere);
    }
    // Rows that left the range.
    QSet<qint64> held;
    QVector<int> left;
    for (int row = last; row >= first; --row) {
        if (!wanted.contains(model.rowAt(row).id))
            left << row;
        else
            held.insert(model.rowAt(row).id);
    }
    last -= left.size();
    model.removeRowsAt(left);
    int end = last + 1;
    int at = first;
    for (size_t i = 0; i < fresh.size();) {
        if (!held.contains(fresh[i].id)) {
            // New rows that stand together go in together.
            size_t next = i + 1;
            while (next < fresh.size() && !held.contains(fresh[next].id))
                ++next;
            const int count = int(next - i);
            model.insertRowsAt(at, ListRows(std::make_move_iterator(fresh.begin() + long(i)),
                                            std::make_move_iterator(fresh.begin() + long(next))));
            at += count;
            end += count;
            i = next;
            continue;
        }
        int from = at;
        while (from < end && model.rowAt(from).id != fresh[i].id)
            ++from;
        model.moveRow(from, at);
        if (model.setValues(at, std::move(fresh[i])))
            model.rowChanged(at);
        ++at;
        ++i;
    }
}

} // namespace Vexal
