#pragma once

#include "views/ListMerge.h"
#include "views/ListReader.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QMap>
#include <QSqlError>
#include <QStringList>
#include <QVector>

#include <memory>

namespace Vexal {

class RecordChanges;

// The work a list's model has done, counted for the tests and benchmarks
// that hold its costs: statements run, rows read, and rows walked one by one
// to find a row by its ID (when the sort value it was read with does not
// find it).
struct ListWork
{
    int statements = 0;
    qint64 rowsRead = 0;
    qint64 rowsWalked = 0;
};

// The model of a record table: the rows of a table or view that a filter (a
// WHERE text) lets through, in the list's order (the sort column, then ID),
// as a read-only table. Columns can be marked with a display kind: bool
// columns show a check mark and no text, date and date-time columns a fixed,
// locale-free form, and an icon column draws the picture bytes held in the
// column to its left.
//
// It holds the rows read so far, in order, and whether more rows follow the
// last one, and reads more a chunk at a time as the view scrolls
// (ListReader: each chunk goes on after the last row read, by its sort value
// and ID). Stored changes are brought into the rows held by ListMerge
// (applyChanges), through the rows' verbs (ListHeldRows): the rows of the IDs
// named are read again and updated, inserted, moved or removed in place, each
// change told to the views, so that a view keeps its selection, current row
// and place.
class BaseTableModel final : public QAbstractTableModel, private ListHeldRows
{
    Q_OBJECT
public:
    // The rows a fetch reads.
    static constexpr int chunkRows = ListReader::chunkRows;

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
    // Selects in the new order; a rejected statement is reported.
    void sort(int column, Qt::SortOrder order) override;
    // Whether the last select succeeded (the model lists rows).
    bool isListing() const { return m_listing; }

    // The columns: their number by name (-1: none) and their names.
    int fieldIndex(const QString& name) const { return m_reader.fields().indexOf(name); }
    QString columnName(int column) const { return m_reader.fields().fieldName(column); }
    // A value of a row held as read (invalid outside the rows held).
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const { return value(row, fieldIndex(column)); }

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

    // The work the model has done so far (kept for tests and benchmarks).
    ListWork workForTests() const;

private:
    enum Kind : quint8 { Bool = 1, Icon = 2, Date = 4, DateTime = 8 };

    void addKind(int column, Kind kind);
    bool hasKind(int column, Kind kind) const
    {
        return column >= 0 && column < m_kinds.size() && (m_kinds.at(column) & kind);
    }
    // Every row held goes (within a reset).
    void dropRows();
    // Reads the rows after the last one held, a chunk of them.
    void readNextChunk();
    // Nothing held: the rows are read from the start.
    bool readFromStart();
    int chunkSize() const;
    const ListRow& rowAt(int row) const { return m_rows[size_t(row)]; }
    void appendRows(ListRows rows);
    // New values for the row at `at` (told by the caller); false when they
    // are the same.
    bool setValues(int at, ListRow row);
    void rowChanged(int row);
    void keepKey(const ListRow& row);

    // ---- the rows held, as ListMerge asks about them and changes them ----
    int heldCount() const override { return int(m_rows.size()); }
    const ListRow& heldRow(int row) const override { return rowAt(row); }
    int rowOfId(qint64 id) const override;
    bool holds(qint64 id) const override;
    QVariant heldKeyOf(qint64 id) const override { return m_keyOf.value(id); }
    int placeOf(const ListRow& row, int skip) const override;
    const ListPlace* readEnd() const override { return m_hasCursor ? &m_cursor : nullptr; }
    void insertRowsAt(int at, ListRows rows) override;
    void removeRowRange(int first, int last) override;
    void removeRowsAt(QVector<int> rows) override;
    void moveRow(int from, int to) override;
    void setRow(int at, ListRow row) override;
    int placeRow(int at, ListRow row) override;
    void markUnread(int row) override;
    void moreAfterEnd() override { m_atEnd = false; }
    void readOnFrom(const ListRow& row) override;
    void heldToEnd() override;

    ListReader m_reader;
    ListMerge m_merge{*this, m_reader};
    QVector<quint8> m_kinds;
    // The column headers set, by section and role.
    QHash<int, QMap<int, QVariant>> m_headers;
    std::vector<ListRow> m_rows;
    // The sort value of each ID held, when the list is ordered by a column
    // besides ID: a row is found by its place in the order.
    QHash<qint64, QVariant> m_keyOf;
    // The last row read: the next fetch goes on after it.
    ListPlace m_cursor;
    bool m_hasCursor = false;
    // Whether every row after the last one held was read (no fetch needed).
    bool m_atEnd = true;
    bool m_listing = false;
    bool m_removingRows = false;
    // Within a change of the rows held: no fetch starts.
    bool m_changing = false;
    // The reading the rows held are of (see forgetRead).
    int m_generation = 0;
    // Rows walked one by one to find a row by its ID.
    mutable qint64 m_rowsWalked = 0;
    // The sort asked for.
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QStringList m_listedTables;
    QString m_idTable;
};

} // namespace Vexal
