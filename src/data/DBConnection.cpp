#include "data/DBConnection.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QThread>
#include <QThreadStorage>

namespace Vexal {

namespace {

QAtomicInt connectionCounter;
QAtomicInt defaultGeneration;

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
    }

    ~ThreadConnection() { release(); }
};

QThreadStorage<ThreadConnection*> threadConnections;

ThreadConnection& threadConnection()
{
    if (!threadConnections.hasLocalData())
        threadConnections.setLocalData(new ThreadConnection);
    return *threadConnections.localData();
}

} // namespace

QString DBConnection::busyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
}

bool DBConnection::isGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

QSqlDatabase DBConnection::current()
{
    if (isGuiThread())
        return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);

    ThreadConnection& own = threadConnection();
    const int generation = defaultGeneration.loadAcquire();
    if (!own.name.isEmpty() && own.generation != generation)
        own.release();
    if (own.name.isEmpty()) {
        own.name = QStringLiteral("tesvar-thread-%1").arg(connectionCounter.fetchAndAddOrdered(1) + 1);
        own.generation = generation;
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
        QString options = db.connectOptions();
        if (!options.contains(QLatin1String("QSQLITE_BUSY_TIMEOUT"))) {
            if (!options.isEmpty())
                options += QLatin1Char(';');
            options += busyTimeoutOption();
            db.setConnectOptions(options);
        }
        db.open();
        return db;
    }
    QSqlDatabase db = QSqlDatabase::database(own.name, false);
    if (!db.isOpen())
        db.open();
    return db;
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
}

} // namespace Vexal
