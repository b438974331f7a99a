#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Vexal {

// Row IDs (SQLite's rowids) as ascending, disjoint, inclusive ranges: the
// rows a job inserts one after another are one range however many they are.
class RowIdSet
{
public:
    using Range = QPair<qint64, qint64>;

    void add(qint64 id) { add(id, id); }
    void add(qint64 first, qint64 last);
    void unite(const RowIdSet& other);

    bool isEmpty() const { return m_ranges.isEmpty(); }
    bool contains(qint64 id) const;
    // How many IDs the ranges hold.
    qint64 count() const;
    const QVector<Range>& ranges() const { return m_ranges; }
    // The IDs from `low` to `high`, both included.
    RowIdSet within(qint64 low, qint64 high) const;

private:
    QVector<Range> m_ranges;
};

// What committed transactions stored: by table, the rowids of the rows they
// inserted, updated or deleted, or (past maxRanges ranges) only that rows of
// the table changed. Table names are compared without regard to case.
class RecordChanges
{
public:
    // The most ranges kept of one table; past it, any row may have changed.
    static constexpr int maxRanges = 1024;

    void add(const QString& table, qint64 rowid);
    // Any row of the table may have changed.
    void addTable(const QString& table);
    void unite(const RecordChanges& other);

    bool isEmpty() const { return m_tables.isEmpty(); }
    QStringList tables() const;
    bool touchesAny(const QStringList& tables) const;
    // The rowids of the table's changed rows; null when the table did not
    // change or when any of its rows may have.
    const RowIdSet* rowsOf(const QString& table) const;
    // The changes of those tables only.
    RecordChanges of(const QStringList& tables) const;

private:
    struct Table
    {
        QString name;
        bool anyRow = false;
        RowIdSet rows;
    };

    Table& entry(const QString& table);
    const Table* find(const QString& table) const;

    QVector<Table> m_tables;
    // The entry the last row went to: a statement's rows are of one table.
    int m_last = -1;
};

} // namespace Vexal
