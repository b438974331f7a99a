#pragma once

#include "data/DBConnection.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

// What the statements run on one connection cost while the trace lives, as
// SQLite reports them: how many ran (each run of a prepared statement
// counts), the longest text, and the rows they handed to the program, in all
// and the most one run handed. Work that holds every row it acts on, or
// writes each into its text, shows as a count that grows with the rows.
class StatementTrace
{
public:
    explicit StatementTrace(const QSqlDatabase& db = Vexal::DBConnection::current())
    {
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_db = *static_cast<sqlite3* const*>(handle.constData());
        if (m_db)
            sqlite3_trace_v2(m_db, SQLITE_TRACE_STMT | SQLITE_TRACE_ROW, &traced, this);
    }
    ~StatementTrace()
    {
        if (m_db)
            sqlite3_trace_v2(m_db, 0, nullptr, nullptr);
    }
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

    bool isOn() const { return m_db != nullptr; }

    struct Counts
    {
        int statements = 0;
        int longestText = 0;
        qint64 rows = 0;
        qint64 mostRows = 0;
    };
    Counts counts() const { return m_counts; }

private:
    static int traced(unsigned event, void* context, void* statement, void* detail)
    {
        auto* self = static_cast<StatementTrace*>(context);
        auto* stmt = static_cast<sqlite3_stmt*>(statement);
        if (event == SQLITE_TRACE_STMT) {
            // A trigger's program runs as part of its statement.
            if (std::strncmp(static_cast<const char*>(detail), "--", 2) == 0)
                return 0;
            Counts& counts = self->m_counts;
            ++counts.statements;
            counts.longestText = std::max(counts.longestText, int(std::strlen(sqlite3_sql(stmt))));
            self->m_running[stmt] = 0;
        } else if (event == SQLITE_TRACE_ROW) {
            Counts& counts = self->m_counts;
            ++counts.rows;
            counts.mostRows = std::max(counts.mostRows, ++self->m_running[stmt]);
        }
        return 0;
    }

    sqlite3* m_db = nullptr;
    Counts m_counts;
    // The rows each statement handed out since it began its run.
    QHash<sqlite3_stmt*, qint64> m_running;
};
