#include "data/DBWriteQueue.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QAtomicPointer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

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
        connect(app, &QCoreApplication::aboutToQuit, this,
                [this] { finishWrites(nullptr, DBConnection::jobBusyTimeoutMs); });
}

void DBWriteQueue::beginExit()
{
    DBWriteQueue* queue = instance();
    queue->m_exiting = true;
    queue->m_lost = false;
}

void DBWriteQueue::finish(QWidget* parent)
{
    // Kept writes are tried until they are written or the longer wait is
    // over. A job being cancelled ends by itself on its own thread, letting
    // go of its connection as it does: meanwhile they wait for it, as ever.
    DBWriteQueue* queue = instance();
    QElapsedTimer waited;
    waited.start();
    for (qint64 left = DBConnection::jobBusyTimeoutMs; !queue->m_kept.isEmpty() && left > 0;
         left = DBConnection::jobBusyTimeoutMs - waited.elapsed()) {
        if (DBConnection::jobConnections() == 0 && queue->flushKept(int(left)))
            break;
        QThread::msleep(5);
    }
    queue->finishWrites(parent, 0);
}

bool DBWriteQueue::changesLost()
{
    DBWriteQueue* queue = created.loadAcquire();
    return queue && queue->m_lost;
}

void DBWriteQueue::noteFailure(const QString& what)
{
    if (m_exiting)
        m_failed.append({what.isEmpty() ? LocaleMessage::changeOfTheWindow() : what, m_cause});
}

void DBWriteQueue::finishWrites(QWidget* parent, int waitMs)
{
    m_exiting = true;
    if (!m_kept.isEmpty() && waitMs > 0)
        flushKept(waitMs);
    const QList<FailedWrite> failed = m_failed;
    m_failed.clear();
    m_exiting = false;
    if (m_kept.isEmpty() && failed.isEmpty())
        return;
    if (!m_kept.isEmpty())
        Logger::error(LocaleMessage::writesNotStored(QString::number(m_kept.size())));
    // Each kind once, in the order first met, with its number when more:
    // the failed with their causes, then what the lock kept.
    QList<FailedWrite> kinds;
    QHash<QString, int> counts;
    const auto count = [&kinds, &counts](const QString& what, const QString& cause) {
        if (counts[what + QLatin1Char('\n') + cause]++ == 0)
            kinds.append({what, cause});
    };
    for (const FailedWrite& each : failed)
        count(each.what, each.cause.isEmpty() ? LocaleMessage::unexpectedErrorSeeLog() : each.cause);
    for (const Kept& kept : qAsConst(m_kept))
        count(kept.what.isEmpty() ? LocaleMessage::changeOfTheWindow() : kept.what,
              failed.isEmpty() ? QString() : LocaleMessage::stayedLocked());
    QStringList lines;
    for (const FailedWrite& kind : qAsConst(kinds)) {
        const int times = counts.value(kind.what + QLatin1Char('\n') + kind.cause);
        QString line = times > 1 ? QStringLiteral("%1 (%2)").arg(kind.what).arg(times) : kind.what;
        if (!kind.cause.isEmpty())
            line += QStringLiteral(": ") + kind.cause;
        lines << line;
    }
    m_kept.clear();
    m_retry.stop();
    m_lost = true;
    const QString text = lines.join(QLatin1Char('\n'));
    UtilPrompt::warning(parent, ConstApp::title(),
                        failed.isEmpty() ? LocaleMessage::changesNotSaved(text) : LocaleMessage::changesFailedAtExit(text));
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
        queue->noteFailure(what);
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
    m_cause.clear();
    QSqlDatabase db = DBConnection::current();
    // A write that failed left its cause on the connection.
    const auto run = [this, &db, &write] {
        if (write())
            return true;
        m_cause = DBConnection::lastFailureCause(db);
        return false;
    };
    if (!db.isOpen())
        return run() ? Written : Failed;
    {
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE;"))) {
            if (DBConnection::isBusy(begin.lastError()))
                return Busy;
            // Already inside a transaction of the window's: the write joins it.
            return run() ? Written : Failed;
        }
    }
    if (!run()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK;"));
        return Failed;
    }
    QSqlQuery commit(db);
    if (commit.exec(QStringLiteral("COMMIT;")))
        return Written;
    const QSqlError error = commit.lastError();
    m_cause = DBConnection::failureCause(db, error);
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
            const Outcome outcome = attempt(m_kept.first().write);
            if (outcome == Busy)
                break;
            if (outcome == Failed)
                noteFailure(m_kept.first().what);
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
