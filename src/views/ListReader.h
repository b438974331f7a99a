#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <vector>

namespace Vexal {

class RowIdSet;

// A row of a list as read: its ID, its columns' values, and the reading of
// the list its values are of (see BaseTableModel::forgetRead).
struct ListRow
{
    qint64 id = 0;
    int seen = 0;
    QVector<QVariant> values;
};
using ListRows = std::vector<ListRow>;

// A place in a list's order: a row's sort value and ID.
struct ListPlace
{
    QVariant key;
    qint64 id = 0;
};

// Reads the rows of a list: a table or a view, a WHERE text (the filter) and
// an order, by a sort column and then by ID, both ascending or descending.
// Every read is one statement read to its end: it holds nothing open between
// turns of the event loop, so a job's commit never waits for a list, in any
// journal mode. A list is read in chunks, each after the last row read (by
// its sort value and ID, never by an offset that rows stored since would
// shift); rows are read again by their IDs or as a range between two rows.
class ListReader
{
public:
    // The rows a fetch reads (the first, and each next one in the order of
    // ID); a view not shown takes as many for its screen.
    static constexpr int chunkRows = 256;
    // The most rows one statement reads: a list ordered by a column besides
    // ID fetches as many rows as it holds up to this (such a read may pass
    // over the whole table to find its rows), and a range read again with
    // many new rows in it reads this many.
    static constexpr int largestRead = 16384;

    // The work the reads have done: statements run and rows read.
    struct Reads
    {
        int statements = 0;
        qint64 rows = 0;
    };

    explicit ListReader(QSqlDatabase db);

    // The table or view read; its columns (none when it is neither, or when
    // they could not be read: every read then fails with that error).
    void setSource(const QString& source);
    QString source() const { return m_source; }
    const QSqlRecord& fields() const { return m_fields; }
    void setFilter(const QString& where) { m_filter = where; }
    QString filter() const { return m_filter; }
    // Ordered by the column `keyColumn` (-1: by ID alone), then by ID.
    void setOrder(int keyColumn, bool descending);
    int keyColumn() const { return m_keyColumn; }
    bool isDescending() const { return m_descending; }
    // The ID column; -1 when the source has none (it is then read by offset).
    int idColumn() const { return m_idColumn; }

    // The order: <0, 0, >0 as a stands before, at or after b in the list.
    // SQLite's order of values: NULL, numbers, texts by their bytes, blobs.
    QVariant keyOf(const ListRow& row) const { return m_keyColumn >= 0 ? row.values.at(m_keyColumn) : QVariant(); }
    ListPlace placeOf(const ListRow& row) const { return {keyOf(row), row.id}; }
    int compare(const ListPlace& a, const ListPlace& b) const;
    int compare(const ListRow& a, const ListRow& b) const { return compare(placeOf(a), placeOf(b)); }
    static int compareValues(const QVariant& a, const QVariant& b);

    // Each read appends the rows it gives to `rows` and is false (the
    // database's error kept) when the database fails.
    // A chunk of `limit` rows from the start (after `offset` rows, for a
    // source without IDs) or after the place `after`.
    bool readChunk(const ListPlace* after, int offset, int limit, ListRows* rows);
    // The rows at or after `from` and at or before `to` (null: the list's
    // end), in order, at most `limit`.
    bool readRange(const ListPlace* from, const ListPlace* to, int limit, ListRows* rows);
    // The rows after `after` and at or before `to`, in order, at most `limit`.
    bool readOnTo(const ListPlace& after, const ListPlace& to, int limit, ListRows* rows);
    // The rows of the IDs that the filter lets through, in no order.
    bool readIds(const RowIdSet& ids, ListRows* rows);

    // The last statement run (for error reports) and its error.
    QString statementText() const { return m_statement; }
    QSqlError lastError() const { return m_error; }
    // What the user can act on in it (DBConnection::failureCause), asked
    // right after the failure.
    QString failureCause() const;
    Reads reads() const { return m_reads; }

private:
    enum class Side { After, AtOrAfter, AtOrBefore };

    QString columnText(int column) const;
    QString orderText() const;
    // The condition that a row stands on that side of the place; its values
    // are appended to binds.
    QString sideText(Side side, const ListPlace& place, QVariantList& binds) const;
    // SELECT over the filter and the conditions, in the list's order when
    // ordered, at most `limit` rows (none: -1) after `offset`.
    bool readRows(const QStringList& conditions, const QVariantList& binds, int limit, int offset, bool ordered,
                  ListRows* rows);

    QSqlDatabase m_db;
    QString m_source;
    QSqlRecord m_fields;
    QString m_filter;
    int m_keyColumn = -1;
    int m_idColumn = -1;
    bool m_descending = false;
    QString m_statement;
    QSqlError m_error;
    // Why the source's columns could not be read, when they could not.
    QSqlError m_sourceError;
    Reads m_reads;
};

} // namespace Vexal
