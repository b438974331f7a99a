#pragma once

// Table-driven checks shared by the record tests. Use them inside a test
// function that holds an open TestDatabase.

#include "data/DBBase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVariantList>

#include <functional>

namespace RecordCheck {

// What a record binds for each of its columns but ID, in column order.
inline QVariantList boundColumns(Vexal::DBBase& record)
{
    QSqlQuery query(QSqlDatabase::database());
    if (!query.prepare(record.updateText()))
        return {QStringLiteral("prepare failed: %1").arg(record.updateText())};
    record.bindValues(query);
    QVariantList values;
    const QStringList columns = record.columns();
    for (const QString& column : columns) {
        if (column != QLatin1String("ID"))
            values << query.boundValue(QLatin1Char(':') + column);
    }
    return values;
}

// Fills a new record, saves it, loads it into another and assigns it to a
// third. Every column but the ones in `unchanged` must differ from a new
// record's value (so the fill reached it), and the loaded and assigned
// records must bind exactly what the saved one bound.
template <class Record>
void roundTrip(const std::function<void(Record&)>& fill, const QStringList& unchanged = {})
{
    Record fresh;
    Record saved;
    fill(saved);
    QVERIFY2(saved.save(), qPrintable(saved.errorText()));
    QVERIFY(saved.id() > 0);

    const QStringList columns = saved.columns().mid(1);
    const QVariantList expected = boundColumns(saved);
    const QVariantList initial = boundColumns(fresh);
    QCOMPARE(expected.size(), columns.size());
    for (int i = 0; i < columns.size(); ++i) {
        if (!unchanged.contains(columns.at(i)))
            QVERIFY2(expected.at(i) != initial.at(i), qPrintable(QStringLiteral("fill misses %1").arg(columns.at(i))));
    }

    Record loaded;
    QVERIFY2(loaded.load(saved.id()), qPrintable(loaded.errorText()));
    const QVariantList read = boundColumns(loaded);
    for (int i = 0; i < columns.size(); ++i)
        QVERIFY2(read.at(i) == expected.at(i), qPrintable(QStringLiteral("read back: %1").arg(columns.at(i))));

    Record copy;
    copy.assign(&saved);
    QCOMPARE(copy.id(), saved.id());
    const QVariantList assigned = boundColumns(copy);
    for (int i = 0; i < columns.size(); ++i)
        QVERIFY2(assigned.at(i) == expected.at(i), qPrintable(QStringLiteral("assign: %1").arg(columns.at(i))));
}

// A text setter keeps the first `limit` characters, and a text read from the
// database is kept whole.
template <class Record>
void textLimit(void (Record::*setter)(const QString&), QString (Record::*getter)() const, int limit)
{
    Record record;
    const QString longText = QString(limit, QChar(0x00E9)) + QStringLiteral("tail");
    (record.*setter)(longText);
    QCOMPARE((record.*getter)(), longText.left(limit));
    (record.*setter)(longText.left(limit - 1));
    QCOMPARE((record.*getter)(), longText.left(limit - 1));
}

} // namespace RecordCheck
