#pragma once

#include "data/DBConnection.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

// What the statements run cost while the trace lives, as SQLite reports them:
// how many ran (each run of a prepared statement counts), the longest text,
// the rows they handed to the program, in all and the most one run handed,
// and the rows scans of a whole table stepped over. It follows one connection
// (the window's, unless another is named), or every connection opened while
// it lives (OpenedMeanwhile: a job's own, on the job's thread); given a
// pattern, only the statements whose text matches it. Work that holds every
// row it acts on, or writes each into its text, shows as a count that grows
// with the rows. One trace of connections opened meanwhile lives at a time.
class StatementTrace
{
public:
    enum Connections { OpenedMeanwhile };

    explicit StatementTrace(const QSqlDatabase& db = Vexal::DBConnection::current(), const QString& only = QString())
        : m_only(only)
    {
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_db = *static_cast<sqlite3* const*>(handle.constData());
        if (m_db)
            sqlite3_trace_v2(m_db, events, &traced, this);
    }
    explicit StatementTrace(Connections, const QString& only = QString())
        : m_only(only)
        , m_opened(true)
    {
        QMutexLocker lock(&s_mutex);
        s_opened = this;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&watch));
    }
    ~StatementTrace()
    {
        if (m_db)
            sqlite3_trace_v2(m_db, 0, nullptr, nullptr);
        if (!m_opened)
            return;
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&watch));
        QMutexLocker lock(&s_mutex);
        s_opened = nullptr;
    }
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    bool isOn() const { return m_db != nullptr || m_opened; }

    struct Counts
    {
        int statements = 0;
        int longestText = 0;
        qint64 rows = 0;
        qint64 mostRows = 0;
        qint64 scanned = 0;
    };
    Counts counts() const
    {
        QMutexLocker lock(&s_mutex);
        return m_counts;
    }

private:
    static constexpr unsigned events = SQLITE_TRACE_STMT | SQLITE_TRACE_ROW | SQLITE_TRACE_PROFILE;

    // Each connection opened while a trace of them lives, as it opens.
    static int watch(sqlite3* db, const char**, const sqlite3_api_routines*)
    {
        sqlite3_trace_v2(db, events, &traced, nullptr);
        return SQLITE_OK;
    }

    // On the thread of the statement's connection. A connection opened
    // meanwhile keeps its trace after the object went, and is then let be.
    static int traced(unsigned event, void* context, void* statement, void* detail)
    {
        QMutexLocker lock(&s_mutex);
        auto* self = context ? static_cast<StatementTrace*>(context) : s_opened;
        if (!self)
            return 0;
        auto* stmt = static_cast<sqlite3_stmt*>(statement);
        // A trigger's program runs as part of its statement.
        if (event == SQLITE_TRACE_STMT && std::strncmp(static_cast<const char*>(detail), "--", 2) == 0)
            return 0;
        if (!self->m_only.pattern().isEmpty()
            && !self->m_only.match(QString::fromUtf8(sqlite3_sql(stmt))).hasMatch())
            return 0;
        Counts& counts = self->m_counts;
        switch (event) {
        case SQLITE_TRACE_STMT:
            ++counts.statements;
            counts.longestText = std::max(counts.longestText, int(std::strlen(sqlite3_sql(stmt))));
            self->m_running[stmt] = 0;
            break;
        case SQLITE_TRACE_ROW:
            ++counts.rows;
            counts.mostRows = std::max(counts.mostRows, ++self->m_running[stmt]);
            break;
        case SQLITE_TRACE_PROFILE:
            // This run's steps: the count starts again for the next one.
            counts.scanned += sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_FULLSCAN_STEP, 1);
            break;
        }
        return 0;
    }

    const QRegularExpression m_only;
    const bool m_opened = false;
    sqlite3* m_db = nullptr;
    Counts m_counts;
    // The rows each statement handed out since it began its run.
    QHash<sqlite3_stmt*, qint64> m_running;

    static inline QMutex s_mutex;
    static inline StatementTrace* s_opened = nullptr;
};
