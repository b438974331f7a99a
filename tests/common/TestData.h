#pragma once

#include "core/Init.h"
#include "data/DBCache.h"
#include "data/DBProject.h"
#include "data/Encryptor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

// Test data written the way the program finds it. Use inside a test
// function that holds an open TestDatabase.

// Stores one row, column by column, on the default connection and returns
// its id (-1 when the insert fails). A row of many columns reads as one
// piece of data where a record would need a setter call for each.
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

// The first column of every row a statement gives, as text.
inline QStringList columnValues(const QString& statement)
{
    QStringList values;
    QSqlQuery query(QSqlDatabase::database());
    query.exec(statement);
    while (query.next())
        values << query.value(0).toString();
    return values;
}

// Stores an active project and makes it the current one, as after start-up;
// returns its id (-1 when it cannot be saved).
inline int useProject(const QString& name)
{
    Vexal::DBProject project;
    project.setName(name);
    project.setActive(true);
    if (!project.save())
        return -1;
    Vexal::DBCache::setProject(&project);
    return project.id();
}

// A password as the program stores it.
inline QString scrambled(const QString& plain)
{
    return Vexal::Encryptor(Vexal::Encryptor::programKey()).encode(plain);
}

// Rows written by the connection so far: unchanged when a save writes nothing.
inline int totalChanges()
{
    QSqlQuery query(QSqlDatabase::database());
    return query.exec(QStringLiteral("SELECT total_changes();")) && query.next() ? query.value(0).toInt() : -1;
}

// What a journal hands a page for a new record, under the owner (language,
// word, country) chosen in the journal, if any.
inline Vexal::Init* newRecordInit(int ownerId = -1)
{
    auto* init = new Vexal::Init(-1, nullptr);
    init->setSecondId(ownerId);
    return init;
}
