#include "views/ListFollower.h"

#include "views/BaseTableModel.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <utility>

namespace Vexal {

ListFollower::ListFollower(QTableView* table, BaseTableModel* model)
    : QObject(table)
    , m_table(table)
    , m_model(model)
{
    connect(model, &QAbstractItemModel::modelReset, this, &ListFollower::handleModelReset);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ListFollower::handleRowsInserted);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ListFollower::handleRowsRemoved);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ListFollower::handleRowsMoved);
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &ListFollower::readShownRowsSoon);
}

template <class Change>
bool ListFollower::follow(Change change)
{
    // Rows that go take their selection along; Select All stays in force
    // and takes in the rows that come (handleRowsInserted). The current row
    // that goes hands on to a neighbour, which the view would scroll to: the
    // place stays.
    bool done = false;
    {
        const QScopedValueRollback<bool> selectingAll(m_selectingAll, true);
        const bool autoScroll = m_table->hasAutoScroll();
        m_table->setAutoScroll(false);
        done = change();
        m_table->setAutoScroll(autoScroll);
        if (m_table->isVisible() && m_model->canFetchMore() && lastRowShown())
            m_model->fetchMore();
    }
    return done;
}

bool ListFollower::showChanges(const RecordChanges& changes, bool now)
{
    if (!m_model->isListing() || !changes.touchesAny(m_model->listedTables()))
        return false;
    m_unseen.unite(changes.of(m_model->listedTables()));
    if (!m_table->isVisible() && !now)
        return false;
    RecordChanges all;
    std::swap(all, m_unseen);
    const QPair<int, int> shown = shownRows();
    follow([&] { return m_model->applyChanges(all, shown.first, shown.second); });
    return true;
}

void ListFollower::shown()
{
    if (!m_unseen.isEmpty() && m_model->isListing()) {
        RecordChanges unseen;
        std::swap(unseen, m_unseen);
        const QPair<int, int> shown = shownRows();
        follow([&] { return m_model->applyChanges(unseen, shown.first, shown.second); });
    }
    readShownRowsSoon();
}

QPair<int, int> ListFollower::shownRows() const
{
    const int count = m_model->rowCount();
    if (count == 0)
        return {0, -1};
    // Not shown: the rows from the top of its place, a fetch's worth.
    int first = m_table->verticalScrollBar()->value();
    int last = first + BaseTableModel::chunkRows - 1;
    if (m_table->isVisible()) {
        first = m_table->rowAt(0);
        last = m_table->rowAt(m_table->viewport()->height() - 1);
        if (first < 0)
            first = 0;
        if (last < 0)
            last = count - 1;
    }
    const int margin = 16;
    return {std::max(0, first - margin), std::min(count - 1, last + margin)};
}

bool ListFollower::lastRowShown() const
{
    const int count = m_model->rowCount();
    if (count == 0)
        return true;
    const int top = m_table->rowViewportPosition(count - 1);
    return top < m_table->viewport()->height() && top + m_table->rowHeight(count - 1) > 0;
}

void ListFollower::readShownRowsSoon()
{
    if (m_readShownPosted)
        return;
    m_readShownPosted = true;
    // An event of the table's own, as its painting is.
    QMetaObject::invokeMethod(m_table, [this] { readShownRows(); }, Qt::QueuedConnection);
}

void ListFollower::readShownRows()
{
    m_readShownPosted = false;
    if (!m_table->isVisible() || !m_model->isListing())
        return;
    const QPair<int, int> shown = shownRows();
    if (shown.second < shown.first || m_model->isCurrent(shown.first, shown.second))
        return;
    follow([&] { return m_model->rereadRange(shown.first, shown.second); });
}

void ListFollower::selectAll()
{
    {
        const QScopedValueRollback<bool> selectingAll(m_selectingAll, true);
        // The view's own Select All (the table's leads here).
        m_table->QAbstractItemView::selectAll();
    }
    m_allSelected = m_model->rowCount() > 0;
}

bool ListFollower::allRowsSelected() const
{
    const QItemSelectionModel* selection = m_table->selectionModel();
    return m_allSelected && selection && selection->hasSelection();
}

void ListFollower::selectionChanged()
{
    // Rows the model reads anew (as the view fetches) leave Select All on.
    if (!m_selectingAll && !m_model->isRemovingRows())
        m_allSelected = false;
}

void ListFollower::handleModelReset()
{
    // Every row is read anew: what came while not shown too.
    m_allSelected = false;
    m_unseen = RecordChanges();
}

void ListFollower::handleRowsInserted(const QModelIndex& parent, int first, int last)
{
    // Rows fetched while scrolling after Select All belong to it, and so do
    // rows stored since: the user sees them selected and Delete removes
    // them with the rest.
    QItemSelectionModel* selection = m_table->selectionModel();
    const int lastColumn = m_model->columnCount() - 1;
    if (m_allSelected && !parent.isValid() && selection && lastColumn >= 0) {
        const QScopedValueRollback<bool> selectingAll(m_selectingAll, true);
        selection->select(QItemSelection(m_model->index(first, 0), m_model->index(last, lastColumn)),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    // At the very top new rows show; below it the first row shown stays.
    const int top = m_table->verticalScrollBar()->value();
    if (top > 0 && first <= top)
        keepTopRow(top + last - first + 1);
}

void ListFollower::handleRowsRemoved(const QModelIndex&, int first, int last)
{
    const int top = m_table->verticalScrollBar()->value();
    if (first < top)
        keepTopRow(first + std::max(0, top - 1 - last));
}

void ListFollower::handleRowsMoved(const QModelIndex&, int start, int end, const QModelIndex&, int row)
{
    // As if the rows went, then came at their new place.
    const int count = end - start + 1;
    int top = m_table->verticalScrollBar()->value();
    const int before = top;
    if (start < top)
        top = start + std::max(0, top - 1 - end);
    const int at = row > start ? row - count : row;
    if (before > 0 && at <= top)
        top += count;
    keepTopRow(top);
}

void ListFollower::keepTopRow(int top)
{
    QScrollBar* bar = m_table->verticalScrollBar();
    if (top == bar->value() || m_table->verticalScrollMode() != QAbstractItemView::ScrollPerItem)
        return;
    // The bar's range follows the rows only at the next layout: it is laid
    // out now, as it would be at the next turn.
    m_table->doItemsLayout();
    bar->setValue(top);
}

} // namespace Vexal
