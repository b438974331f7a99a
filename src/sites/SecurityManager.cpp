#include "sites/SecurityManager.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/Version.h"
#include "shell/NetworkAccessManager.h"
#include "sites/SecurityNotificator.h"
#include "texts/LocaleMessage.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutexLocker>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

namespace Vexal {

namespace {

// The qualified name, as every other class gives it in the log.
QString className()
{
    return QString::fromLatin1(SecurityManager::staticMetaObject.className());
}

void stopAtExit()
{
    SecurityManager::stop();
}

} // namespace

SecurityManager* SecurityManager::instance()
{
    static SecurityManager* const manager = new SecurityManager();
    return manager;
}

SecurityManager::SecurityManager()
    : QThread(nullptr)
{
    // The thread's name as the system shows it (at most 15 characters).
    setObjectName(QStringLiteral("SecurityManager"));
}

void SecurityManager::start(StartRequests requests)
{
    SecurityManager* manager = instance();
    // The notice object belongs to the GUI thread: make it here, not on the
    // server thread.
    SecurityNotificator::instance();
    static bool registered = false;
    if (!registered && QCoreApplication::instance()) {
        qAddPostRoutine(stopAtExit);
        registered = true;
    }
    {
        QMutexLocker lock(&manager->m_managerMutex);
        if (!manager->QThread::isRunning())
            manager->m_holdStartRequests = requests == RequestsAfterProxy && !manager->m_hasProxy;
    }
    manager->QThread::start(QThread::InheritPriority);
}

void SecurityManager::setProxy(const NetworkAccessManager::ProxySettings& proxy)
{
    SecurityManager* manager = instance();
    QMutexLocker lock(&manager->m_managerMutex);
    manager->m_proxy = proxy;
    manager->m_hasProxy = true;
    const bool held = manager->m_holdStartRequests;
    manager->m_holdStartRequests = false;
    // Not running yet: the run applies it and sends at once.
    if (!manager->m_manager)
        return;
    manager->m_manager->applyProxy(proxy);
    // Queued after the proxy, on the manager's thread.
    if (held)
        QMetaObject::invokeMethod(manager->m_manager, [manager]() { manager->sendStartRequests(); },
                                  Qt::QueuedConnection);
}

bool SecurityManager::isRunning()
{
    return instance()->m_running.loadAcquire() != 0;
}

bool SecurityManager::waitUntilRunning(int timeoutMs)
{
    SecurityManager* manager = instance();
    if (isRunning())
        return true;
    QEventLoop loop;
    connect(manager, &SecurityManager::runningChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    // A flag set after the test above still quits the loop through the
    // queued signal.
    if (!isRunning())
        loop.exec();
    if (isRunning())
        return true;
    Logger::error(className(), QStringLiteral("Start"),
                  LocaleMessage::invalidObjectState(className()));
    return false;
}

void SecurityManager::stop()
{
    SecurityManager* manager = instance();
    if (!manager->QThread::isRunning())
        return;
    manager->quit();
    if (!manager->wait(stopTimeout))
        Logger::error(className(), QStringLiteral("Stop"),
                      LocaleMessage::invalidObjectState(className()));
}

NetworkAccessManager* SecurityManager::networkManager()
{
    SecurityManager* manager = instance();
    QMutexLocker lock(&manager->m_managerMutex);
    return manager->m_manager;
}

bool SecurityManager::checkUpdates()
{
    return queueJob(&SecurityManager::sendUpdateCheck);
}

bool SecurityManager::loadMessages()
{
    return queueJob(&SecurityManager::sendMessagesRequest);
}

int SecurityManager::pendingJobs()
{
    return instance()->m_pending.loadAcquire();
}

bool SecurityManager::queueJob(void (SecurityManager::*job)())
{
    SecurityManager* manager = instance();
    QMutexLocker lock(&manager->m_managerMutex);
    if (!manager->m_manager)
        return false;
    manager->m_pending.ref();
    // Runs on the server thread, where the network manager lives; a job still
    // queued when the thread ends is dropped with the manager.
    QMetaObject::invokeMethod(manager->m_manager, [manager, job]() { (manager->*job)(); },
                              Qt::QueuedConnection);
    return true;
}

SecurityManager::UpdateResult SecurityManager::updateResult(const QByteArray& reply)
{
    const QString text = QString::fromUtf8(reply).trimmed();
    std::unique_ptr<Version> server(Version::parse(text, nullptr));
    std::unique_ptr<Version> own(Version::parse(ConstApp::version(), nullptr));
    if (!server || !own)
        return UpdateInvalid;
    return server->isEqual(own.get()) ? UpdateCurrent : UpdateAvailable;
}

void SecurityManager::run()
{
    bool sendNow = false;
    {
        QMutexLocker lock(&m_managerMutex);
        m_manager = new NetworkAccessManager(nullptr);
        if (m_hasProxy)
            m_manager->applyProxy(m_proxy);
        // The two start-up jobs count as pending before anyone sees the flag.
        m_pending.ref();
        m_pending.ref();
        sendNow = !m_holdStartRequests;
    }
    m_running.storeRelease(1);
    emit runningChanged(true);

    if (sendNow)
        sendStartRequests();
    exec();

    NetworkAccessManager* manager = nullptr;
    {
        QMutexLocker lock(&m_managerMutex);
        manager = m_manager;
        m_manager = nullptr;
    }
    m_running.storeRelease(0);
    // Replies still open and jobs still queued go with the manager.
    delete manager;
    m_pending.storeRelease(0);
    emit runningChanged(false);
}

QNetworkReply* SecurityManager::postForm(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(requestTimeout);
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("version"), ConstApp::version());
    return m_manager->post(request, form.query(QUrl::FullyEncoded).toUtf8());
}

void SecurityManager::sendStartRequests()
{
    sendUpdateCheck();
    sendMessagesRequest();
}

void SecurityManager::sendUpdateCheck()
{
    QNetworkReply* reply = postForm(QUrl(ConstApp::updatesUrl()));
    connect(reply, &QNetworkReply::finished, reply, [this, reply]() { handleUpdateReply(reply); });
}

void SecurityManager::sendMessagesRequest()
{
    QNetworkReply* reply = postForm(QUrl(ConstApp::messagesUrl()));
    connect(reply, &QNetworkReply::finished, reply, [this, reply]() { handleMessagesReply(reply); });
}

void SecurityManager::handleUpdateReply(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString action = QStringLiteral("Check Updates");
    UpdateResult result = UpdateFailed;
    if (reply->error() != QNetworkReply::NoError) {
        Logger::error(className(), action, reply->errorString());
    } else {
        result = updateResult(reply->readAll());
        if (result == UpdateAvailable)
            SecurityNotificator::instance()->postUpdate();
        else if (result == UpdateInvalid)
            Logger::warning(className(), action, LocaleMessage::invalidData());
    }
    emit updatesChecked(result);
    m_pending.deref();
}

void SecurityManager::handleMessagesReply(QNetworkReply* reply)
{
    reply->deleteLater();
    int count = -1;
    if (reply->error() != QNetworkReply::NoError)
        Logger::error(className(), QStringLiteral("Load Messages"), reply->errorString());
    else
        count = SecurityNotificator::instance()->postMessages(QString::fromUtf8(reply->readAll()));
    emit messagesLoaded(count);
    m_pending.deref();
}

} // namespace Vexal
