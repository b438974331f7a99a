#include "data/DBConnection.h"

#include "data/DBRecordNews.h"
#include "data/DBWriteQueue.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>
#include <QThreadStorage>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace Vexal {

namespace {

QAtomicInt connectionCounter;
QAtomicInt defaultGeneration;
QAtomicInt openJobConnections;

// One per thread. QThreadStorage deletes it when the thread finishes, before
// QThread::wait() returns.
struct ThreadConnection {
    QString name;
    int generation = -1;
    bool watching = false;

    void release()
    {
        if (name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(name);
        name.clear();
        openJobConnections.fetchAndSubOrdered(1);
        // Its transactions are over: the lists may read what they stored.
        DBRecordNews::sendCommittedChanges();
        // The job's hold on the database is gone: the window's writes that
        // met it can go in now.
        DBWriteQueue::flushSoon();
    }

    ~ThreadConnection() { release(); }
};

QThreadStorage<ThreadConnection*> threadConnections;

// Called by SQLite every few hundred steps of a statement on a job's
// connection: a job asked to stop (QThread::requestInterruption) has its
// statement fail as interrupted, which rolls its open transaction back.
extern "C" int stopWhenAsked(void* thread)
{
    return static_cast<QThread*>(thread)->isInterruptionRequested() ? 1 : 0;
}

qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// When the window's connection last found the database held while a job was
// at work (steadyMs); -1 once it gave up. It polls every half millisecond
// while it waits: seen no more for windowGoneMs, it went in.
std::atomic<qint64> windowWaitSeen{-1};
constexpr qint64 windowGoneMs = 20;

// The wait of the window's connection (GUI thread only).
struct WindowWait
{
    int limitMs = DBConnection::windowBusyTimeoutMs;
    QElapsedTimer waited;
};
WindowWait windowWait;

// SQLite's busy handler of the window's connection: `count` is 0 at the
// first call of each wait. Waits briefly for another program, and as long
// as a batch may take while a job of the program's own is at work, telling
// the job that it waits.
extern "C" int windowBusy(void*, int count)
{
    if (count == 0)
        windowWait.waited.start();
    const bool jobAtWork = openJobConnections.loadAcquire() > 0;
    const int limit = jobAtWork ? std::max(windowWait.limitMs, DBConnection::windowWaitsForJobMs) : windowWait.limitMs;
    if (windowWait.waited.elapsed() >= limit) {
        windowWaitSeen.store(-1);
        return 0;
    }
    if (jobAtWork)
        windowWaitSeen.store(steadyMs());
    QThread::usleep(500);
    return 1;
}

// SQLite's busy handler of a job's connection: waits jobBusyTimeoutMs, and
// not at all once the job is asked to stop.
extern "C" int jobBusy(void* thread, int count)
{
    thread_local QElapsedTimer waited;
    if (count == 0)
        waited.start();
    if (static_cast<QThread*>(thread)->isInterruptionRequested() || waited.elapsed() >= DBConnection::jobBusyTimeoutMs)
        return 0;
    QThread::usleep(1000);
    return 1;
}

// SQLite's own handle of an open connection; null for another driver.
sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// SQLite's (extended) result code of a failure the driver reported, and its
// message. A failed transaction (BEGIN, COMMIT or ROLLBACK through
// QSqlDatabase) comes without the code: the driver drops it along with the
// statement, but the connection keeps it until its next call, which is what
// the caller asks right after the failure. 0 when there is none.
int resultCode(const QSqlDatabase& db, const QSqlError& error, QString* message)
{
    *message = error.databaseText();
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (ok)
        return code;
    sqlite3* handle = handleOf(db);
    if (error.type() != QSqlError::TransactionError || !handle)
        return 0;
    const int own = sqlite3_extended_errcode(handle);
    if ((own & 0xff) == SQLITE_OK || (own & 0xff) == SQLITE_ROW || (own & 0xff) == SQLITE_DONE)
        return 0;
    *message = QString::fromUtf8(sqlite3_errmsg(handle));
    return own;
}

// The system's reason SQLite kept for a failure of the system (an I/O error,
// a file it could not open); "" for other failures or when it kept none.
QString systemErrorOf(sqlite3* handle, int code)
{
    if ((code & 0xff) != SQLITE_IOERR && (code & 0xff) != SQLITE_CANTOPEN)
        return QString();
    const int number = handle ? sqlite3_system_errno(handle) : 0;
    return number != 0 ? QString::fromLocal8Bit(std::strerror(number)) : QString();
}

// Opens a job's connection with the stop check.
void openJobConnection(QSqlDatabase& db)
{
    if (!db.open())
        return;
    DBRecordNews::reportChanges(db);
    if (sqlite3* handle = handleOf(db)) {
        sqlite3_progress_handler(handle, 500, stopWhenAsked, QThread::currentThread());
        sqlite3_busy_handler(handle, jobBusy, QThread::currentThread());
    }
}

// Gives the window's connection its own wait.
void waitAsTheWindow(sqlite3* handle, int limitMs)
{
    windowWait.limitMs = limitMs;
    sqlite3_busy_handler(handle, windowBusy, nullptr);
}

ThreadConnection& threadConnection()
{
    if (!threadConnections.hasLocalData())
        threadConnections.setLocalData(new ThreadConnection);
    return *threadConnections.localData();
}

} // namespace

QString DBConnection::busyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(windowBusyTimeoutMs);
}

QString DBConnection::jobBusyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(jobBusyTimeoutMs);
}

