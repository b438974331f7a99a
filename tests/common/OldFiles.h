#pragma once

#include "data/DBSchema.h"
#include "data/SchemaScript.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <utility>

// Database files as earlier builds of the program made them, made again
// from the schema scripts of those builds kept in tests/data/old-files (and
// a few rows of a user's), and what a test compares of a file: its schema
// and its values, as SQLite describes them. Header only: the benchmarks use
// it too (both define TESVAR_SOURCE_DIR).
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

    // The values of the statement's rows, each in its text form: NULL,
    // bytes in hex, or the value's text.
    QList<QStringList> rows(const QString& statement) const
    {
        QList<QStringList> result;
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
            result << values;
        }
        return result;
    }

    // Every value of the statement's rows, a row a line.
    QStringList lines(const QString& statement) const
    {
        QStringList result;
        for (const QStringList& row : rows(statement))
            result << row.join(QLatin1Char('|'));
        return result;
    }

    // The schema as SQLite describes it, by name: each object's type, name
    // and table; a table's columns as pragma_table_info gives them (name,
    // type, NOT NULL, default, key), any other object's statement; then the
    // version mark. A table is not described by its stored CREATE text: a
    // column that a step added to an older file is in it as the ALTER
    // wrote it, not as the script writes it for a new file.
    QStringList schema() const
    {
        QStringList result;
        for (const QStringList& object :
             rows(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name"))) {
            if (object.first() != QLatin1String("table")) {
                result << object.join(QLatin1Char('|'));
                continue;
            }
            result << object.mid(0, 3).join(QLatin1Char('|'));
            for (const QString& column : columns(object.at(1)))
                result << QStringLiteral("  ") + column;
        }
        return result + lines(QStringLiteral("PRAGMA user_version"));
    }

    // A table's columns in order, as pragma_table_info describes them: name,
    // type, NOT NULL, default (its SQL text), key.
    QStringList columns(const QString& table) const
    {
        return lines(QStringLiteral("SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info('%1') "
                                    "ORDER BY cid")
                         .arg(table));
    }

    // The tables' names, in order.
    QStringList tables() const
    {
        return lines(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    }

    // Every value of every table, by table, then ID, then column.
    using Values = QMap<QString, QMap<QString, QMap<QString, QString>>>;
    Values values() const
    {
        Values result;
        for (const QString& table : tables()) {
            QStringList names;
            for (const QString& column : columns(table))
                names << column.section(QLatin1Char('|'), 0, 0);
            auto& rowsById = result[table];
            for (const QStringList& row : rows(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(table))) {
                auto& byColumn = rowsById[row.first()];
                for (int i = 0; i < names.size() && i < row.size(); ++i)
                    byColumn.insert(names.at(i), row.at(i));
            }
        }
        return result;
    }

    // How the file's values differ from `before` (values() of it earlier)
    // beyond what steps that add columns and rows make of a file: "" when
    // every value it had stays as it was, a column it lacked holds its
    // default in each of its rows (NULL where it has none), as SQLite gives a
    // column added to a table, and each row it lacked is a row of `fresh`
    // (values() of a new file) but for its ID.
    QString differsFrom(const Values& before, const Values& fresh) const
    {
        const Values now = values();
        QStringList faults;
        for (auto table = before.begin(); table != before.end(); ++table) {
            if (!now.contains(table.key()))
                faults << QStringLiteral("table gone: ") + table.key();
        }
        for (auto table = now.begin(); table != now.end(); ++table) {
            const auto& earlier = before.value(table.key());
            // A row new to the file, its values but the ID, as a new file has it.
            QSet<QString> freshRows;
            for (auto row : fresh.value(table.key())) {
                row.remove(QStringLiteral("ID"));
                freshRows.insert(QStringList(row.values()).join(QLatin1Char('|')));
            }
            QHash<QString, QString> defaults;
            for (auto row = table.value().begin(); row != table.value().end(); ++row) {
                const QString where = table.key() + QLatin1Char('/') + row.key();
                if (!earlier.contains(row.key())) {
                    auto values = row.value();
                    values.remove(QStringLiteral("ID"));
                    if (!freshRows.contains(QStringList(values.values()).join(QLatin1Char('|'))))
                        faults << QStringLiteral("row new, of no new file: ") + where;
                    continue;
                }
                const auto& was = earlier.value(row.key());
                for (auto value = row.value().begin(); value != row.value().end(); ++value) {
                    if (was.contains(value.key())) {
                        if (was.value(value.key()) != value.value())
                            faults << QStringLiteral("value changed: %1/%2").arg(where, value.key());
                        continue;
                    }
                    if (!defaults.contains(value.key()))
                        defaults.insert(value.key(), defaultOf(table.key(), value.key()));
                    if (value.value() != defaults.value(value.key()))
                        faults << QStringLiteral("added column not at its default: %1/%2").arg(where, value.key());
                }
            }
            for (auto row = earlier.begin(); row != earlier.end(); ++row) {
                if (!table.value().contains(row.key()))
                    faults << QStringLiteral("row gone: %1/%2").arg(table.key(), row.key());
            }
        }
        return faults.join(QLatin1Char('\n'));
    }

    // The value a column's default gives a row, in the text form of rows().
    QString defaultOf(const QString& table, const QString& column) const
    {
        const QStringList found =
            rows(QStringLiteral("SELECT dflt_value FROM pragma_table_info('%1') WHERE name = '%2'").arg(table, column))
                .value(0);
        const QString expression = found.value(0);
        return expression == QLatin1String("NULL")
            ? expression
            : rows(QStringLiteral("SELECT %1").arg(expression)).value(0).value(0);
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

// What `read` reads of the file that a first start copies into place.
template <class Read>
auto ofNewFile(Read read) -> decltype(read(std::declval<const Connection&>()))
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("new.db"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Vexal::DBSchema::newDatabase()) < 0)
        return {};
    file.close();
    return read(Connection(path));
}

// The schema of the file that a first start copies into place, as
// Connection::schema gives it.
inline QStringList newFileSchema()
{
    return ofNewFile([](const Connection& file) { return file.schema(); });
}

// The values of the file that a first start copies into place, as
// Connection::values gives them.
inline Connection::Values newFileValues()
{
    return ofNewFile([](const Connection& file) { return file.values(); });
}

} // namespace OldFiles
