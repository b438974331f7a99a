#pragma once

// Table-driven checks shared by the record tests. Use them inside a test
// function that holds an open TestDatabase.

#include "data/DBBase.h"

#include <QHash>
#include <QImage>
#include <QScopedPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVariantList>

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

namespace Detail {

// The value a column of the given declared type holds in row `row`; dates
// follow the stored forms, pictures are small PNGs of their own colour.
inline QVariant sampleValue(const QString& column, const QString& type, int index, int row, bool dateTime)
{
    if (type == QLatin1String("BLOB")) {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(QColor(index * 5 % 256, row * 40 % 256, 200));
        return Vexal::DBBase::imageValue(image);
    }
    if (type == QLatin1String("INTEGER"))
        return 2 + (index + row) % 8; // small: setters clamp some numbers
    if (column.endsWith(QLatin1String("Date")) || column == QLatin1String("Birthday")) {
        const QString day = QStringLiteral("2001-%1-%2")
                                .arg(row + 1, 2, 10, QLatin1Char('0'))
                                .arg(index % 28 + 1, 2, 10, QLatin1Char('0'));
        return dateTime ? QVariant(day + QStringLiteral("T04:05:06")) : QVariant(day);
    }
    // Quotes, wildcards and characters beyond 16 bits must reach SQLite as values.
    return QStringLiteral("%1 %2/%3 it's 50%_ \\ \"q\"; DROP TABLE x; -- \u4E2D\U0001F600")
        .arg(column)
        .arg(index)
        .arg(row);
}

inline bool sameValue(const QVariant& a, const QVariant& b, const QString& type)
{
    if (type == QLatin1String("BLOB"))
        return Vexal::DBBase::readImage(a).convertToFormat(QImage::Format_ARGB32)
            == Vexal::DBBase::readImage(b).convertToFormat(QImage::Format_ARGB32);
    if (type == QLatin1String("INTEGER"))
        return a.toLongLong() == b.toLongLong();
    return a.toString() == b.toString();
}

inline QVariantList storedRow(const QString& table, const QStringList& columns, int id)
{
    QVariantList values;
    QSqlQuery query(QSqlDatabase::database());
    const QString select = QStringLiteral("SELECT %1 FROM %2 WHERE ID = %3");
    if (query.exec(select.arg(columns.join(QLatin1String(", ")), table).arg(id)) && query.next()) {
        for (int i = 0; i < columns.size(); ++i)
            values << query.value(i);
    }
    return values;
}

} // namespace Detail

