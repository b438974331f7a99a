#pragma once

#include <QSqlDatabase>
#include <QString>

namespace Vexal {

// The database connection of the calling thread. On the GUI thread it is Qt's
// default connection (opened by DBManager or a test fixture). Any other thread
// gets a connection of its own to the same file, cloned from the default one
// on first use, with a busy timeout so that writers wait for each other. It is
// closed and removed when the thread ends, or earlier by
// releaseThreadConnection() at the end of a job.
class DBConnection
{
public:
    DBConnection() = delete;

    // How long a connection waits for a lock held by another connection.
    static constexpr int busyTimeoutMs = 5000;

    // Every record, list and statement builds its QSqlQuery on this.
    static QSqlDatabase current();

    // True on the thread that owns the default connection (the GUI thread).
    static bool isGuiThread();

    // Closes and removes the calling thread's own connection, if it has one.
    // Call it when a job thread's work ends; no query of the thread may still
    // be alive. Does nothing on the GUI thread.
    static void releaseThreadConnection();

    // Name of the calling thread's own connection (empty on the GUI thread
    // or before the thread used one).
    static QString threadConnectionName();

    // To be called whenever the default connection is (re)opened on another
    // file: threads drop their clones of the earlier one on their next use.
    static void defaultConnectionChanged();

    // The connect option that sets the busy timeout.
    static QString busyTimeoutOption();
};

} // namespace Vexal
