#pragma once

#include "shell/NetworkAccessManager.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QMutex>
#include <QThread>
#include <QUrl>

class QNetworkReply;

namespace Vexal {

// The process-wide server-jobs thread: at the start of its run, or once it
// has its proxy, it checks the maker's server for a new version and downloads
// the server messages, then waits in its event loop for further jobs until it
// is asked to stop. Its network manager lives on this thread; its proxy is
// set through setProxy.
class SecurityManager final : public QThread
{
    Q_OBJECT
public:
    enum UpdateResult { UpdateCurrent, UpdateAvailable, UpdateInvalid, UpdateFailed };
    Q_ENUM(UpdateResult)

    static constexpr int startTimeout = 5000;
    static constexpr int stopTimeout = 10000;
    static constexpr int requestTimeout = 30000;

    // Created on first use; never deleted.
    static SecurityManager* instance();

    // When a run sends its two start-up requests: at once, or once setProxy
    // has given the thread its proxy (at once when it had one before), so
    // that not even the first goes around the proxy of the options.
    enum StartRequests { RequestsAtOnce, RequestsAfterProxy };

    // Starts the thread with inherited priority and returns at once; a running
    // thread is left as it is.
    static void start(StartRequests requests = RequestsAtOnce);
    // The proxy of the thread's requests: applied (on the thread) to the
    // manager of the running thread, and to that of every later run before
    // its first request. Releases start-up requests that wait for it.
    static void setProxy(const NetworkAccessManager::ProxySettings& proxy);
    // True from the top of the thread's run until it ends.
    static bool isRunning();
    // Processes events until the thread runs, at most timeoutMs; on timeout
    // logs an error and returns false (the program goes on without server jobs).
    static bool waitUntilRunning(int timeoutMs = startTimeout);
    // Asks the thread to stop and waits for it (bounded). Also done at exit.
    static void stop();
    // The thread's network manager; null while the thread does not run.
    static NetworkAccessManager* networkManager();

    // Queue one more update check or messages download on the thread; false
    // when it does not run.
    static bool checkUpdates();
    static bool loadMessages();
    // Jobs queued or running and not yet finished.
    static int pendingJobs();

    // The result of an update reply: the version it holds ("a.b.c") compared
    // with the program's.
    static UpdateResult updateResult(const QByteArray& reply);

signals:
    // Emitted from the server-jobs thread.
    void runningChanged(bool running);
    void updatesChecked(int result);
    // The number of messages stored; -1 when the download failed.
    void messagesLoaded(int count);

protected:
    void run() override;

private:
    SecurityManager();

    static bool queueJob(void (SecurityManager::*job)());
    void sendStartRequests();
    void sendUpdateCheck();
    void sendMessagesRequest();
    QNetworkReply* postForm(const QUrl& url);
    void handleUpdateReply(QNetworkReply* reply);
    void handleMessagesReply(QNetworkReply* reply);

    QAtomicInt m_running;
    QAtomicInt m_pending;
    mutable QMutex m_managerMutex;
    NetworkAccessManager* m_manager = nullptr;
    // Guarded by m_managerMutex too.
    NetworkAccessManager::ProxySettings m_proxy;
    bool m_hasProxy = false;
    bool m_holdStartRequests = false;
};

} // namespace Vexal
