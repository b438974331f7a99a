#include "TestRows.h"
#include "TestRunner.h"

#include "LoopbackServer.h"
#include "TestFolder.h"
#include "core/ConstApp.h"
#include "core/Logger.h"
#include "shell/NetworkAccessManager.h"
#include "shell/Notification.h"
#include "sites/SecurityManager.h"
#include "sites/SecurityNotificator.h"
#include "texts/LocaleMessage.h"

#include <QNetworkProxy>
#include <QSet>
#include <QThread>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

using namespace Vexal;

class SecurityManagerTest : public QObject
{
    Q_OBJECT

    // Bounds of the waits below: they only catch a hang, and hold on a
    // machine that other busy processes slow down.
    static constexpr int hangMs = 60000;

    LoopbackServer m_server;
    // Log lines of the jobs go to a log file of their own.
    std::unique_ptr<TestFolder> m_folder;
    QByteArray m_savedUrl;
    bool m_hadUrl = false;

    // The thread runs and none of its jobs is still open.
    bool settle()
    {
        SecurityManager::start();
        if (!SecurityManager::waitUntilRunning(hangMs))
            return false;
        return QTest::qWaitFor([] { return SecurityManager::pendingJobs() == 0; }, hangMs);
    }

    void setUpdateReply(const QByteArray& body, int status = 200)
    {
        m_server.setPage(QStringLiteral("/sysupdates.php"), "text/plain", body, status);
    }

private slots:
    void initTestCase()
    {
        m_folder.reset(new TestFolder);
        QVERIFY(m_server.start());
        setUpdateReply(ConstApp::version().toUtf8());
        m_server.setPage(QStringLiteral("/sysmessages.php"), "text/plain", QByteArray());
        m_hadUrl = qEnvironmentVariableIsSet("TESVAR_SERVER_URL");
        m_savedUrl = qgetenv("TESVAR_SERVER_URL");
        qputenv("TESVAR_SERVER_URL", m_server.url(QStringLiteral("/")).toString().toUtf8());
    }

    void cleanupTestCase()
    {
        SecurityManager::stop();
        if (m_hadUrl)
            qputenv("TESVAR_SERVER_URL", m_savedUrl);
        else
            qunsetenv("TESVAR_SERVER_URL");
        Logger::resetForTests();
        m_folder.reset();
    }

    // The notice store the jobs write to; before any job runs.
    void keysAreNeverGivenTwice()
    {
        Notification* store = Notification::instance();
        const int first = store->add(QStringLiteral("a"));
        const int second = store->add(QStringLiteral("b"));
        const int third = store->add(QStringLiteral("c"));
        QCOMPARE(second, first + 1);
        QCOMPARE(third, second + 1);

        // Removing the newest or an older notice frees no key.
        store->remove(third);
        const int fourth = store->add(QStringLiteral("d"));
        QCOMPARE(fourth, third + 1);
        store->remove(first);
        const int held = store->count();
        store->remove(first);
        store->remove(-5);
        QCOMPARE(store->count(), held);
        const int fifth = store->add(QStringLiteral("e"));
        QCOMPARE(fifth, fourth + 1);

        const QMap<int, QString> notices = store->notices();
        QStringList texts;
        for (int key : {first, second, third, fourth, fifth})
            texts << notices.value(key, QStringLiteral("-"));
        QCOMPARE(texts, QStringList({"-", "b", "-", "d", "e"}));
        for (int key : {second, fourth, fifth})
            store->remove(key);
    }

    void addsFromSeveralThreads()
    {
        Notification* store = Notification::instance();
        const int before = store->count();
        const int threadCount = 4;
        const int perThread = 300;
        std::vector<std::vector<int>> keys(threadCount);
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back(QThread::create([store, &keys, t]() {
                for (int i = 0; i < perThread; ++i) {
                    const int key = store->add(QStringLiteral("%1/%2").arg(t).arg(i));
                    keys[t].push_back(key);
                    // The console removes on the GUI thread while the server adds.
                    if (i % 3 == 0)
                        store->remove(key);
                }
            }));
            threads.back()->start();
        }
        for (auto& thread : threads)
            QVERIFY(thread->wait(30000));

