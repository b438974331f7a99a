#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace Vexal {

// The window's own background writes: a history row for a page that finished
// loading, the options behind a menu check, the remembered folder, the window
// state. A job (an import, a clean) or another program may hold the
// database's write lock for many seconds; the GUI thread must neither wait
// for it nor lose these rows.
//
// Each write is a function that does its whole piece of work (load, change,
// save) on the GUI thread's connection and returns false after logging its
// own error. submit() runs it at once inside a transaction of its own when no
// job is at work and the write lock can be had within the window's short busy
// timeout; otherwise the write is kept and runs later, in the order
// submitted, when a job's connection closes or on a timer. A kept write may run more than once (when
// its commit meets the lock it is rolled back and kept), so it builds its
// records afresh on every run. What is not written when the program closes,
// kept behind a lock or failed (a full disk, a file-size limit), is named to
// the user before the window goes.
class DBWriteQueue final : public QObject
{
    Q_OBJECT
public:
    using Write = std::function<bool()>;

    // How often kept writes are tried while the lock stays taken.
    static constexpr int retryIntervalMs = 500;

    // Created on first use, on the GUI thread; never deleted.
    static DBWriteQueue* instance();

    // Runs or keeps a write (GUI thread only). True when it was written or
    // kept; false when it ran and failed. `what` names the change for the
    // user, should it still be unwritten when the program ends (writes of
    // one kind share a name); without it: "A change of the window".
    static bool submit(const QString& what, const Write& write);
    static bool submit(const Write& write);
    // Tries the kept writes now, in order, each waiting at most waitMs for
    // the lock (0: the connection's own timeout). True when none is left.
    static bool flush(int waitMs = 0);
    // Asks the GUI thread to flush when it next runs its events; callable
    // from any thread.
    static void flushSoon();
    // Number of writes kept.
    static int pendingCount();
    // Drops every kept write (for tests).
    static void clear();

    // The program is closing: a write that fails from now on is kept in
    // mind, with its cause, for finish().
    static void beginExit();
    // At the end of the program, while `parent` (the window) still shows: a
    // job that still holds its connection (it is being cancelled) is waited
    // for, writes kept behind a lock get one longer wait, and one warning in
    // front of the window names every change that failed since beginExit(),
    // each with its cause, and what even then is not written. The window
    // goes only once the user has answered it. What is kept after this is
    // named the same way when the application quits.
    static void finish(QWidget* parent);
    // True when a warning at the end named a change that was not saved
    // (since the last beginExit()): the program ends with a status that
    // says so.
    static bool changesLost();

private:
    enum Outcome { Written, Failed, Busy };
    struct Kept
    {
        Write write;
        QString what;
    };
    struct FailedWrite
    {
        QString what;
        QString cause;
    };

    DBWriteQueue();
    // A failure's cause goes to m_cause.
    Outcome attempt(const Write& write);
    bool flushKept(int waitMs);
    // Keeps a failed write in mind while the program closes.
    void noteFailure(const QString& what);
    // Names in one warning what failed since beginExit() and what is still
    // kept, after one more try of the kept writes (waiting up to waitMs).
    void finishWrites(QWidget* parent, int waitMs);

    QList<Kept> m_kept;
    QList<FailedWrite> m_failed;
    QString m_cause;
    QTimer m_retry;
    bool m_flushing = false;
    bool m_exiting = false;
    bool m_lost = false;
};

} // namespace Vexal
