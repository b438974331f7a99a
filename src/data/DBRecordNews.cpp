#include "data/DBRecordNews.h"

#include "core/RecordChanges.h"
#include "core/UtilSignalManager.h"
#include "data/DBConnection.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <unordered_map>
#include <utility>

namespace Vexal {

namespace {

// Set once the thread's Pending is gone: a connection closed at the very end
// of the program may still roll back.
thread_local bool pendingGone = false;

// The rows changed on the calling thread's connections: by the open
// transaction of each connection, and (on a job's thread) by committed ones
// not yet sent.
struct Pending
{
    ~Pending() { pendingGone = true; }

    std::unordered_map<void*, RecordChanges> open;
    RecordChanges committed;
    // The table of the row last heard, so that the next rows of a statement
    // need no new name.
    QByteArray lastTable;
    QString lastName;

    void forget(void* connection) { open.erase(connection); }
};

thread_local Pending pending;

extern "C" void recordNewsRowChanged(void* connection, int, const char* database, const char* table,
                                     sqlite3_int64 rowid)
{
    if (pendingGone)
        return;
    // Temporary tables and attached files hold no records of a list.
    if (qstrcmp(database, "main") != 0)
        return;
    Pending& news = pending;
    if (news.lastTable != table) {
        news.lastTable = table;
        news.lastName = QString::fromUtf8(table);
    }
    news.open[connection].add(news.lastName, rowid);
}

extern "C" int recordNewsCommitted(void* connection)
{
    if (pendingGone)
        return 0;
    Pending& news = pending;
    const auto it = news.open.find(connection);
    if (it == news.open.end())
        return 0;
    const RecordChanges changes = std::move(it->second);
    news.forget(connection);
    if (DBConnection::isGuiThread())
        UtilSignalManager::instance()->emitRecordsChanged(changes);
    else
        news.committed.unite(changes);
    return 0;
}

extern "C" void recordNewsRolledBack(void* connection)
{
    if (!pendingGone)
        pending.forget(connection);
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QSqlDriver* driver = db.driver();
    if (!driver || !driver->isOpen())
        return nullptr;
    const QVariant handle = driver->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// What a name lists never changes while the program runs (the schema is the
// program's own): each answer is worked out once, when the database could
// give it (work gives the answer and whether it could).
template <class Answer, class Work>
Answer remembered(QHash<QString, Answer>& known, const QString& source, Work work)
{
    static QMutex mutex;
    const QString key = source.toLower();
    {
        QMutexLocker lock(&mutex);
        const auto it = known.constFind(key);
        if (it != known.constEnd())
            return it.value();
    }
    const std::pair<Answer, bool> answer = work();
    if (answer.second) {
        QMutexLocker lock(&mutex);
        known.insert(key, answer.first);
    }
    return answer.first;
}

// The tables a query of the source reads, one entry per cursor SQLite opens
// on a table (an index counts for its table once); empty when SQLite cannot
// run such a query. The query plan names them, so a column that shares its
// name with a table is no table.
QStringList tablesReadBy(QSqlDatabase db, const QString& source)
{
    QHash<qint64, QPair<QString, bool>> pages;
    QSqlQuery schema(db);
    schema.setForwardOnly(true);
    schema.exec(QStringLiteral("SELECT rootpage, tbl_name, type FROM sqlite_master WHERE type IN ('table', 'index');"));
    while (schema.next())
        pages.insert(schema.value(0).toLongLong(),
                     {schema.value(1).toString(), schema.value(2).toString() == QLatin1String("table")});
    QSqlQuery plan(db);
    plan.setForwardOnly(true);
    QStringList tables;
    QStringList indexed;
    if (!plan.exec(QStringLiteral("EXPLAIN SELECT * FROM \"%1\";").arg(QString(source).replace('"', "\"\""))))
        return tables;
    while (plan.next()) {
        // addr, opcode, p1 (cursor), p2 (root page), p3 (database), ...
        if (plan.value(1).toString() != QLatin1String("OpenRead") || plan.value(4).toInt() != 0)
            continue;
        const auto page = pages.constFind(plan.value(3).toLongLong());
        if (page == pages.constEnd())
            continue;
        if (page->second)
            tables << page->first;
        else
            indexed << page->first;
    }
    for (const QString& table : qAsConst(indexed)) {
        if (!tables.contains(table))
            tables << table;
    }
    return tables;
}

// Whether ID is the table's rowid (its one INTEGER PRIMARY KEY column).
bool idIsRowid(QSqlDatabase db, const QString& table)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\");").arg(QString(table).replace('"', "\"\""))))
        return false;
    int keys = 0;
    bool id = false;
    while (query.next()) {
        if (query.value(5).toInt() == 0)
            continue;
        ++keys;
        id = query.value(1).toString().compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0
             && query.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
    }
    return keys == 1 && id;
}

// The table and column that a source's ID column is read from.
QPair<QString, QString> idOrigin(QSqlDatabase db, const QString& source)
{
    sqlite3* handle = handleOf(db);
    if (!handle)
        return {};
    const QByteArray text = QStringLiteral("SELECT ID FROM \"%1\"").arg(QString(source).replace('"', "\"\"")).toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), text.size(), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return {};
    }
    const char* table = sqlite3_column_table_name(statement, 0);
    const char* column = sqlite3_column_origin_name(statement, 0);
    const QPair<QString, QString> origin{QString::fromUtf8(table), QString::fromUtf8(column)};
    sqlite3_finalize(statement);
    return origin;
}

} // namespace

void DBRecordNews::reportChanges(QSqlDatabase db)
{
    sqlite3* connection = handleOf(db);
    if (!connection)
        return;
    // The three are set together: a connection whose commit is heard reports.
    if (sqlite3_commit_hook(connection, recordNewsCommitted, connection) == connection)
        return;
    sqlite3_update_hook(connection, recordNewsRowChanged, connection);
    sqlite3_rollback_hook(connection, recordNewsRolledBack, connection);
}

void DBRecordNews::sendCommittedChanges()
{
    if (pendingGone)
        return;
    Pending& news = pending;
    if (news.committed.isEmpty())
        return;
    RecordChanges changes;
    std::swap(changes, news.committed);
    UtilSignalManager::instance()->emitRecordsChanged(changes);
}

QStringList DBRecordNews::tablesListedBy(const QString& source)
{
    static QHash<QString, QStringList> known;
    return remembered(known, source, [&source] {
        QStringList tables = tablesReadBy(DBConnection::current(), source);
        tables.removeDuplicates();
        return tables.isEmpty() ? std::make_pair(QStringList{source}, false) : std::make_pair(tables, true);
    });
}

QString DBRecordNews::idTableOf(const QString& source)
{
    static QHash<QString, QString> known;
    return remembered(known, source, [&source] {
        QSqlDatabase db = DBConnection::current();
        const QPair<QString, QString> origin = idOrigin(db, source);
        if (origin.first.isEmpty() || origin.second.compare(QLatin1String("ID"), Qt::CaseInsensitive) != 0
            || !idIsRowid(db, origin.first))
            return std::make_pair(QString(), db.isOpen());
        // A view that reads its table twice (a record beside its master)
        // shows a row's values in other rows too.
        if (tablesReadBy(db, source).count(origin.first) != 1)
            return std::make_pair(QString(), true);
        return std::make_pair(origin.first, true);
    });
}

} // namespace Vexal