        QSet<int> distinct;
        for (const std::vector<int>& list : keys) {
            for (int key : list)
                distinct.insert(key);
        }
        QCOMPARE(distinct.size(), threadCount * perThread);
        const QMap<int, QString> notices = store->notices();
        QCOMPARE(store->count(), before + threadCount * (perThread - perThread / 3));
        for (int t = 0; t < threadCount; ++t) {
            for (int i = 0; i < perThread; ++i) {
                const int key = keys[t][i];
                QCOMPARE(notices.contains(key), i % 3 != 0);
                if (i % 3 != 0)
                    QCOMPARE(notices.value(key), QStringLiteral("%1/%2").arg(t).arg(i));
                store->remove(key);
            }
        }
        QCOMPARE(store->count(), before);
    }

    void startMakesOneThreadWithItsOwnManagerAndStopEndsIt()
    {
        SecurityManager::start();
        SecurityManager::start();
        QVERIFY(SecurityManager::waitUntilRunning());
        QVERIFY(SecurityManager::isRunning());
        NetworkAccessManager* manager = SecurityManager::networkManager();
        QVERIFY(manager);
        QVERIFY(manager != NetworkAccessManager::instance());
        QCOMPARE(manager->thread(), static_cast<QThread*>(SecurityManager::instance()));
        SecurityManager::start();
        QCOMPARE(SecurityManager::networkManager(), manager);
        QVERIFY(settle());

        // Stopped, it runs no job; started again, it has a manager again.
        SecurityManager::stop();
        QVERIFY(!SecurityManager::isRunning());
        QVERIFY(!SecurityManager::networkManager());
        QVERIFY(!SecurityManager::checkUpdates());
        // Not started: the bounded wait gives up and says so in the log.
        const int errors = Logger::errors().count();
        QVERIFY(!SecurityManager::waitUntilRunning(20));
        QCOMPARE(Logger::errors().count(), errors + 1);
        QVERIFY2(Logger::errors().last().contains(QStringLiteral("Vexal::SecurityManager")),
                 qPrintable(Logger::errors().last()));
        QVERIFY(settle());
        QVERIFY(SecurityManager::networkManager());
    }

    void aServerThatNeverAnswersHoldsNothingUp()
    {
        QVERIFY(settle());
        SecurityManager::stop();
        m_server.hold(QStringLiteral("/sysupdates.php"));
        m_server.hold(QStringLiteral("/sysmessages.php"));
        const int notices = Notification::instance()->count();
        SecurityManager::start();
        QVERIFY(SecurityManager::waitUntilRunning());
        QVERIFY(QTest::qWaitFor([this] { return m_server.requestsFor(QStringLiteral("/sysmessages.php")).count() > 0; },
                                hangMs));
        // The jobs are still waiting; the GUI thread goes on, and exit does not hang on them.
        QVERIFY(SecurityManager::pendingJobs() > 0);
        const int errors = Logger::errors().count();
        SecurityManager::stop();
        // The thread ended with its requests unanswered. Had stop() waited
        // for the answers, its own bounded wait would have given up, said so
        // in the log and left the thread running.
        QVERIFY(!SecurityManager::isRunning());
        QCOMPARE(Logger::errors().count(), errors);
        QCOMPARE(Notification::instance()->count(), notices);
        m_server.release();
        QVERIFY(settle());
    }

    // Started to wait for its proxy, the thread sends its start-up requests
    // only once it has one, and through it; a later start sends them at once,
    // through the same proxy. A job queued meanwhile goes as the proxy stands.
    void startupRequestsWaitForTheProxy()
    {
        QVERIFY(settle());
        SecurityManager::stop();
        LoopbackServer proxy;
        QVERIFY(proxy.start());
        m_server.clearRequests();
        SecurityManager::start(SecurityManager::RequestsAfterProxy);
        QVERIFY(SecurityManager::waitUntilRunning());
        QVERIFY(SecurityManager::checkUpdates());
        QTRY_COMPARE_WITH_TIMEOUT(SecurityManager::pendingJobs(), 2, hangMs);
        QCOMPARE(m_server.requests().size(), 1);

        NetworkAccessManager::ProxySettings settings;
        settings.proxy = QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port());
        SecurityManager::setProxy(settings);
        const auto proxied = [&proxy] {
            return proxy.requestsFor(QStringLiteral("/sysupdates.php")).size()
                + proxy.requestsFor(QStringLiteral("/sysmessages.php")).size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(proxied(), 2, hangMs);
        SecurityManager::stop();
        SecurityManager::start(SecurityManager::RequestsAfterProxy);
        QTRY_COMPARE_WITH_TIMEOUT(proxied(), 4, hangMs);
        QCOMPARE(m_server.requests().size(), 1);

        SecurityManager::stop();
        SecurityManager::setProxy(NetworkAccessManager::ProxySettings());
        QVERIFY(settle());
    }

    void updateCheck_data()
    {
        addColumns<QByteArray, int, int>("reply", "status", "result");
        const QByteArray own = ConstApp::version().toUtf8();
        QTest::newRow("same") << QByteArray(own + "\r\n") << 200 << int(SecurityManager::UpdateCurrent);
        QTest::newRow("newer") << QByteArray("2.0.2") << 200 << int(SecurityManager::UpdateAvailable);
        QTest::newRow("older") << QByteArray("1.9.9") << 200 << int(SecurityManager::UpdateAvailable);
        QTest::newRow("page") << QByteArray("<html>2.0.2</html>") << 200 << int(SecurityManager::UpdateInvalid);
        QTest::newRow("two parts") << QByteArray("2.1") << 200 << int(SecurityManager::UpdateInvalid);
        QTest::newRow("empty") << QByteArray() << 200 << int(SecurityManager::UpdateInvalid);
        QTest::newRow("server error") << QByteArray("2.0.2") << 500 << int(SecurityManager::UpdateFailed);
    }

    void updateCheck()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(int, result);
        QVERIFY(settle());
        setUpdateReply(reply, status);
        m_server.clearRequests();
        QSignalSpy checked(SecurityManager::instance(), &SecurityManager::updatesChecked);
        QSignalSpy notices(SecurityNotificator::instance(), &SecurityNotificator::onSecurityMessage);
        const int stored = Notification::instance()->count();

        QVERIFY(SecurityManager::checkUpdates());
        QTRY_COMPARE_WITH_TIMEOUT(SecurityManager::pendingJobs(), 0, hangMs);

        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.at(0).at(0).toInt(), result);
        if (result == SecurityManager::UpdateFailed) {
            // The jobs thread names its class as every other class does.
            QVERIFY2(Logger::errors().last().contains(QStringLiteral("Vexal::SecurityManager")),
                     qPrintable(Logger::errors().last()));
        }
        const bool claimed = result == SecurityManager::UpdateAvailable;
        QCOMPARE(notices.count(), claimed ? 1 : 0);
        QCOMPARE(Notification::instance()->count(), stored + (claimed ? 1 : 0));
        if (claimed) {
            QCOMPARE(notices.at(0).at(0).toString(), LocaleMessage::newUpdates());
            QCOMPARE(Notification::instance()->notices().last(), LocaleMessage::newUpdates());
        }

        const auto requests = m_server.requestsFor(QStringLiteral("/sysupdates.php"));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).method, QByteArray("POST"));
        QVERIFY(requests.at(0).header("content-type").startsWith("application/x-www-form-urlencoded"));
        setUpdateReply(ConstApp::version().toUtf8());
    }

    void messagesAreStoredOnePerLine()
    {
        QVERIFY(settle());
        QSignalSpy loaded(SecurityManager::instance(), &SecurityManager::messagesLoaded);
        QSignalSpy notices(SecurityNotificator::instance(), &SecurityNotificator::onSecurityMessage);
        const int lastKey = Notification::instance()->notices().isEmpty()
                                ? -1
                                : Notification::instance()->notices().lastKey();

        m_server.setPage(QStringLiteral("/sysmessages.php"), "text/plain; charset=utf-8",
                         QStringLiteral("First\r\n\n  Zweite Nachricht \u00e4 \n \t\nThird").toUtf8());
        QVERIFY(SecurityManager::loadMessages());
        QTRY_COMPARE_WITH_TIMEOUT(SecurityManager::pendingJobs(), 0, hangMs);
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.at(0).at(0).toInt(), 3);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.at(0).at(0).toString(), LocaleMessage::newNotifications());
        const QMap<int, QString> all = Notification::instance()->notices();
        QStringList added;
        for (auto it = all.upperBound(lastKey); it != all.end(); ++it)
            added << it.value();
        QCOMPARE(added, (QStringList{"First", QStringLiteral("Zweite Nachricht \u00e4"), "Third"}));

        // Nothing to tell: no notice.
        m_server.setPage(QStringLiteral("/sysmessages.php"), "text/plain", "\n \n");
        QVERIFY(SecurityManager::loadMessages());
        QTRY_COMPARE_WITH_TIMEOUT(SecurityManager::pendingJobs(), 0, hangMs);
        QCOMPARE(loaded.count(), 2);
        QCOMPARE(loaded.at(1).at(0).toInt(), 0);
        QCOMPARE(notices.count(), 1);
        m_server.setPage(QStringLiteral("/sysmessages.php"), "text/plain", QByteArray());
    }
};

TESVAR_TEST(SecurityManagerTest)
#include "SecurityManagerTest.moc"
