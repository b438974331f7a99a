#include "FreshDatabaseTest.h"
#include "JournalDriver.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/RecordChanges.h"
#include "views/BaseTableModel.h"

#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>

using namespace Vexal;

namespace {

// The projects' IDs in the order a fresh SELECT gives them.
QList<qint64> storedOrder(const QString& column, bool descending)
{
    const QString direction = descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
    QList<qint64> ids;
    const QString order = column.isEmpty() ? QString() : column + direction + QStringLiteral(", ");
    QSqlQuery query(QStringLiteral("SELECT ID FROM Project ORDER BY %1ID%2").arg(order, direction));
    while (query.next())
        ids << query.value(0).toLongLong();
    return ids;
}

QList<qint64> heldOrder(const BaseTableModel& model)
{
    QList<qint64> ids;
    for (int row = 0; row < model.rowCount(); ++row)
        ids << model.value(row, QStringLiteral("ID")).toLongLong();
    return ids;
}

// The names the rows held show, and those stored for the IDs.
QVariantList heldNames(const BaseTableModel& model)
{
    QVariantList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.value(row, QStringLiteral("Name"));
    return names;
}

QVariantList storedNames(const QList<qint64>& ids)
{
    QVariantList names;
    for (qint64 id : ids) {
        QSqlQuery query(QStringLiteral("SELECT Name FROM Project WHERE ID = %1").arg(id));
        names << (query.next() ? query.value(0) : QVariant(QStringLiteral("(gone)")));
    }
    return names;
}

// Projects (700) whose Name repeats and is sometimes NULL, and whose Active
// holds every kind of value SQLite orders: NULL, whole and real numbers,
// texts and blobs.
bool addProjects(int count = 700)
{
    return TestDatabase::exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Project (Name, Active, URL) SELECT CASE WHEN i % 11 = 0 THEN NULL ELSE 'p' || (i % 37) END, "
        "CASE i % 6 WHEN 0 THEN NULL WHEN 1 THEN i % 5 WHEN 2 THEN (i % 7) + 0.5 WHEN 3 THEN 'a' || (i % 9) "
        "WHEN 4 THEN CAST('b' || (i % 4) AS BLOB) ELSE -(i % 3) END, 'u' FROM n").arg(count));
}

// What is stored beside the open list, and the rows it names.
using Change = std::function<void(RecordChanges&)>;

void run(const QString& statement, const QString& rows, RecordChanges& changes)
{
    QVERIFY2(TestDatabase::exec(statement), qPrintable(statement));
    QSqlQuery query(QStringLiteral("SELECT ID FROM Project WHERE %1").arg(rows));
    while (query.next())
        changes.add(QStringLiteral("Project"), query.value(0).toLongLong());
}

} // namespace

