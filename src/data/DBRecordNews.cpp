#include "data/DBRecordNews.h"

#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <unordered_map>

namespace Vexal {

namespace {

// Set once the thread's Pending is gone: a connection closed at the very end
// of the program may still roll back.
thread_local bool pendingGone = false;

// The tables changed on the calling thread's connections: by the open
// transaction of each connection, and (on a job's thread) by committed ones
// not yet told.
struct Pending
{
    ~Pending() { pendingGone = true; }

    std::unordered_map<void*, QStringList> open;
    QStringList committed;
    // The row last heard, to pass over the next rows of the same table at
    // once: its connection and table.
    void* lastConnection = nullptr;
    QByteArray lastTable;

    void forget(void* connection)
    {
        lastConnection = nullptr;
        open.erase(connection);
    }
};

thread_local Pending pending;

void addOnce(QStringList& tables, const QString& table)
{
    if (!tables.contains(table, Qt::CaseInsensitive))
        tables.append(table);
}

extern "C" void recordNewsRowChanged(void* connection, int, const char* database, const char* table, sqlite3_int64)
{
    if (pendingGone)
        return;
    Pending& news = pending;
    if (connection == news.lastConnection && news.lastTable == table)
        return;
    // Temporary tables and attached files hold no records of a list.
    if (qstrcmp(database, "main") != 0)
        return;
    news.lastConnection = connection;
    news.lastTable = table;
    addOnce(news.open[connection], QString::fromUtf8(table));
}

extern "C" int recordNewsCommitted(void* connection)
{
    if (pendingGone)
        return 0;
    Pending& news = pending;
    const auto it = news.open.find(connection);
    if (it == news.open.end()) {
        news.lastConnection = nullptr;
        return 0;
    }
    const QStringList tables = it->second;
    news.forget(connection);
    if (DBConnection::isGuiThread()) {
        UtilSignalManager::instance()->emitRecordsChanged(tables);
    } else {
        for (const QString& table : tables)
            addOnce(news.committed, table);
    }
    return 0;
}

extern "C" void recordNewsRolledBack(void* connection)
{
    if (!pendingGone)
        pending.forget(connection);
}

} // namespace

void DBRecordNews::watch(QSqlDatabase db)
{
    const QSqlDriver* driver = db.driver();
    if (!driver || !driver->isOpen())
        return;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection)
        return;
    // The three are set together: a connection whose commit is heard is watched.
    if (sqlite3_commit_hook(connection, recordNewsCommitted, connection) == connection)
        return;
    sqlite3_update_hook(connection, recordNewsRowChanged, connection);
    sqlite3_rollback_hook(connection, recordNewsRolledBack, connection);
}

void DBRecordNews::tell()
{
    if (pendingGone)
        return;
    Pending& news = pending;
    if (news.committed.isEmpty())
        return;
    QStringList tables;
    tables.swap(news.committed);
    UtilSignalManager::instance()->emitRecordsChanged(tables);
}

QStringList DBRecordNews::sourceTables(const QString& source)
{
    // The schema is the program's own: what a name lists is asked once.
    static QMutex mutex;
    static QHash<QString, QStringList> known;
    const QString key = source.toLower();
    {
        QMutexLocker lock(&mutex);
        const auto it = known.constFind(key);
        if (it != known.constEnd())
            return it.value();
    }
    QSqlDatabase db = DBConnection::current();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE lower(name) = :name;"));
    query.bindValue(QStringLiteral(":name"), key);
    if (!query.exec() || !query.next())
        return {source};
    QStringList tables;
    if (query.value(0).toString() != QLatin1String("view")) {
        tables << query.value(1).toString();
    } else {
        const QString statement = query.value(2).toString();
        QHash<QString, QString> declared;
        QSqlQuery names(db);
        names.setForwardOnly(true);
        names.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table';"));
        while (names.next())
            declared.insert(names.value(0).toString().toLower(), names.value(0).toString());
        static const QRegularExpression word(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*"));
        auto words = word.globalMatch(statement);
        while (words.hasNext()) {
            const QString table = declared.value(words.next().captured(0).toLower());
            if (!table.isEmpty())
                addOnce(tables, table);
        }
    }
    QMutexLocker lock(&mutex);
    known.insert(key, tables);
    return tables;
}

bool DBRecordNews::concerns(const QStringList& sources, const QStringList& tables)
{
    for (const QString& table : tables) {
        if (sources.contains(table, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace Vexal
