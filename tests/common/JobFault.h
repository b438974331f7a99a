#pragma once

#include "FileSizeLimit.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QString>
#include <QVariant>

#include <sqlite3.h>

#include <atomic>
#include <cerrno>
#include <memory>
#include <unistd.h>

// What a job meets from one of its statements on, as a user's disk or
// another program would make it: once a statement that begins with `word`
// ("INSERT", "COMMIT", ...) starts on a connection opened while the object
// lives (the job's own), SQLite's file writes fail for want of room (ENOSPC,
// set through SQLite's own hook for its system calls, so that SQLite reads
// it as from the disk), or every file write of the process meets a file-size
// limit of one byte (EFBIG, from the system). A locked database is another
// connection's lock: an exclusive one taken as the job's first statement
// starts, or, at "COMMIT", a read that keeps a rollback-journal file from
// being written. Connections opened meanwhile wait only briefly for a lock.
class JobFault
{
public:
    enum Cause { FullDisk, FileTooLarge, Locked };

    JobFault(Cause cause, const QByteArray& word, const QString& databaseFile)
        : m_cause(cause)
        , m_word(word)
    {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        if (cause == Locked)
            m_ready = sqlite3_open_v2(QFile::encodeName(databaseFile).constData(), &m_other,
                                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr)
                == SQLITE_OK;
        if (cause == FullDisk) {
            s_pwrite = reinterpret_cast<Pwrite>(vfs->xGetSystemCall(vfs, "pwrite64"));
            m_ready = s_pwrite
                && vfs->xSetSystemCall(vfs, "pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(&noRoom)) == SQLITE_OK;
        }
        s_current = this;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&watch));
    }

    ~JobFault()
    {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&watch));
        s_current = nullptr;
        s_full = false;
        if (m_cause == FullDisk && s_pwrite) {
            sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
            vfs->xSetSystemCall(vfs, "pwrite64", nullptr);
        }
        if (m_watched)
            sqlite3_trace_v2(m_watched, 0, nullptr, nullptr);
        sqlite3_close_v2(m_other);
    }

    JobFault(const JobFault&) = delete;
    JobFault& operator=(const JobFault&) = delete;

    bool isReady() const { return m_ready; }
    // Puts the fault in place now, as the statement would: for a read that
    // meets it as it is prepared (a connection's first read, which reads the
    // schema), where a statement's start comes too late.
    void putInPlace()
    {
        if (m_met.exchange(true))
            return;
        const bool atCommit = m_word == "COMMIT";
        switch (m_cause) {
        case FullDisk:
            s_full = true;
            m_inPlace = true;
            break;
        case FileTooLarge:
            m_limit = std::make_unique<FileSizeLimit>(1);
            m_inPlace = m_limit->ok();
            break;
        case Locked:
            m_inPlace =
                sqlite3_exec(m_other, atCommit ? "BEGIN; SELECT COUNT(*) FROM sqlite_master;" : "BEGIN EXCLUSIVE;",
                             nullptr, nullptr, nullptr)
                == SQLITE_OK;
            break;
        }
    }
    // Puts the fault in place as a statement whose text matches `pattern`
    // starts on `db`, a connection open already (the window's): for a read
    // that fails only after others of the same work went through.
    void putInPlaceAt(const QSqlDatabase& db, const QString& pattern)
    {
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return;
        m_pattern.setPattern(pattern);
        m_watched = *static_cast<sqlite3* const*>(handle.constData());
        sqlite3_trace_v2(m_watched, SQLITE_TRACE_STMT, &tracedAt, this);
    }
    // True once the job met the statement and the fault was put in place.
    bool isArmed() const { return m_inPlace.load(); }

private:
    using Pwrite = ssize_t (*)(int, const void*, size_t, off64_t);

    static int watch(sqlite3* db, const char**, const sqlite3_api_routines*)
    {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &traced, nullptr);
        return SQLITE_OK;
    }

    // On the job's thread, as each of its statements starts.
    static int traced(unsigned, void*, void* statement, void*)
    {
        JobFault* self = s_current.load();
        if (!self)
            return 0;
        auto* stmt = static_cast<sqlite3_stmt*>(statement);
        const bool atCommit = self->m_word == "COMMIT";
        if (self->m_cause == Locked)
            sqlite3_busy_timeout(sqlite3_db_handle(stmt), 100);
        if ((self->m_cause != Locked || atCommit)
            && !QByteArray(sqlite3_sql(stmt)).trimmed().toUpper().startsWith(self->m_word))
            return 0;
        self->putInPlace();
        return 0;
    }

    static int tracedAt(unsigned, void* self, void* statement, void*)
    {
        auto* fault = static_cast<JobFault*>(self);
        if (fault->m_pattern.match(QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)))).hasMatch())
            fault->putInPlace();
        return 0;
    }

    static ssize_t noRoom(int fd, const void* data, size_t size, off64_t offset)
    {
        if (!s_full)
            return s_pwrite(fd, data, size, offset);
        errno = ENOSPC;
        return -1;
    }

    const Cause m_cause;
    const QByteArray m_word;
    bool m_ready = true;
    sqlite3* m_other = nullptr;
    sqlite3* m_watched = nullptr;
    QRegularExpression m_pattern;
    std::unique_ptr<FileSizeLimit> m_limit;
    std::atomic<bool> m_met{false};
    std::atomic<bool> m_inPlace{false};

    static inline std::atomic<JobFault*> s_current{nullptr};
    static inline std::atomic<bool> s_full{false};
    static inline Pwrite s_pwrite = nullptr;
};