// Writes rows straight into the table of the prototype's kind, each column a
// value of its own, and checks for every row that a record loading it binds
// each value back to its own column; that a copy made with assign() (which
// goes through the setters) binds the same, or only Name and Comments for the
// kinds whose copy takes no own field; that assigning a record of another kind
// (the stranger) takes its Name and Comments and nothing else; and that the
// copy saved as a new row, and a copy through the field table (copyRows),
// write the same row. Flags (stored non-zero, written
// back as 1) are told apart by the rows: each has its own pattern of set and
// clear across them.
inline void storedRowsRoundTrip(const Vexal::DBBase& prototype, bool ownFieldsAssigned = true,
                                const Vexal::DBBase* stranger = nullptr)
{
    const QString table = prototype.tableName();
    const QStringList columns = prototype.columns().mid(1);
    QStringList types;
    {
        QSqlQuery info(QSqlDatabase::database());
        QVERIFY(info.exec(QStringLiteral("PRAGMA table_info(%1);").arg(table)));
        QHash<QString, QString> declared;
        while (info.next())
            declared.insert(info.value(1).toString(), info.value(2).toString());
        for (const QString& column : columns)
            types << declared.value(column);
    }
    const auto insert = [&](int id, const QVariantList& values) {
        QSqlQuery query(QSqlDatabase::database());
        QVERIFY(query.prepare(QStringLiteral("INSERT INTO %1 (ID, %2) VALUES (%3%4)")
                                  .arg(table, columns.join(QLatin1String(", ")))
                                  .arg(id)
                                  .arg(QString(QStringLiteral(", ?")).repeated(columns.size()))));
        for (const QVariant& value : values)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    };
    const auto loadedBinding = [&](int id) {
        QScopedPointer<Vexal::DBBase> record(prototype.create(nullptr));
        return record->load(id) ? boundColumns(*record) : QVariantList();
    };

    // A first row tells flags and date-times from the rest.
    QList<bool> flag;
    QList<bool> dateTime;
    {
        QVariantList values;
        for (int i = 0; i < columns.size(); ++i)
            values << Detail::sampleValue(columns.at(i), types.at(i), i, 0, true);
        insert(1, values);
        const QVariantList bound = loadedBinding(1);
        QCOMPARE(bound.size(), columns.size());
        for (int i = 0; i < columns.size(); ++i) {
            flag << (types.at(i) == QLatin1String("INTEGER") && bound.at(i).toLongLong() == 1);
            dateTime << Detail::sameValue(bound.at(i), values.at(i), types.at(i));
        }
    }
    int flags = 0;
    for (bool f : flag)
        flags += f ? 1 : 0;
    int rows = 1;
    while ((1 << rows) <= flags)
        ++rows;

    for (int row = 0; row < rows; ++row) {
        const int id = 100 + row;
        QVariantList values;
        for (int i = 0, k = 0; i < columns.size(); ++i) {
            if (flag.at(i))
                values << (((++k) >> row) & 1);
            else
                values << Detail::sampleValue(columns.at(i), types.at(i), i, row, dateTime.at(i));
        }
        insert(id, values);

        QScopedPointer<Vexal::DBBase> loaded(prototype.create(nullptr));
        QVERIFY2(loaded->load(id), qPrintable(loaded->errorText()));
        const QVariantList bound = boundColumns(*loaded);
        for (int i = 0; i < columns.size(); ++i)
            QVERIFY2(Detail::sameValue(bound.at(i), values.at(i), types.at(i)),
                     qPrintable(QStringLiteral("%1.%2 row %3: %4 stored, %5 bound")
                                    .arg(table, columns.at(i))
                                    .arg(row)
                                    .arg(values.at(i).toString(), bound.at(i).toString())));

        QScopedPointer<Vexal::DBBase> copy(prototype.create(nullptr));
        copy->assign(loaded.data());
        const QVariantList assigned = boundColumns(*copy);
        const int copied = ownFieldsAssigned ? columns.size() : 2; // Name and Comments
        for (int i = 0; i < copied; ++i)
            QVERIFY2(assigned.at(i) == bound.at(i),
                     qPrintable(QStringLiteral("assign: %1.%2").arg(table, columns.at(i))));

        // A record of another kind (or none) gives its base fields only.
        if (stranger) {
            copy->assign(stranger);
            copy->assign(nullptr);
            const QVariantList mixed = boundColumns(*copy);
            QCOMPARE(mixed.at(0).toString(), stranger->name());
            QCOMPARE(mixed.at(1).toString(), stranger->comments());
            for (int i = 2; i < copied; ++i)
                QVERIFY2(mixed.at(i) == bound.at(i),
                         qPrintable(QStringLiteral("assign of another kind: %1.%2").arg(table, columns.at(i))));
            copy->assign(loaded.data());
        }

        Vexal::DBBase* written = ownFieldsAssigned ? copy.data() : loaded.data();
        written->setId(id + 100);
        written->markNew();
        QVERIFY2(written->save(), qPrintable(written->errorText()));
        const QVariantList writtenRow = Detail::storedRow(table, columns, id + 100);
        QCOMPARE(writtenRow.size(), columns.size());
        for (int i = 0; i < columns.size(); ++i)
            QVERIFY2(Detail::sameValue(writtenRow.at(i), values.at(i), types.at(i)),
                     qPrintable(QStringLiteral("save: %1.%2 row %3").arg(table, columns.at(i)).arg(row)));

        // A copy through the field table (copyRows, the journals' Copy)
        // stores the row's values in a new row, of the table's next ID.
        QSqlQuery last(QSqlDatabase::database());
        const QString lastId = QStringLiteral("SELECT MAX(ID) FROM %1").arg(table);
        QVERIFY(last.exec(lastId) && last.next());
        const int copiedId = last.value(0).toInt() + 1;
        QScopedPointer<Vexal::DBBase> copier(prototype.create(nullptr));
        QVERIFY2(copier->copyRows(QStringLiteral("ID = %1").arg(id), {}), qPrintable(copier->errorText()));
        QVERIFY(last.exec(lastId) && last.next());
        QCOMPARE(last.value(0).toInt(), copiedId);
        const QVariantList copiedRow = Detail::storedRow(table, columns, copiedId);
        QVERIFY(last.exec(QStringLiteral("DELETE FROM %1 WHERE ID = %2").arg(table).arg(copiedId)));
        QCOMPARE(copiedRow.size(), columns.size());
        for (int i = 0; i < columns.size(); ++i)
            QVERIFY2(Detail::sameValue(copiedRow.at(i), values.at(i), types.at(i)),
                     qPrintable(QStringLiteral("copyRows: %1.%2 row %3").arg(table, columns.at(i)).arg(row)));
    }
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
