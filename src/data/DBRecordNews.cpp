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

// The authorizers the program set on its connections, by connection:
// SQLite cannot tell which one a connection has.
struct Authorizers
{
    QMutex mutex;
    QHash<sqlite3*, QPair<DBRecordNews::Authorizer, void*>> set;
};

Authorizers& authorizers()
{
    static Authorizers* const known = new Authorizers;
    return *known;
}

// The tables of the main database that a statement being prepared reads.
extern "C" int recordNewsNoteRead(void* context, int action, const char* table, const char*, const char* database,
                                  const char*)
{
    if (action == SQLITE_READ && table && database && qstrcmp(database, "main") == 0) {
        auto* tables = static_cast<QStringList*>(context);
        const QString name = QString::fromUtf8(table);
        if (!tables->contains(name, Qt::CaseInsensitive))
            *tables << name;
    }
    return SQLITE_OK;
}

// A statement over the source, prepared on the connection (null when SQLite
// cannot prepare one); finalized by the caller.
sqlite3_stmt* prepareOver(sqlite3* handle, const QString& columns, const QString& source)
{
    const QByteArray text =
        QStringLiteral("SELECT %1 FROM \"%2\"").arg(columns, QString(source).replace('"', "\"\"")).toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), text.size(), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

// The tables a query of the source reads, as SQLite's authorizer names them
// while it prepares one: those of a view's statement, of the views it reads
// and of their subqueries, whether it reads a table or only an index of it;
// a column that shares its name with a table is no table. The authorizer
// names the views read too (their columns are read): the schema tells them
// from tables. Empty when SQLite cannot prepare such a query. The
// authorizer the program set before is in force again after.
QStringList tablesReadBy(QSqlDatabase db, const QString& source)
{
    sqlite3* handle = handleOf(db);
    if (!handle)
        return {};
    QPair<DBRecordNews::Authorizer, void*> before;
    {
        QMutexLocker lock(&authorizers().mutex);
        before = authorizers().set.value(handle);
    }
    QStringList read;
    sqlite3_set_authorizer(handle, recordNewsNoteRead, &read);
    sqlite3_stmt* statement = prepareOver(handle, QStringLiteral("*"), source);
    sqlite3_set_authorizer(handle, before.first, before.second);
    if (!statement)
        return {};
    sqlite3_finalize(statement);
    QSqlQuery schema(db);
    schema.setForwardOnly(true);
    if (!schema.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return {};
    QStringList tables;
    while (schema.next()) {
        const QString table = schema.value(0).toString();
        if (read.contains(table, Qt::CaseInsensitive))
            tables << table;
    }
    return tables;
}

// Whether two columns of the source show the same column of the table: a
// view that joins the table to itself (a record beside its master) shows
// values of a row of it in other rows too.
bool showsColumnTwice(QSqlDatabase db, const QString& source, const QString& table)
{
    sqlite3* handle = handleOf(db);
    sqlite3_stmt* statement = handle ? prepareOver(handle, QStringLiteral("*"), source) : nullptr;
    if (!statement)
        return false;
    QStringList shown;
    bool twice = false;
    for (int column = 0; column < sqlite3_column_count(statement) && !twice; ++column) {
        const char* origin = sqlite3_column_table_name(statement, column);
        if (!origin || QString::fromUtf8(origin).compare(table, Qt::CaseInsensitive) != 0)
            continue;
        const QString name = QString::fromUtf8(sqlite3_column_origin_name(statement, column)).toLower();
        twice = shown.contains(name);
        shown << name;
    }
    sqlite3_finalize(statement);
    return twice;
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
    sqlite3_stmt* statement = handle ? prepareOver(handle, QStringLiteral("ID"), source) : nullptr;
    if (!statement)
        return {};
    const char* table = sqlite3_column_table_name(statement, 0);
    const char* column = sqlite3_column_origin_name(statement, 0);
    const QPair<QString, QString> origin{QString::fromUtf8(table), QString::fromUtf8(column)};
    sqlite3_finalize(statement);
    return origin;
}

} // namespace

bool DBRecordNews::reportChanges(QSqlDatabase db)
{
    sqlite3* connection = handleOf(db);
    if (!connection)
        return false;
    // The three are set together: a connection whose commit is heard reports.
    if (sqlite3_commit_hook(connection, recordNewsCommitted, connection) == connection)
        return false;
    sqlite3_update_hook(connection, recordNewsRowChanged, connection);
    sqlite3_rollback_hook(connection, recordNewsRolledBack, connection);
    // A new connection: an authorizer known of a closed one that had its
    // address is none of its own.
    QMutexLocker lock(&authorizers().mutex);
    authorizers().set.remove(connection);
    return true;
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

void DBRecordNews::setAuthorizer(QSqlDatabase db, Authorizer authorizer, void* context)
{
    sqlite3* handle = handleOf(db);
    if (!handle)
        return;
    {
        QMutexLocker lock(&authorizers().mutex);
        if (authorizer)
            authorizers().set.insert(handle, {authorizer, context});
        else
            authorizers().set.remove(handle);
    }
    sqlite3_set_authorizer(handle, authorizer, context);
}

QStringList DBRecordNews::tablesListedBy(const QString& source)
{
    static QHash<QString, QStringList> known;
    return remembered(known, source, [&source] {
        const QStringList tables = tablesReadBy(DBConnection::current(), source);
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
        if (showsColumnTwice(db, source, origin.first))
            return std::make_pair(QString(), true);
        return std::make_pair(origin.first, true);
    });
}

} // namespace Vexal
