#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

// Stores one row of test data, column by column, on the default connection
// and returns its id (-1 when the insert fails). A row of many columns reads
// as one piece of data where a record would need a setter call for each.
inline int addRow(const QString& table, const QVariantMap& values)
{
    const QStringList columns = values.keys();
    QSqlQuery query(QSqlDatabase::database());
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (:%3)")
                           .arg(table, columns.join(QLatin1String(", ")), columns.join(QLatin1String(", :")))))
        return -1;
    for (auto it = values.begin(); it != values.end(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    return query.exec() ? query.lastInsertId().toInt() : -1;
}
