#include "shell/NetworkAccessManager.h"

#include "data/DBOptions.h"

#include <QNetworkReply>
#include <QPointer>
#include <QThread>

namespace Vexal {

NetworkAccessManager* NetworkAccessManager::instance()
{
    static NetworkAccessManager* shared = new NetworkAccessManager(nullptr);
    return shared;
}

NetworkAccessManager::NetworkAccessManager(QObject* parent)
    : QNetworkAccessManager(parent)
{
    connect(this, &QNetworkAccessManager::authenticationRequired, this,
            &NetworkAccessManager::handleAuthenticationRequired);
    connect(this, &QNetworkAccessManager::proxyAuthenticationRequired, this,
            &NetworkAccessManager::handleProxyAuthenticationRequired);
    connect(this, &QNetworkAccessManager::sslErrors, this, &NetworkAccessManager::handleSSLErrors);
}

void NetworkAccessManager::setHttpLogin(const QString& login) { m_httpLogin = login; }
void NetworkAccessManager::setHttpPassword(const QString& password) { m_httpPassword = password; }
void NetworkAccessManager::setSocksLogin(const QString& login) { m_socksLogin = login; }
void NetworkAccessManager::setSocksPassword(const QString& password) { m_socksPassword = password; }
void NetworkAccessManager::setFtpLogin(const QString& login) { m_ftpLogin = login; }
void NetworkAccessManager::setFtpPassword(const QString& password) { m_ftpPassword = password; }
void NetworkAccessManager::setIgnoreSSLErrors(bool ignore) { m_ignoreSSLErrors = ignore; }

void NetworkAccessManager::applyProxy(const QNetworkProxy& proxy, const QString& httpLogin,
                                      const QString& httpPassword, bool ignoreSSLErrors)
{
    QPointer<NetworkAccessManager> self(this);
    auto apply = [self, proxy, httpLogin, httpPassword, ignoreSSLErrors]() {
        if (!self)
            return;
        self->setProxy(proxy);
        self->setHttpLogin(httpLogin);
        self->setHttpPassword(httpPassword);
        self->setIgnoreSSLErrors(ignoreSSLErrors);
    };
    if (QThread::currentThread() == thread())
        apply();
    else
        QMetaObject::invokeMethod(this, apply, Qt::QueuedConnection);
}

void NetworkAccessManager::applyOptions(const DBOptions* options)
{
    if (!options)
        return;
    if (options->httpProxy()) {
        const QString login = options->httpLogin();
        const QString password = options->decryptedHttpPassword();
        // A stored port outside 1..65535 is not wrapped onto some other port.
        const int port = options->httpPort();
        const quint16 proxyPort = port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
        const QNetworkProxy proxy(QNetworkProxy::HttpProxy, options->httpAddress(), proxyPort, login, password);
        applyProxy(proxy, login, password, options->ignoreSSLErrors());
    } else {
        applyProxy(QNetworkProxy(QNetworkProxy::NoProxy), QString(), QString(), options->ignoreSSLErrors());
    }
}

void NetworkAccessManager::handleAuthenticationRequired(QNetworkReply*, QAuthenticator*)
{
    // A site's own request for credentials stays unanswered.
}

void NetworkAccessManager::handleProxyAuthenticationRequired(const QNetworkProxy& proxy,
                                                             QAuthenticator* authenticator)
{
    if (!authenticator)
        return;
    if (proxy.type() == QNetworkProxy::HttpProxy) {
        authenticator->setUser(m_httpLogin);
        authenticator->setPassword(m_httpPassword);
    }
    if (proxy.type() == QNetworkProxy::Socks5Proxy) {
        authenticator->setUser(m_socksLogin);
        authenticator->setPassword(m_socksPassword);
    }
    if (proxy.type() == QNetworkProxy::FtpCachingProxy) {
        authenticator->setUser(m_ftpLogin);
        authenticator->setPassword(m_ftpPassword);
    }
}

void NetworkAccessManager::handleSSLErrors(QNetworkReply* reply, const QList<QSslError>&)
{
    if (m_ignoreSSLErrors && reply)
        reply->ignoreSslErrors();
}

} // namespace Vexal
