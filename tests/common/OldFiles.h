#pragma once

#include "data/DBSchema.h"
#include "data/SchemaScript.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// Database files as earlier builds of the program made them, made again
// from the schema scripts of those builds kept in tests/data/old-files (and
// a few rows of a user's), and what a test compares of a file: its schema
// and its rows. Header only: the benchmarks use it too (both define
// TESVAR_SOURCE_DIR).
namespace OldFiles {

// The builds whose files differ in schema, oldest first: 05be2ea, which had
// no index of the active projects, and 2434833, which had it but did not
// mark the files with their version.
inline QStringList builds()
{
    return {QStringLiteral("05be2ea"), QStringLiteral("2434833")};
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A script of tests/data/old-files: the schema of the first build, what a
// later build added to the one before, or "rows".
inline QString script(const QString& name)
{
    return QString::fromUtf8(bytes(QStringLiteral(TESVAR_SOURCE_DIR "/tests/data/old-files/%1.sql").arg(name)));
}

// A connection of its own to a file, removed at scope end.
class Connection
{
public:
    explicit Connection(const QString& path, const QString& options = QString())
        : m_name(QStringLiteral("old-files-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        db.open();
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // Runs statements in order; "" or the first failure.
    QString exec(const QStringList& statements) const
    {
        for (const QString& statement : statements) {
            QSqlQuery query(db());
            if (!query.exec(statement))
                return statement.left(80) + QStringLiteral(": ") + query.lastError().text();
        }
        return QString();
    }

    // Every value of the statement's rows, a row a line.
    QStringList lines(const QString& statement) const
    {
        QStringList result;
        QSqlQuery query(db());
        query.exec(statement);
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant value = query.value(i);
                values << (value.isNull() ? QStringLiteral("NULL")
                                          : value.type() == QVariant::ByteArray
                                     ? QString::fromLatin1(value.toByteArray().toHex())
                                     : value.toString());
            }
            result << values.join(QLatin1Char('|'));
        }
        return result;
    }

    // The schema: each object's type, name, table and statement by name,
    // then the version mark.
    QStringList schema() const
    {
        return lines(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name"))
            + lines(QStringLiteral("PRAGMA user_version"));
    }

    // The rows of every table, by table and ID.
    QStringList contents() const
    {
        QStringList result;
        for (const QString& table : lines(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                         "ORDER BY name"))) {
            for (const QString& row : lines(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(table)))
                result << table + QLatin1Char(':') + row;
        }
        return result;
    }

private:
    static inline int s_count = 0;
    QString m_name;
};

// Makes at `path` the file that `build` made: its schema in one transaction,
// with `rows` the rows of rows.sql, in the write-ahead log mode in which
// those builds kept their files. "" or what failed.
inline QString make(const QString& path, const QString& build, bool rows = true)
{
    const QStringList all = builds();
    if (!all.contains(build))
        return QStringLiteral("no schema script for %1").arg(build);
    QStringList schema;
    for (const QString& each : all.mid(0, all.indexOf(build) + 1))
        schema += Vexal::SchemaScript::statements(script(each));
    Connection file(path);
    if (!file.db().isOpen())
        return file.db().lastError().text();
    QStringList statements = QStringList{QStringLiteral("BEGIN")} + schema;
    if (rows)
        statements += Vexal::SchemaScript::statements(script(QStringLiteral("rows")));
    return file.exec(statements + QStringList{QStringLiteral("COMMIT"), QStringLiteral("PRAGMA journal_mode = WAL")});
}

// The schema of the file that a first start copies into place, as
// Connection::schema gives it.
inline QStringList newFileSchema()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new.db"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Vexal::DBSchema::newDatabase()) < 0)
        return QStringList();
    file.close();
    return Connection(path).schema();
}

} // namespace OldFiles
