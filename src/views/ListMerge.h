#pragma once

#include "views/ListReader.h"

#include <QVector>

namespace Vexal {

class BaseTableModel;
class RecordChanges;
class RowIdSet;

// Brings stored changes into the rows a BaseTableModel holds, at the cost of
// what changed and what is on screen: it reads the changed rows again
// through the model's reader and updates, inserts, moves or removes rows
// held through the model's edits, each told to the views, so that a view
// keeps its selection, current row and place. The rows held stay those of a
// fresh SELECT, in its order, as far as they reach; rows that now stand past
// the last one held come with the next fetch.
//
// Changes that name the IDs of the list's rows read those rows again; when
// they name none (a table the list only joins, or more rows than are read
// by ID) or too many rows change places, the rows on screen are read again
// and the others when they are shown (BaseTableModel::isCurrent).
class ListMerge
{
public:
    explicit ListMerge(BaseTableModel& model);

    // See BaseTableModel::applyChanges and rereadRange.
    bool applyChanges(const RecordChanges& changes, int first, int last);
    bool rereadRange(int first, int last);

private:
    // Reads the rows of the IDs, logging a failure.
    bool readIds(const RowIdSet& ids, ListRows* rows);
    // False when too many rows change places: the caller reads the rows on
    // screen instead.
    bool rereadIds(const RowIdSet& ids);
    // The rows held in first..last that a reading of the range did not give
    // stand elsewhere now, or are gone: a few are read by their IDs and move
    // to their places (keeping their selection), out of the range, which
    // first and last then name. Those now past the last row held wait at the
    // end of the rows held for readOnTo(furthest of them): their IDs.
    QVector<qint64> moveLeavers(int& first, int& last, const ListRows& fresh, ListRow* furthest);
    // Reads on from the last row held to the row `target` (past it) when
    // few rows stand there, rows held among them (at least those of `held`)
    // moving to their places at the end. False, and nothing changed, when
    // more stand there.
    bool readOnTo(const ListRow& target, const QVector<qint64>& held);
    // The rows first..last become the rows read of that range, those held
    // elsewhere moving into it.
    void mergeRows(int first, int last, ListRows fresh);

    BaseTableModel& m_model;
    ListReader& m_reader;
};

} // namespace Vexal