bool DBConnection::setBusyTimeout(QSqlDatabase db, int milliseconds)
{
    if (!db.isOpen())
        return false;
    sqlite3* handle = handleOf(db);
    if (handle && isGuiThread() && db.connectionName() == QLatin1String(QSqlDatabase::defaultConnection)) {
        waitAsTheWindow(handle, milliseconds);
        return true;
    }
    QSqlQuery query(db);
    return query.exec(QStringLiteral("PRAGMA busy_timeout = %1;").arg(milliseconds));
}

QString DBConnection::beginWriteText()
{
    return QStringLiteral("BEGIN IMMEDIATE;");
}

bool DBConnection::beginWrite(QSqlDatabase db, QString* errorText, QString* cause)
{
    QSqlQuery query(db);
    if (query.exec(beginWriteText()))
        return true;
    if (errorText)
        *errorText = query.lastError().text();
    if (cause)
        *cause = failureCause(db, query.lastError());
    return false;
}

bool DBConnection::isBusy(const QSqlError& error)
{
    if (error.type() == QSqlError::NoError)
        return false;
    // SQLITE_BUSY and SQLITE_LOCKED, with their extended codes.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (ok)
        return (code & 0xff) == 5 || (code & 0xff) == 6;
    return error.databaseText().contains(QLatin1String("database is locked"));
}

QString DBConnection::systemReason(QSqlDatabase db, const QSqlError& error)
{
    QString message;
    return systemErrorOf(handleOf(db), resultCode(db, error, &message));
}

QString DBConnection::errorText(QSqlDatabase db, const QSqlError& error)
{
    const QString reason = systemReason(db, error);
    return reason.isEmpty() ? error.text() : QStringLiteral("%1 (%2)").arg(error.text(), reason);
}

QString DBConnection::failureCause(QSqlDatabase db, const QSqlError& error)
{
    QString message;
    const int code = resultCode(db, error, &message);
    return code != 0 ? failureCause(handleOf(db), code, message) : QString();
}

QString DBConnection::failureCause(sqlite3* handle, int code, const QString& databaseText)
{
    switch (code & 0xff) {
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return systemErrorOf(handle, code);
    case SQLITE_FULL:
        // SQLite keeps no system error for it.
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    case SQLITE_READONLY:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return databaseText;
    default:
        return QString();
    }
}

QString DBConnection::lastFailureCause(QSqlDatabase db)
{
    sqlite3* handle = handleOf(db);
    if (!handle)
        return QString();
    const int code = sqlite3_extended_errcode(handle);
    if ((code & 0xff) == SQLITE_OK || (code & 0xff) == SQLITE_ROW || (code & 0xff) == SQLITE_DONE)
        return QString();
    return failureCause(handle, code, QString::fromUtf8(sqlite3_errmsg(handle)));
}

bool DBConnection::useWriteAheadLog(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL;")) || !query.next())
        return false;
    return query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
}

bool DBConnection::isGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

QSqlDatabase DBConnection::current()
{
    if (isGuiThread()) {
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
        if (DBRecordNews::reportChanges(db))
            waitAsTheWindow(handleOf(db), windowBusyTimeoutMs);
        return db;
    }

    // A transaction the job committed before this statement has ended.
    DBRecordNews::sendCommittedChanges();
    ThreadConnection& own = threadConnection();
    const int generation = defaultGeneration.loadAcquire();
    if (!own.name.isEmpty() && own.generation != generation)
        own.release();
    if (own.name.isEmpty()) {
        own.name = QStringLiteral("tesvar-thread-%1").arg(connectionCounter.fetchAndAddOrdered(1) + 1);
        own.generation = generation;
        openJobConnections.fetchAndAddOrdered(1);
        // A job's connection goes when its thread finishes, on that thread,
        // before any queued receiver of finished() learns that the job ended.
        if (!own.watching) {
            own.watching = true;
            QThread* thread = QThread::currentThread();
            QObject::connect(thread, &QThread::finished, thread, [] { releaseThreadConnection(); },
                             Qt::DirectConnection);
        }
        // The name-based clone is the thread-safe one.
        QSqlDatabase db =
            QSqlDatabase::cloneDatabase(QLatin1String(QSqlDatabase::defaultConnection), own.name);
        // A job waits for the window's short writes, unlike the window.
        QStringList options;
        const QStringList inherited = db.connectOptions().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& option : inherited) {
            if (!option.trimmed().startsWith(QLatin1String("QSQLITE_BUSY_TIMEOUT")))
                options << option;
        }
        options << jobBusyTimeoutOption();
        db.setConnectOptions(options.join(QLatin1Char(';')));
        openJobConnection(db);
        return db;
    }
    QSqlDatabase db = QSqlDatabase::database(own.name, false);
    if (!db.isOpen())
        openJobConnection(db);
    return db;
}

void DBConnection::letWaitingWritesIn()
{
    if (isGuiThread())
        return;
    // The window's own wait is bounded: it gives up (-1) or is seen no more.
    const QThread* thread = QThread::currentThread();
    for (;;) {
        const qint64 seen = windowWaitSeen.load();
        if (seen < 0 || steadyMs() - seen > windowGoneMs || thread->isInterruptionRequested())
            return;
        QThread::usleep(500);
    }
}

int DBConnection::jobConnections()
{
    return openJobConnections.loadAcquire();
}

void DBConnection::releaseThreadConnection()
{
    if (isGuiThread())
        return;
    if (threadConnections.hasLocalData())
        threadConnections.localData()->release();
}

QString DBConnection::threadConnectionName()
{
    if (isGuiThread())
        return QString();
    return threadConnections.hasLocalData() ? threadConnections.localData()->name : QString();
}

void DBConnection::defaultConnectionChanged()
{
    defaultGeneration.fetchAndAddOrdered(1);
    // Writes kept for the earlier file do not belong in another one.
    if (isGuiThread())
        DBWriteQueue::clear();
}

} // namespace Vexal
