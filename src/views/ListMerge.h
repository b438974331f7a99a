#pragma once

#include "views/ListReader.h"

#include <QVector>

namespace Vexal {

class RecordChanges;
class RowIdSet;

// The rows a list holds, in the list's order, as ListMerge asks about them
// and changes them. The list's model (BaseTableModel) owns them and whether
// more rows follow the last one; each edit is told to the views.
class ListHeldRows
{
public:
    // ---- the rows held ----
    virtual int heldCount() const = 0;
    virtual const ListRow& heldRow(int row) const = 0;
    // The row held of that ID; -1 if none.
    virtual int rowOfId(qint64 id) const = 0;
    // Whether the row of that ID is held (cheaper than rowOfId).
    virtual bool holds(qint64 id) const = 0;
    // The sort value the row of that ID was read with.
    virtual QVariant heldKeyOf(qint64 id) const = 0;
    // Where the row goes among the rows held, leaving out the row at `skip`.
    virtual int placeOf(const ListRow& row, int skip) const = 0;
    // The place to read on from: the last row read, after which the next
    // fetch goes on; null when no row was read.
    virtual const ListPlace* readEnd() const = 0;

    // ---- edits ----
    // Rows that stand together, in the list's order, inserted at `at`.
    virtual void insertRowsAt(int at, ListRows rows) = 0;
    virtual void removeRowRange(int first, int last) = 0;
    // Removes the rows (any order), a run of neighbours at a time.
    virtual void removeRowsAt(QVector<int> rows) = 0;
    virtual void moveRow(int from, int to) = 0;
    // A row read again: its new values where it stands.
    virtual void setRow(int at, ListRow row) = 0;
    // A row read again, which then moves to its place among the rows held
    // (a new sort value may place it elsewhere); where it now stands.
    virtual int placeRow(int at, ListRow row) = 0;
    // The row counts as not read since the last change, so that the rows
    // around it are read again when they are shown.
    virtual void markUnread(int row) = 0;

    // ---- whether more rows follow ----
    // Rows may stand after the last one held: the next fetch looks.
    virtual void moreAfterEnd() = 0;
    // The next fetch goes on after this row, the last one held.
    virtual void readOnFrom(const ListRow& row) = 0;
    // Every row to the list's end is held: no fetch is needed.
    virtual void heldToEnd() = 0;

protected:
    ~ListHeldRows() = default;
};

// Brings stored changes into the rows a list holds, at the cost of what
// changed and what is on screen: it reads the changed rows again through the
// list's reader and updates, inserts, moves or removes rows held through
// their edits, so that a view keeps its selection, current row and place.
// The rows held stay those of a fresh SELECT, in its order, as far as they
// reach; rows that now stand past the last one held come with the next
// fetch.
//
// Changes that name the IDs of the list's rows read those rows again
// (rereadIds); when they name none (a table the list only joins, or more rows
// than are read by ID) or too many rows change places, the list reads the
// rows on screen again (rereadRange) and the others when they are shown.
class ListMerge
{
public:
    ListMerge(ListHeldRows& rows, ListReader& reader);

    // Brings in changes of the list's tables by the IDs they name in
    // `idTable`, the table that gives the list's IDs. False, with nothing
    // read, when they name other tables too, more IDs than are read again,
    // or too many rows change places: the caller reads a range instead.
    // Both are called while the list holds rows.
    bool rereadIds(const RecordChanges& changes, const QString& idTable);
    // Reads the rows first..last again, and whatever now stands among them
    // in the list's order.
    bool rereadRange(int first, int last);

private:
    // Reads the rows of the IDs, logging a failure.
    bool readIds(const RowIdSet& ids, ListRows* rows);
    bool rereadIdSet(const RowIdSet& ids);
    // Whether the row now stands after the last one read.
    bool isPastHeld(const ListRow& row) const;
    // The rows held in first..last that a reading of the range did not give
    // stand elsewhere now, or are gone: a few are read by their IDs and move
    // to their places (keeping their selection), out of the range, which
    // first and last then name. Those now past the last row held wait at the
    // end of the rows held, in order with the values read, for
    // readOnTo(furthest of them): their IDs.
    QVector<qint64> moveLeavers(int& first, int& last, const ListRows& fresh, ListRow* furthest);
    // Reads on from the last row read to the row `target` (past it) when
    // few rows stand there, rows held among them (at least those of `held`,
    // the last `waiting` rows held among them) moving to their places at the
    // end. False, and nothing changed, when more stand there.
    bool readOnTo(const ListRow& target, const QVector<qint64>& held, int waiting);
    // The rows first..last become the rows read of that range, those held
    // elsewhere moving into it.
    void mergeRows(int first, int last, ListRows fresh);

    ListHeldRows& m_rows;
    ListReader& m_reader;
};

} // namespace Vexal