// A list's model keeps its rows in the order a fresh SELECT gives them: read
// in chunks after the last row, and after changes brought in by the IDs
// they name or by reading a range again. SQLite's order of NULLs, numbers,
// texts and blobs, ties broken by ID, in both directions.
class ListOrderTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void rowsFollowTheStoredOrder_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("fetched");
        const char* const changes[] = {"values changed",
                                       "values changed twice",
                                       "a row moved far past the rows held",
                                       "a row on screen moved far past the rows held, its ID not told",
                                       "many values changed",
                                       "rows deleted",
                                       "rows inserted",
                                       "more rows inserted among them than a statement reads",
                                       "a range read again",
                                       "more scattered rows changed than a statement reads"};
        const struct
        {
            const char* column;
            bool descending;
        } orders[] = {{"", false}, {"", true}, {"Name", false}, {"Name", true}, {"Active", false}, {"Active", true}};
        for (const auto& order : orders) {
            for (const char* change : changes) {
                for (int fetched : {300, 700}) {
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2, %3, %4 fetched")
                                                 .arg(QLatin1String(*order.column ? order.column : "ID"),
                                                      order.descending ? QStringLiteral("down") : QStringLiteral("up"),
                                                      QLatin1String(change))
                                                 .arg(fetched)))
                        << order.column << order.descending << change << fetched;
                }
            }
        }
    }

    void rowsFollowTheStoredOrder()
    {
        QFETCH(QString, column);
        QFETCH(bool, descending);
        QFETCH(QString, change);
        QFETCH(int, fetched);
        // More rows than are held past the last one held, for a row to go.
        const bool farPast = change.contains("far past the rows held");
        QVERIFY(addProjects(farPast ? 1400 : 700));
        BaseTableModel model;
        model.setTable(QStringLiteral("Project"));
        model.setSort(column.isEmpty() ? 0 : model.fieldIndex(column),
                      descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QVERIFY(model.select());
        QVERIFY2(JournalDriver::fetchRows(&model, fetched), "the list does not settle");
        QVERIFY(model.rowCount() >= fetched);
        QVERIFY(!farPast || TestDatabase::rowCount(QStringLiteral("Project")) - model.rowCount() > BaseTableModel::chunkRows);
        {
            const QList<qint64> stored = storedOrder(column, descending);
            QCOMPARE(heldOrder(model), stored.mid(0, model.rowCount()));
        }

        RecordChanges changes;
        if (change.startsWith("values changed")) {
            // Rows move to other places, some of them past the rows held.
            run(QStringLiteral("UPDATE Project SET Name = 'p' || (ID % 5), Active = CASE WHEN ID % 2 = 0 THEN NULL "
                               "ELSE 'z' END WHERE ID % 29 = 3"),
                QStringLiteral("ID % 29 = 3"), changes);
            if (change.endsWith("twice")) {
                // The rows moved are found again where they went.
                model.applyChanges(changes, 0, model.rowCount() - 1);
                changes = RecordChanges();
                run(QStringLiteral("UPDATE Project SET Name = 'q' || (ID % 3), Active = ID % 4 WHERE ID % 29 = 3"),
                    QStringLiteral("ID % 29 = 3"), changes);
            }
        } else if (farPast) {
            // The first row held comes last, more than a fetch past the rows
            // held.
            const QString last = descending ? QStringLiteral("NULL") : QStringLiteral("X'FFFF'");
            const qint64 id = model.value(0, QStringLiteral("ID")).toLongLong();
            const bool told = !change.endsWith("not told");
            run(QStringLiteral("UPDATE Project SET Name = %1, Active = %1 WHERE ID = %2").arg(last).arg(id),
                told ? QStringLiteral("ID = %1").arg(id) : QStringLiteral("0"), changes);
            if (!told)
                changes.addTable(QStringLiteral("Project"));
        } else if (change == "many values changed") {
            // More rows change places than are moved one by one.
            run(QStringLiteral("UPDATE Project SET Name = 'q' || (ID % 7), Active = ID % 4 WHERE ID % 3 = 0"),
                QStringLiteral("ID % 3 = 0"), changes);
        } else if (change == "rows deleted") {
            run(QStringLiteral("DELETE FROM Project WHERE ID % 13 = 5 OR ID BETWEEN 100 AND 140"),
                QStringLiteral("0"), changes);
            for (qint64 id = 1; id <= 720; ++id) {
                if (id % 13 == 5 || (id >= 100 && id <= 140))
                    changes.add(QStringLiteral("Project"), id);
            }
        } else if (change == "rows inserted") {
            run(QStringLiteral("INSERT INTO Project (ID, Name, Active, URL) VALUES (2001, 'p3', 2, 'u'), "
                               "(2002, NULL, NULL, 'u'), (2003, 'a', 'a3', 'u'), (2004, 'p9', 0.25, 'u')"),
                QStringLiteral("ID > 2000"), changes);
        } else if (change.startsWith("more scattered rows")) {
            // 350 rows apart from each other, by one commit: their IDs are
            // read again by more than one statement.
            run(QStringLiteral("UPDATE Project SET Name = 'n' || ID WHERE ID % 2 = 0"), QStringLiteral("ID % 2 = 0"),
                changes);
        } else if (change.startsWith("more rows inserted")) {
            // In one statement, where the rows held stand: after the names
            // "p1" and the values "a4" (before those that follow them).
            run(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 16500) "
                               "INSERT INTO Project (Name, Active, URL) SELECT 'p1!' || i, 'a4!' || i, 'u' FROM n"),
                QStringLiteral("URL = 'u' AND Name LIKE 'p1!%'"), changes);
        } else {
            run(QStringLiteral("UPDATE Project SET Name = 'p1' WHERE ID % 17 = 0"), QStringLiteral("0"), changes);
            changes.addTable(QStringLiteral("Project"));
        }
        QVERIFY(!changes.isEmpty());
        const int held = model.rowCount();
        // On screen: every row held, or the rows held around the place the
        // new rows go.
        int first = 0;
        int last = held - 1;
        if (change.startsWith("more rows inserted")) {
            const QList<qint64> stored = storedOrder(column, descending);
            const RowIdSet* added = changes.rowsOf(QStringLiteral("Project"));
            QVERIFY(added);
            int place = 0;
            while (place < stored.size() && !added->contains(stored.at(place)))
                ++place;
            first = std::max(0, std::min(place, held) - 8);
            last = std::min(held - 1, first + 16);
        } else if (change.endsWith("not told")) {
            last = 40;
        }
        Logger::resetForTests();
        model.applyChanges(changes, first, last);
        // Each statement read what it was built to: none failed.
        QVERIFY2(Logger::warnings().isEmpty(), qPrintable(Logger::warnings().join(QLatin1Char('\n'))));
        // The rows held are those a fresh SELECT gives first, as stored
        // (but where a range was read, which leaves the others to be read
        // when shown): none waits for the last fetch under its old values.
        if (!change.startsWith("more rows inserted")) {
            QCOMPARE(heldOrder(model), storedOrder(column, descending).mid(0, model.rowCount()));
            QCOMPARE(heldNames(model), storedNames(heldOrder(model)));
        }
        // Whatever a range read left to read comes with the next fetches. A
        // list in an order of its own reads on in reads as large as the rows
        // it holds, as each may go through the whole table: their number grows
        // with the rows' logarithm, where reading a chunk at a time would take
        // one read per chunk.
        const int readBefore = model.workForTests().statements;
        const int heldBefore = model.rowCount();
        QVERIFY2(JournalDriver::fetchRows(&model), "the list does not settle");
        if (!column.isEmpty()) {
            int reads = 1;
            for (int rows = std::max(heldBefore, 1); rows < model.rowCount(); rows *= 2)
                ++reads;
            const int readOn = model.workForTests().statements - readBefore;
            QVERIFY2(readOn <= reads, qPrintable(QStringLiteral("%1 reads from %2 rows to %3")
                                                     .arg(readOn)
                                                     .arg(heldBefore)
                                                     .arg(model.rowCount())));
        }
        QCOMPARE(heldOrder(model), storedOrder(column, descending));
        QCOMPARE(heldNames(model), storedNames(heldOrder(model)));
        // A row is found by the sort value it was last read with, never by
        // walking the rows held: changing many rows costs as many lookups.
        QCOMPARE(model.workForTests().rowsWalked, 0);
    }

    // Ranges read at different times that meet leave no gap: rows stored
    // between the last row of one and the first of the other come with the
    // second reading, on either side.
    void rangesReadApartLeaveNoGap_data()
    {
        QTest::addColumn<bool>("laterRangeFirst");
        QTest::newRow("the range before read last") << true;
        QTest::newRow("the range after read last") << false;
    }

    void rangesReadApartLeaveNoGap()
    {
        QFETCH(bool, laterRangeFirst);
        QVERIFY(addProjects());
        BaseTableModel model;
        model.setTable(QStringLiteral("Project"));
        model.setSort(model.fieldIndex(QStringLiteral("Name")), Qt::AscendingOrder);
        QVERIFY(model.select());
        QVERIFY2(JournalDriver::fetchRows(&model), "the list does not settle");
        // Rows that stand between two neighbours of other names, stored
        // without news.
        const auto name = [&model](int row) { return model.value(row, QStringLiteral("Name")).toString(); };
        int edge = 80;
        while (name(edge) == name(edge + 1))
            ++edge;
        const QString between = name(edge) + QStringLiteral("+");
        QVERIFY(name(edge) < between && between < name(edge + 1));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, URL) VALUES (3001, '%1', 'u'), "
                                                  "(3002, '%1', 'u')").arg(between)));
        model.forgetRead();
        if (laterRangeFirst) {
            model.rereadRange(edge + 1, edge + 30);
            model.rereadRange(0, edge);
        } else {
            model.rereadRange(0, edge);
            model.rereadRange(edge + 1, edge + 30);
        }
        QVERIFY(model.isCurrent(0, edge + 30));
        QCOMPARE(heldOrder(model).mid(0, edge + 30), storedOrder(QStringLiteral("Name"), false).mid(0, edge + 30));
    }

    // Row IDs stored one after another are one range; others merge with the
    // ranges they touch.
    void rowIdsMergeIntoRanges_data()
    {
        QTest::addColumn<QList<qint64>>("added");
        QTest::addColumn<QString>("ranges");
        QTest::newRow("one after another") << QList<qint64>{5, 6, 7, 8} << "5-8";
        QTest::newRow("again") << QList<qint64>{5, 5, 6, 5} << "5-6";
        QTest::newRow("gaps") << QList<qint64>{9, 1, 5} << "1-1 5-5 9-9";
        QTest::newRow("filling a gap") << QList<qint64>{1, 3, 5, 2, 4} << "1-5";
        QTest::newRow("backwards") << QList<qint64>{10, 9, 8, 20} << "8-10 20-20";
        QTest::newRow("ends of the range")
            << QList<qint64>{std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(), 0}
            << QStringLiteral("%1-%1 0-0 %2-%2")
                   .arg(std::numeric_limits<qint64>::min())
                   .arg(std::numeric_limits<qint64>::max());
    }

    void rowIdsMergeIntoRanges()
    {
        QFETCH(QList<qint64>, added);
        QFETCH(QString, ranges);
        RowIdSet ids;
        for (qint64 id : added)
            ids.add(id);
        QStringList shown;
        for (const RowIdSet::Range& range : ids.ranges())
            shown << QStringLiteral("%1-%2").arg(range.first).arg(range.second);
        QCOMPARE(shown.join(QLatin1Char(' ')), ranges);
        for (qint64 id : added)
            QVERIFY(ids.contains(id));
        QVERIFY(!ids.contains(-7));
    }
};

TESVAR_TEST(ListOrderTest)
#include "ListOrderTest.moc"
