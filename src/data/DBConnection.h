#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

struct sqlite3;

namespace Vexal {

// The database connection of the calling thread. On the GUI thread it is Qt's
// default connection (opened by DBManager or a test fixture). Any other thread
// gets a connection of its own to the same file, cloned from the default one
// on first use, with a long busy timeout so that a job waits for the window's
// short writes. It is closed and removed when the thread ends, or earlier by
// releaseThreadConnection() at the end of a job. Once a job's thread is asked
// to stop (QThread::requestInterruption, Thread::cancel) the statements of its
// connection fail as interrupted, also while they wait for a lock.
// The GUI thread's connection waits only briefly for a lock another program
// holds, so that the window never freezes behind it. While a job of the
// program's own is at work, a statement of the window waits for the job's
// transaction as long as one batch of a job may take, and the job lets it in
// before its next batch (letWaitingWritesIn): a save of the user's lands
// between two batches. The window's background writes go through
// DBWriteQueue.
class DBConnection final
{
public:
    DBConnection() = delete;

    // How long a job's connection, and the start-up checks, wait for a lock
    // held by another connection.
    static constexpr int jobBusyTimeoutMs = 5000;
    // How long the GUI thread's connection waits for another program: well
    // below what a user notices as a freeze.
    static constexpr int windowBusyTimeoutMs = 50;
    // How long it waits while a job of the program's own is at work: what
    // one batch of a job may take, on a slow disk too.
    static constexpr int windowWaitsForJobMs = 5000;

    // Called by a job on its own thread before each batch (a transaction or
    // a statement that commits by itself): while a statement of the window
    // waits for the database, the job waits until it went in, gave up, or
    // the job is asked to stop. Returns at once when no statement waits.
    static void letWaitingWritesIn();

    // Every record, list and statement builds its QSqlQuery on this.
    static QSqlDatabase current();

    // True on the thread that owns the default connection (the GUI thread).
    static bool isGuiThread();

    // Closes and removes the calling thread's own connection, if it has one.
    // Call it when a job thread's work ends; no query of the thread may still
    // be alive. Does nothing on the GUI thread.
    static void releaseThreadConnection();

    // Number of job threads' connections open now (jobs at work).
    static int jobConnections();

    // Name of the calling thread's own connection (empty on the GUI thread
    // or before the thread used one).
    static QString threadConnectionName();

    // To be called whenever the default connection is (re)opened on another
    // file: threads drop their clones of the earlier one on their next use.
    static void defaultConnectionChanged();

    // The connect option that sets the GUI thread's busy timeout.
    static QString busyTimeoutOption();
    // The same for a job thread's connection.
    static QString jobBusyTimeoutOption();
    // Changes the busy timeout of an open connection; false when it is not
    // open. On the window's connection it is the wait for another program
    // (a job's is waited for as long as windowWaitsForJobMs at least).
    static bool setBusyTimeout(QSqlDatabase db, int milliseconds);

    // Begins a transaction that writes: it takes the write lock at once
    // (waiting as the connection's busy timeout allows), so that no other
    // connection's commit can make its later writes fail on a stale snapshot.
    // Ends with QSqlDatabase::commit or rollback as usual. A failure gives
    // its text and its cause (failureCause: a lock another program holds,
    // say).
    static bool beginWrite(QSqlDatabase db, QString* errorText = nullptr, QString* cause = nullptr);
    static QString beginWriteText();

    // True when an error means that another connection held the lock (the
    // statement may succeed later), as opposed to a fault of the statement.
    static bool isBusy(const QSqlError& error);

    // The system's reason for a connection's failure when the system failed
    // it (an I/O error, a file that could not be opened), such as "File too
    // large" or "Permission denied"; "" otherwise. SQLite's own text names
    // only the kind ("disk I/O error").
    static QString systemReason(QSqlDatabase db, const QSqlError& error);
    // The error's text, followed by the system's reason when there is one.
    static QString errorText(QSqlDatabase db, const QSqlError& error);
    // The cause of a failure in the words the jobs report it in, for the
    // causes a user can act on: the system's reason ("File too large"; a full
    // database file is the system's "No space left on device"), or SQLite's
    // own text for a read-only or a locked database. "" for other faults.
    // A transaction's failure (QSqlDatabase::commit) carries no code of
    // SQLite's: it is read from the connection, so ask right after it.
    static QString failureCause(QSqlDatabase db, const QSqlError& error);
    // The same for a failure that SQLite's own calls met on `handle`: its
    // (extended) result code and its message.
    static QString failureCause(sqlite3* handle, int code, const QString& databaseText);
    // The same for the last failure the connection met, asked right after
    // it (before the connection's next statement).
    static QString lastFailureCause(QSqlDatabase db);

    // Switches an open connection's file to write-ahead logging, so that
    // readers never wait for a writer; false (and the file keeps its mode)
    // when the file is locked or the folder does not allow it.
    static bool useWriteAheadLog(QSqlDatabase db);
};

} // namespace Vexal
