#include "data/DBRecordNews.h"

#include "core/RecordChanges.h"
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
// program's own): each answer is worked out once.
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
    const Answer answer = work();
    QMutexLocker lock(&mutex);
    known.insert(key, answer);
    return answer;
}

// The declared tables a view's statement names, each as often as it does.
QStringList tablesNamedBy(QSqlDatabase db, const QString& statement)
{
    QHash<QString, QString> declared;
    QSqlQuery names(db);
    names.setForwardOnly(true);
    names.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table';"));
    while (names.next())
        declared.insert(names.value(0).toString().toLower(), names.value(0).toString());
    QStringList tables;
    static const QRegularExpression word(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*"));
    auto words = word.globalMatch(statement);
    while (words.hasNext()) {
        const QString table = declared.value(words.next().captured(0).toLower());
        if (!table.isEmpty())
            tables << table;
    }
    return tables;
}

// A name of the schema: its kind ("table", "view"; empty when the schema has
// no such name), its name as declared and its statement.
struct SchemaEntry
{
    QString kind;
    QString name;
    QString statement;
};

SchemaEntry schemaEntry(QSqlDatabase db, const QString& name)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE lower(name) = :name;"));
    query.bindValue(QStringLiteral(":name"), name.toLower());
    if (!query.exec() || !query.next())
        return {};
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
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
        QSqlDatabase db = DBConnection::current();
        const SchemaEntry entry = schemaEntry(db, source);
        if (entry.kind.isEmpty())
            return QStringList{source};
        if (entry.kind != QLatin1String("view"))
            return QStringList{entry.name};
        QStringList tables = tablesNamedBy(db, entry.statement);
        tables.removeDuplicates();
        return tables;
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
            return QString();
        const SchemaEntry entry = schemaEntry(db, source);
        if (entry.kind == QLatin1String("view")) {
            // A view that reads its table twice (a record beside its master)
            // shows a row's values in other rows too.
            if (tablesNamedBy(db, entry.statement).count(origin.first) != 1)
                return QString();
        }
        return origin.first;
    });
}

} // namespace Vexal
