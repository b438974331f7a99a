#include "TestRunner.h"

#include "LoopbackProxy.h"
#include "core/UtilSignalManager.h"
#include "data/DBOptions.h"
#include "data/Encryptor.h"
#include "shell/NetworkAccessManager.h"
#include "shell/WidWebPage.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

using namespace Vexal;

namespace {

// A reply that only counts the calls of ignoreSslErrors().
class FakeReply : public QNetworkReply
{
public:
    int ignored = 0;
    void ignoreSslErrors() override { ++ignored; }
    void abort() override {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
};

// A URL that nothing answers unless a proxy does: a closed port on 127.0.0.1.
QUrl unreachable(const QString& path)
{
    return QUrl(QStringLiteral("http://127.0.0.1:9") + path);
}

QNetworkReply* fetch(QNetworkAccessManager* manager, const QUrl& url)
{
    QNetworkReply* reply = manager->get(QNetworkRequest(url));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!reply->isFinished())
        finished.wait(5000);
    return reply;
}

} // namespace

class NetworkTest : public QObject
{
    Q_OBJECT

private slots:
    void proxyIsAnsweredByItsType()
    {
        NetworkAccessManager manager;
        manager.setHttpLogin(QStringLiteral("http-user"));
        manager.setHttpPassword(QStringLiteral("http-pass"));
        manager.setSocksLogin(QStringLiteral("socks-user"));
        manager.setFtpPassword(QStringLiteral("ftp-pass"));

        auto answer = [&manager](QNetworkProxy::ProxyType type) {
            QAuthenticator authenticator;
            authenticator.setUser(QStringLiteral("untouched"));
            authenticator.setPassword(QStringLiteral("untouched"));
            manager.handleProxyAuthenticationRequired(QNetworkProxy(type, QStringLiteral("127.0.0.1"), 1),
                                                      &authenticator);
            return QStringList{authenticator.user(), authenticator.password()};
        };
        QCOMPARE(answer(QNetworkProxy::HttpProxy), (QStringList{"http-user", "http-pass"}));
        // Pairs that were never set are handed over empty.
        QCOMPARE(answer(QNetworkProxy::Socks5Proxy), (QStringList{"socks-user", ""}));
        QCOMPARE(answer(QNetworkProxy::FtpCachingProxy), (QStringList{"", "ftp-pass"}));
        QCOMPARE(answer(QNetworkProxy::HttpCachingProxy), (QStringList{"untouched", "untouched"}));
        QCOMPARE(answer(QNetworkProxy::NoProxy), (QStringList{"untouched", "untouched"}));
    }

    // The credentials go to the proxy once it asks for them; without any
    // (the proxy option off) the request fails and none are sent.
    void proxyCredentialsReachTheProxy_data()
    {
        QTest::addColumn<QString>("login");
        QTest::newRow("with credentials") << QStringLiteral("user");
        QTest::newRow("without") << QString();
    }

    void proxyCredentialsReachTheProxy()
    {
        QFETCH(QString, login);
        LoopbackProxy proxy;
        QVERIFY(proxy.start());
        proxy.credentials = "user:s3cret";
        NetworkAccessManager manager;
        manager.applyProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), proxy.port()),
                           login, login.isEmpty() ? QString() : QStringLiteral("s3cret"), true);
        QScopedPointer<QNetworkReply> reply(fetch(&manager, unreachable(QStringLiteral("/page"))));
        const auto requests = proxy.requestsFor(QStringLiteral("/page"));
        QVERIFY(!requests.isEmpty());
        QVERIFY(requests.first().header("proxy-authorization").isEmpty());
        if (login.isEmpty()) {
            QCOMPARE(reply->error(), QNetworkReply::ProxyAuthenticationRequiredError);
            for (const auto& request : requests)
                QVERIFY(request.header("proxy-authorization").isEmpty());
        } else {
            QCOMPARE(reply->error(), QNetworkReply::NoError);
            QCOMPARE(reply->readAll(), QByteArray("proxied http://127.0.0.1:9/page"));
            QCOMPARE(requests.last().header("proxy-authorization"), LoopbackProxy::basic(proxy.credentials));
        }
    }

    void optionsReachTheSharedManager()
    {
        LoopbackProxy proxy;
        QVERIFY(proxy.start());
        proxy.credentials = "opt-user:opt-pass";
        NetworkAccessManager* shared = NetworkAccessManager::instance();

        DBOptions options;
        options.setHttpProxy(true);
        options.setHttpAddress(QStringLiteral("127.0.0.1"));
        options.setHttpPort(proxy.port());
        options.setHttpLogin(QStringLiteral("opt-user"));
        options.setHttpPassword(Encryptor(Encryptor::programKey()).encode(QStringLiteral("opt-pass")));
        options.setIgnoreSSLErrors(false);
        shared->applyOptions(&options);
        // The stored password is scrambled: the proxy gets it in the clear.
        QCOMPARE(shared->proxy().password(), QStringLiteral("opt-pass"));
        QScopedPointer<QNetworkReply> reply(fetch(shared, unreachable(QStringLiteral("/options"))));
        QCOMPARE(reply->error(), QNetworkReply::NoError);
        QCOMPARE(proxy.requestsFor(QStringLiteral("/options")).last().header("proxy-authorization"),
                 LoopbackProxy::basic(proxy.credentials));

        FakeReply fake;
        shared->handleSSLErrors(&fake, {});
        QCOMPARE(fake.ignored, 0);

        // Off again: no proxy, no credentials, and the shared manager is as before.
        options.setHttpProxy(false);
        options.setIgnoreSSLErrors(true);
        shared->applyOptions(&options);
        QCOMPARE(shared->proxy().type(), QNetworkProxy::NoProxy);
        QAuthenticator authenticator;
        shared->handleProxyAuthenticationRequired(QNetworkProxy(QNetworkProxy::HttpProxy), &authenticator);
        QVERIFY(authenticator.user().isEmpty());
        QVERIFY(authenticator.password().isEmpty());
        shared->handleSSLErrors(&fake, {});
        QCOMPARE(fake.ignored, 1);

        // A port above 65535 is not wrapped onto another port: the option
        // keeps to its range, as the options editor shows it.
        options.setHttpProxy(true);
        options.setHttpPort(65536 + 80);
        shared->applyOptions(&options);
        QCOMPARE(shared->proxy().port(), quint16(65535));
        shared->applyProxy(QNetworkProxy(QNetworkProxy::NoProxy), QString(), QString(), true);
    }

    void proxyOfAnotherThreadIsChangedThere()
    {
        QThread worker;
        worker.start();
        auto* manager = new NetworkAccessManager;
        manager->moveToThread(&worker);

        manager->applyProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), 3128),
                            QStringLiteral("u"), QStringLiteral("p"), false);
        QNetworkProxy seen;
        QThread* ranOn = nullptr;
        QMetaObject::invokeMethod(
            manager,
            [&] {
                seen = manager->proxy();
                ranOn = QThread::currentThread();
            },
            Qt::BlockingQueuedConnection);
        QCOMPARE(ranOn, &worker);
        QCOMPARE(seen.type(), QNetworkProxy::HttpProxy);
        QCOMPARE(seen.port(), quint16(3128));

        QMetaObject::invokeMethod(manager, [manager] { delete manager; }, Qt::BlockingQueuedConnection);
        worker.quit();
        worker.wait();
    }

};

TESVAR_TEST(NetworkTest)
#include "NetworkTest.moc"
