#pragma once

#include <QHash>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStringList>
#include <QVector>

#include <vector>

namespace Vexal {

class RecordChanges;
class RowIdSet;

// The SQL model of a record table. Columns can be marked with a display kind:
// bool columns show a check mark and no text, date and date-time columns a
// fixed, locale-free form, and an icon column draws the picture bytes held
// in the column to its left.
//
// It holds the first rows of its list, in the list's order (the sort column,
// then ID), and reads more in chunks as the view scrolls. Every read is one
// statement that ends at once: a chunk goes on after the last row read, by
// its sort value and ID. So a list never holds a read open between turns of
// the event loop, and a job's commit never waits for one, whatever the
// journal mode of the file.
//
// Stored changes are brought in for what they changed (applyChanges): the
// rows of the IDs they name are read again and updated, inserted, moved or
// removed in place, so that the view keeps its selection, current row and
// place; changes that do not name the list's rows read the rows on screen
// again, and the other rows are read again when they are shown
// (isCurrent, rereadRange).
class BaseTableModel final : public QSqlTableModel
{
    Q_OBJECT
public:
    // On the calling thread's connection (the default one on the GUI thread).
    explicit BaseTableModel(QObject* parent = nullptr);
    ~BaseTableModel() override;

    void setTable(const QString& tableName) override;
    void setSort(int column, Qt::SortOrder order) override;
    void clear() override;
    // Reads the list's first chunk anew (every row read before goes).
    bool select() override;
    // Re-selects in the new order; a rejected statement is reported.
    void sort(int column, Qt::SortOrder order) override;
    // Makes the text the model's filter and selects. False when the database
    // rejects the statement; the model is then empty.
    bool selectWhere(const QString& where);
    // Whether the last select succeeded (the model lists rows).
    bool isListing() const { return m_listing; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QSqlRecord record() const { return QSqlTableModel::record(); }
    QSqlRecord record(int row) const;

    void addBoolColumn(int column);
    void addIconColumn(int column);
    void addDateColumn(int column);
    void addDateTimeColumn(int column);

    bool isBoolColumn(int column) const { return hasKind(column, Bool); }
    bool isIconColumn(int column) const { return hasKind(column, Icon); }
    bool isDateColumn(int column) const { return hasKind(column, Date); }
    bool isDateTimeColumn(int column) const { return hasKind(column, DateTime); }

    // The last SELECT the model ran (for error reports).
    QString statementText() const { return m_statement; }
    // Logs the failed statement with the database's message and shows the
    // unexpected-error notice.
    void reportSelectError() const;

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
    struct Reads
    {
        int statements = 0;
        qint64 rows = 0;
    };
    Reads reads() const { return m_reads; }

private:
    enum Kind : quint8 { Bool = 1, Icon = 2, Date = 4, DateTime = 8 };
    enum class Side { After, AtOrAfter, AtOrBefore };

    struct Row
    {
        qint64 id = 0;
        // The reading the values are of (see forgetRead).
        int seen = 0;
        QVector<QVariant> values;
    };
    using Rows = std::vector<Row>;

    // Every row held goes (within a reset).
    void dropRows();
    // Reads the rows after the last one held, a chunk of them.
    void readNextChunk();
    void addKind(int column, Kind kind);
    bool hasKind(int column, Kind kind) const
    {
        return column >= 0 && column < m_kinds.size() && (m_kinds.at(column) & kind);
    }
    QVariant value(int row, int column) const;

    // Statements.
    int chunkSize() const;
    QString columnText(int column) const;
    QString orderText() const;
    // The condition that a row stands on that side of the row (key, id) in
    // the list's order; its values are appended to binds.
    QString sideText(Side side, const QVariant& key, qint64 id, QVariantList& binds) const;
    // Runs SELECT over the filter and the conditions, in the list's order
    // when ordered, at most `limit` rows (none: -1) after `offset`; the rows
    // go to `rows`. False (the error kept) when the database fails.
    bool readRows(const QStringList& conditions, const QVariantList& binds, int limit, int offset, bool ordered,
                  Rows* rows);

    // Order.
    QVariant keyOf(const Row& row) const { return m_keyColumn >= 0 ? row.values.at(m_keyColumn) : QVariant(); }
    // <0, 0, >0 as row a stands before, at or after row b in the list.
    int compare(const QVariant& keyA, qint64 idA, const QVariant& keyB, qint64 idB) const;
    int compare(const Row& a, const Row& b) const { return compare(keyOf(a), a.id, keyOf(b), b.id); }
    // Where the row goes among the rows held, leaving out the row at `skip`.
    int placeOf(const Row& row, int skip) const;
    // The row held of that ID, found by its place in the order; -1 if none.
    int rowOfId(qint64 id) const;

    // Changes of the rows held, told to the views.
    void appendRows(Rows rows);
    void insertRowAt(int at, Row row);
    // Rows that stand together, in the list's order, inserted at `at`.
    void insertRowsAt(int at, Rows rows);
    void removeRowRange(int first, int last);
    void removeRowAt(int at) { removeRowRange(at, at); }
    // Removes the rows (any order), a run of neighbours at a time.
    void removeRowsAt(QVector<int> rows);
    void moveRow(int from, int to);
    // New values for the row at `at` (told by the caller); false when they
    // are the same.
    bool setValues(int at, Row row);
    // New values for the row at `at`, which then moves to its place; where
    // it now stands.
    int replaceRow(int at, Row row);
    void setCursor(const Row& row);
    void keepKey(const Row& row);

    // Reads the rows of the IDs (those the filter lists), in no order.
    bool readIds(const RowIdSet& ids, Rows* rows);
    bool rereadIds(const RowIdSet& ids);
    // The rows held in first..last that a reading of the range did not give
    // stand elsewhere now, or are gone: a few are read by their IDs and move
    // to their places (keeping their selection), out of the range, which
    // first and last then name. Those now past the last row held wait at the
    // end of the rows held for readOnTo(furthest of them): their IDs.
    QVector<qint64> moveLeavers(int& first, int& last, const Rows& fresh, Row* furthest);
    // Reads on from the last row held to the row `target` (past it) when
    // few rows stand there, rows held among them (at least those of `held`)
    // moving to their places at the end. False, and nothing changed, when
    // more stand there.
    bool readOnTo(const Row& target, const QVector<qint64>& held);
    bool isPastHeld(const Row& row) const
    {
        return m_hasCursor && compare(keyOf(row), row.id, m_cursorKey, m_cursorId) > 0;
    }
    void mergeRows(int first, int last, Rows fresh);

    QVector<quint8> m_kinds;
    Rows m_rows;
    // Where the rows read so far end in the list's order.
    QVariant m_cursorKey;
    qint64 m_cursorId = 0;
    bool m_hasCursor = false;
    bool m_atEnd = true;
    bool m_listing = false;
    bool m_removingRows = false;
    // Within a change of the rows held: no fetch starts.
    bool m_changing = false;
    int m_generation = 0;
    // The sort asked for, the key column it orders by besides ID (-1: ID
    // only) and the ID column.
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_keyColumn = -1;
    bool m_descending = false;
    int m_idColumn = -1;
    // The sort value of each ID held, when the list is ordered by a column
    // besides ID: a row is found by its place in the order.
    QHash<qint64, QVariant> m_keyOf;
    QStringList m_listedTables;
    QString m_idTable;
    QString m_statement;
    Reads m_reads;
};

} // namespace Vexal
