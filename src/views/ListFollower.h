#pragma once

#include "core/RecordChanges.h"

#include <QObject>
#include <QPair>

class QModelIndex;
class QTableView;

namespace Vexal {

class BaseTableModel;

// What the user of a table of a BaseTableModel sees while the model follows
// what is stored: the table's side of the news, through the table's public
// face. Changes are brought into the model (BaseTableModel::applyChanges)
// for the rows on screen; a table not shown keeps them until it is. Through
// every change of the model's rows the selection stays with its rows,
// Select All stays in force (rows that come are selected with the rest),
// and the first row shown stays first; rows on screen that were not read
// since the last changes are read again as they are shown, and the next
// chunk is fetched once the last row shows.
class ListFollower final : public QObject
{
    Q_OBJECT
public:
    // Follows for the table, the view of the model; a child of the table.
    ListFollower(QTableView* table, BaseTableModel* model);

    // News for the table, brought in now when it is shown or `now` (a
    // command of its journal stored them), otherwise kept until it is
    // shown; false when they do not concern its rows (or wait).
    bool showChanges(const RecordChanges& changes, bool now);
    // The table was shown: the changes kept are brought in.
    void shown();
    // The rows on screen are read again, soon, where they are not current.
    void readShownRowsSoon();

    // Select All: every row the table lists, also the rows that come. Any
    // other change of the selection, and every select of the model, ends it.
    void selectAll();
    bool allRowsSelected() const;
    void selectionChanged();

private:
    // Runs a change of the model's rows that keeps Select All, then fetches
    // on when the last row shows.
    template <class Change>
    bool follow(Change change);
    // The rows on screen and a few around them: first and last.
    QPair<int, int> shownRows() const;
    bool lastRowShown() const;
    void readShownRows();
    void handleModelReset();
    void handleRowsInserted(const QModelIndex& parent, int first, int last);
    void handleRowsRemoved(const QModelIndex& parent, int first, int last);
    void handleRowsMoved(const QModelIndex& parent, int start, int end, const QModelIndex& destination, int row);
    // Scrolls so that row `top` is the first shown: the row that was first
    // stays first when rows come, go or move above it.
    void keepTopRow(int top);

    QTableView* m_table = nullptr;
    BaseTableModel* m_model = nullptr;
    bool m_allSelected = false;
    bool m_selectingAll = false;
    // Changes that came while the table was not shown.
    RecordChanges m_unseen;
    bool m_readShownPosted = false;
};

} // namespace Vexal
