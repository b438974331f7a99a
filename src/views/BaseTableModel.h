#pragma once

#include "views/ListReader.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QMap>
#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>
#include <QVector>

#include <memory>

namespace Vexal {

class ListMerge;
class RecordChanges;

// The model of a record table: the rows of a table or view that a filter (a
// WHERE text) lets through, in the list's order (the sort column, then ID),
// as a read-only table. Columns can be marked with a display kind: bool
// columns show a check mark and no text, date and date-time columns a fixed,
// locale-free form, and an icon column draws the picture bytes held in the
// column to its left.
//
// It holds the rows read so far, in order, and reads more a chunk at a time
// as the view scrolls (ListReader: each chunk goes on after the last row
// read, by its sort value and ID). Stored changes are brought into the rows
// held by ListMerge (applyChanges): the rows of the IDs named are read again
// and updated, inserted, moved or removed in place, each change told to the
// views, so that a view keeps its selection, current row and place.
class BaseTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The rows a fetch reads (the first, and each next one in the order of
    // ID); a view not shown takes as many for its screen.
    static constexpr int chunkRows = 256;

    // On the calling thread's connection (the default one on the GUI thread).
    explicit BaseTableModel(QObject* parent = nullptr);
    ~BaseTableModel() override;

    // The table or view listed. Every row, the filter, the sort and the
    // headers go; nothing is read before select.
    void setTable(const QString& tableName);
    QString tableName() const { return m_reader.source(); }
    // The WHERE text of the rows listed, from the next select on.
    void setFilter(const QString& where) { m_reader.setFilter(where); }
    QString filter() const { return m_reader.filter(); }
    // The sort column (-1: the order of ID), from the next select on.
    void setSort(int column, Qt::SortOrder order);
    // Reads the list's first chunk anew (every row read before goes). False
    // when the database rejects the statement; the model is then empty.
    bool select();
    // Makes the text the filter and selects.
    bool selectWhere(const QString& where);
    // Selects in the new order; a rejected statement is reported.
    void sort(int column, Qt::SortOrder order) override;
    // Whether the last select succeeded (the model lists rows).
    bool isListing() const { return m_listing; }

    // The columns (no values), their number by name (-1: none), and a row.
    QSqlRecord record() const { return m_reader.fields(); }
    QSqlRecord record(int row) const;
    int fieldIndex(const QString& name) const { return m_reader.fields().indexOf(name); }

    // The last SELECT the model ran and its error (for error reports).
    QString statementText() const { return m_reader.statementText(); }
    QSqlError lastError() const { return m_reader.lastError(); }
    // Logs the failed statement with the database's message and shows the
    // unexpected-error notice.
    void reportSelectError() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Selectable and enabled; a bool column's check mark is the user's to
    // see, and no cell is edited in place.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Column headers: the text set (the display text falls back on the edit
    // text, then on the column's name); rows are numbered from 1.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    void addBoolColumn(int column);
    void addIconColumn(int column);
    void addDateColumn(int column);
    void addDateTimeColumn(int column);
    bool isBoolColumn(int column) const { return hasKind(column, Bool); }
    bool isIconColumn(int column) const { return hasKind(column, Icon); }
    bool isDateColumn(int column) const { return hasKind(column, Date); }
    bool isDateTimeColumn(int column) const { return hasKind(column, DateTime); }

    // The tables whose stored changes concern the list.
    QStringList listedTables() const { return m_listedTables; }
    // Brings the changes into the rows held: the rows of the IDs named are
    // read again; changes that name no IDs of the list (a table it joins, or
    // too many rows) read the rows first..last again (those on screen) and
    // leave the others to be read when shown. Rows that now come after the
    // last one held come with the next fetch. False when nothing was read.
    bool applyChanges(const RecordChanges& changes, int first, int last);
    // Reads the rows first..last again, and whatever now stands among them
    // in the list's order.
    bool rereadRange(int first, int last);
    // Every row held is to be read again before it counts as current.
    void forgetRead();
    // Whether the rows first..last were read since the last forgetRead.
    bool isCurrent(int first, int last) const;

    // Whether rows are being removed now (not by the user's choice).
    bool isRemovingRows() const { return m_removingRows; }

    // The work the model has done: statements run and rows read.
    using Reads = ListReader::Reads;
    Reads reads() const { return m_reader.reads(); }

private:
    // ListMerge brings changes in through the edits below.
    friend class ListMerge;

    enum Kind : quint8 { Bool = 1, Icon = 2, Date = 4, DateTime = 8 };

    // The most rows one statement reads: a list ordered by a column besides
    // ID fetches as many rows as it holds up to this (such a read may pass
    // over the whole table to find its rows), and a range read again with
    // many new rows in it reads this many.
    static constexpr int largestRead = 16384;

    void addKind(int column, Kind kind);
    bool hasKind(int column, Kind kind) const
    {
        return column >= 0 && column < m_kinds.size() && (m_kinds.at(column) & kind);
    }
    QVariant value(int row, int column) const;
    // Every row held goes (within a reset).
    void dropRows();
    // Reads the rows after the last one held, a chunk of them.
    void readNextChunk();
    int chunkSize() const;

    // ---- the rows held, in the list's order ----
    const ListRow& rowAt(int row) const { return m_rows[size_t(row)]; }
    // Where the row goes among the rows held, leaving out the row at `skip`.
    int placeOf(const ListRow& row, int skip) const;
    // The row held of that ID, found by its place in the order; -1 if none.
    int rowOfId(qint64 id) const;
    // Whether the row of that ID is held (cheaper than rowOfId).
    bool holds(qint64 id) const;
    // The sort value the row of that ID was read with.
    QVariant heldKeyOf(qint64 id) const { return m_keyOf.value(id); }
    bool isPastHeld(const ListRow& row) const
    {
        return m_hasCursor && m_reader.compare(m_reader.placeOf(row), m_cursor) > 0;
    }
    // Where the rows read so far end: the next fetch goes on after it.
    void setCursor(const ListRow& row);

    // ---- edits of the rows held, each told to the views ----
    void appendRows(ListRows rows);
    // Rows that stand together, in the list's order, inserted at `at`.
    void insertRowsAt(int at, ListRows rows);
    void insertRowAt(int at, ListRow row);
    void removeRowRange(int first, int last);
    // Removes the rows (any order), a run of neighbours at a time.
    void removeRowsAt(QVector<int> rows);
    void moveRow(int from, int to);
    // New values for the row at `at` (told by the caller); false when they
    // are the same.
    bool setValues(int at, ListRow row);
    // New values for the row at `at`, told to the views, which then moves to
    // its place; where it now stands.
    int replaceRow(int at, ListRow row);
    void rowChanged(int row);
    void keepKey(const ListRow& row);

    ListReader m_reader;
    std::unique_ptr<ListMerge> m_merge;
    QVector<quint8> m_kinds;
    // The column headers set, by section and role.
    QHash<int, QMap<int, QVariant>> m_headers;
    std::vector<ListRow> m_rows;
    // The sort value of each ID held, when the list is ordered by a column
    // besides ID: a row is found by its place in the order.
    QHash<qint64, QVariant> m_keyOf;
    ListPlace m_cursor;
    bool m_hasCursor = false;
    bool m_atEnd = true;
    bool m_listing = false;
    bool m_removingRows = false;
    // Within a change of the rows held: no fetch starts.
    bool m_changing = false;
    // The reading the rows held are of (see forgetRead).
    int m_generation = 0;
    // The sort asked for.
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QStringList m_listedTables;
    QString m_idTable;
};

} // namespace Vexal
