#pragma once

#include "data/DBConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QThread>

#include <sqlite3.h>

#include <atomic>
#include <unistd.h>

// While it lives, every file write SQLite makes for a job (on any thread but
// the window's) takes `ms` milliseconds longer, as on a slow or busy disk:
// a job's batch then holds the database far longer than the window's own
// short wait. Set through SQLite's own hook for its system calls.
class SlowDisk
{
public:
    explicit SlowDisk(int ms)
    {
        s_ms.store(ms);
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        s_pwrite = reinterpret_cast<Pwrite>(vfs->xGetSystemCall(vfs, "pwrite64"));
        m_ready = s_pwrite
            && vfs->xSetSystemCall(vfs, "pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(&slowWrite)) == SQLITE_OK;
    }
    ~SlowDisk()
    {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        vfs->xSetSystemCall(vfs, "pwrite64", nullptr);
    }
    SlowDisk(const SlowDisk&) = delete;
    SlowDisk& operator=(const SlowDisk&) = delete;

    bool isReady() const { return m_ready; }

    // True while another connection holds the database's write lock: a
    // connection that waits not at all cannot take it.
    static bool writeLockTaken(const QString& path)
    {
        const QString name = QStringLiteral("lock-probe");
        bool taken = false;
        {
            QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            probe.setDatabaseName(path);
            probe.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
            if (probe.open()) {
                QSqlQuery query(probe);
                taken = !query.exec(QStringLiteral("BEGIN IMMEDIATE;"))
                    && Vexal::DBConnection::isBusy(query.lastError());
                if (!taken)
                    query.exec(QStringLiteral("ROLLBACK;"));
                probe.close();
            }
        }
        QSqlDatabase::removeDatabase(name);
        return taken;
    }

private:
    using Pwrite = ssize_t (*)(int, const void*, size_t, off64_t);

    static ssize_t slowWrite(int fd, const void* data, size_t size, off64_t offset)
    {
        if (!Vexal::DBConnection::isGuiThread())
            QThread::msleep(ulong(s_ms.load()));
        return s_pwrite(fd, data, size, offset);
    }

    bool m_ready = false;

    static inline std::atomic<int> s_ms{0};
    static inline Pwrite s_pwrite = nullptr;
};
