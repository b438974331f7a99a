#include "data/DBWriteQueue.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QAtomicPointer>
#include <QCoreApplication>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

namespace {

QAtomicPointer<DBWriteQueue> created;

// Lets a write wait longer than the window's timeout (at exit), and puts the
// window's timeout back afterwards.
class LongerWait final
{
public:
    LongerWait(QSqlDatabase db, int waitMs)
        : m_db(db)
        , m_active(waitMs > 0)
    {
        if (m_active)
            DBConnection::setBusyTimeout(m_db, waitMs);
    }
    ~LongerWait()
    {
        if (m_active)
            DBConnection::setBusyTimeout(m_db, DBConnection::windowBusyTimeoutMs);
    }

private:
    QSqlDatabase m_db;
    bool m_active;
};

} // namespace

DBWriteQueue::DBWriteQueue()
{
    m_retry.setInterval(retryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { flushKept(0); });
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &DBWriteQueue::finish);
}

void DBWriteQueue::finish()
{
    if (m_kept.isEmpty())
        return;
    flushKept(DBConnection::jobBusyTimeoutMs);
    if (m_kept.isEmpty())
        return;
    Logger::error(LocaleMessage::writesNotStored(QString::number(m_kept.size())));
    // Each kind once, in the order first kept, with its number when more.
    QStringList kinds;
    QHash<QString, int> counts;
    for (const Kept& kept : qAsConst(m_kept)) {
        const QString what = kept.what.isEmpty() ? LocaleMessage::changeOfTheWindow() : kept.what;
        if (counts[what]++ == 0)
            kinds << what;
    }
    QStringList lines;
    for (const QString& what : qAsConst(kinds))
        lines << (counts.value(what) > 1 ? QStringLiteral("%1 (%2)").arg(what).arg(counts.value(what)) : what);
    m_kept.clear();
    m_retry.stop();
    UtilPrompt::warning(nullptr, ConstApp::title(), LocaleMessage::changesNotSaved(lines.join(QLatin1Char('\n'))));
}

DBWriteQueue* DBWriteQueue::instance()
{
    static DBWriteQueue* queue = [] {
        auto* made = new DBWriteQueue;
        created.storeRelease(made);
        return made;
    }();
    return queue;
}

bool DBWriteQueue::submit(const Write& write)
{
    return submit(QString(), write);
}

bool DBWriteQueue::submit(const QString& what, const Write& write)
{
    if (!write)
        return false;
    if (!DBConnection::isGuiThread())
        return write();
    DBWriteQueue* queue = instance();
    // Behind kept writes a new one waits its turn: the order is kept.
    if (!queue->m_kept.isEmpty()) {
        queue->m_kept.append({write, what});
        return true;
    }
    switch (queue->attempt(write)) {
    case Written:
        return true;
    case Failed:
        return false;
    case Busy:
        break;
    }
    queue->m_kept.append({write, what});
    queue->m_retry.start();
    return true;
}

bool DBWriteQueue::flush(int waitMs)
{
    return instance()->flushKept(waitMs);
}

void DBWriteQueue::flushSoon()
{
    DBWriteQueue* queue = created.loadAcquire();
    if (!queue)
        return;
    QMetaObject::invokeMethod(queue, [queue] { queue->flushKept(0); }, Qt::QueuedConnection);
}

int DBWriteQueue::pendingCount()
{
    DBWriteQueue* queue = created.loadAcquire();
    return queue ? queue->m_kept.size() : 0;
}

void DBWriteQueue::clear()
{
    DBWriteQueue* queue = created.loadAcquire();
    if (!queue)
        return;
    queue->m_kept.clear();
    queue->m_retry.stop();
}

DBWriteQueue::Outcome DBWriteQueue::attempt(const Write& write)
{
    // A job reads and writes in one transaction that began as a reader: a
    // commit of the window's in between would make its next write fail at
    // once (its snapshot is stale, no waiting helps). While a job works, the
    // window's writes wait for it, whether or not it holds the lock now.
    if (DBConnection::jobConnections() > 0)
        return Busy;
    QSqlDatabase db = DBConnection::current();
    if (!db.isOpen())
        return write() ? Written : Failed;
    {
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE;"))) {
            if (DBConnection::isBusy(begin.lastError()))
                return Busy;
            // Already inside a transaction of the window's: the write joins it.
            return write() ? Written : Failed;
        }
    }
    if (!write()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK;"));
        return Failed;
    }
    QSqlQuery commit(db);
    if (commit.exec(QStringLiteral("COMMIT;")))
        return Written;
    const QSqlError error = commit.lastError();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK;"));
    if (DBConnection::isBusy(error))
        return Busy;
    Logger::error(LocaleSql::sqlQueryFailed(QStringLiteral("COMMIT;"), error.text()));
    return Failed;
}

bool DBWriteQueue::flushKept(int waitMs)
{
    if (m_flushing)
        return m_kept.isEmpty();
    m_flushing = true;
    {
        LongerWait wait(DBConnection::current(), waitMs);
        while (!m_kept.isEmpty()) {
            if (attempt(m_kept.first().write) == Busy)
                break;
            m_kept.removeFirst();
        }
    }
    m_flushing = false;
    if (m_kept.isEmpty())
        m_retry.stop();
    else if (!m_retry.isActive())
        m_retry.start();
    return m_kept.isEmpty();
}

} // namespace Vexal
