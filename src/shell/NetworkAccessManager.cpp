#include "shell/NetworkAccessManager.h"

#include "data/DBOptions.h"

#include <QNetworkReply>
#include <QPointer>
#include <QThread>

namespace Vexal {

namespace {

// A request body that can be read once. The network layer sends a request
// again when its connection breaks before the answer; it rewinds the body
// first, and a body that refuses to rewind fails the reply instead
// ("content re-send"), so a form is never posted twice behind the user's back.
class SendOnceBody final : public QIODevice
{
public:
    explicit SendOnceBody(QIODevice* source)
        : m_source(source)
    {
        open(QIODevice::ReadOnly);
        connect(source, &QIODevice::readyRead, this, &QIODevice::readyRead);
    }

    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    qint64 bytesAvailable() const override
    {
        return QIODevice::bytesAvailable() + (m_source ? m_source->bytesAvailable() : 0);
    }
    bool atEnd() const override { return QIODevice::bytesAvailable() == 0 && (!m_source || m_source->atEnd()); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (!m_source)
            return -1;
        const qint64 read = m_source->read(data, maxSize);
        return read == 0 && m_source->atEnd() ? -1 : read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QPointer<QIODevice> m_source;
};

bool isIdempotent(QNetworkAccessManager::Operation operation, const QNetworkRequest& request)
{
    if (operation != QNetworkAccessManager::PostOperation && operation != QNetworkAccessManager::CustomOperation)
        return true;
    if (operation == QNetworkAccessManager::PostOperation)
        return false;
    static const QList<QByteArray> safe = {"GET", "HEAD", "OPTIONS", "TRACE", "PUT", "DELETE"};
    return safe.contains(request.attribute(QNetworkRequest::CustomVerbAttribute).toByteArray().toUpper());
}

} // namespace

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

void NetworkAccessManager::applyProxy(const ProxySettings& settings)
{
    applyProxy(settings.proxy, settings.httpLogin, settings.httpPassword, settings.ignoreSSLErrors);
}

NetworkAccessManager::ProxySettings NetworkAccessManager::proxySettings(const DBOptions& options)
{
    ProxySettings settings;
    settings.ignoreSSLErrors = options.ignoreSSLErrors();
    if (!options.httpProxy())
        return settings;
    settings.httpLogin = options.httpLogin();
    settings.httpPassword = options.decryptedHttpPassword();
    // A stored port outside 1..65535 is not wrapped onto some other port.
    const int port = options.httpPort();
    const quint16 proxyPort = port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
    settings.proxy = QNetworkProxy(QNetworkProxy::HttpProxy, options.httpAddress(), proxyPort, settings.httpLogin,
                                   settings.httpPassword);
    return settings;
}

void NetworkAccessManager::applyOptions(const DBOptions* options)
{
    if (options)
        applyProxy(proxySettings(*options));
}

QNetworkReply* NetworkAccessManager::createRequest(Operation operation, const QNetworkRequest& request,
                                                  QIODevice* outgoingData)
{
    if (!outgoingData || isIdempotent(operation, request))
        return QNetworkAccessManager::createRequest(operation, request, outgoingData);
    // The length is known up front, so the body goes out as it is read,
    // never kept aside where a re-send could find it.
    QNetworkRequest once(request);
    if (!once.header(QNetworkRequest::ContentLengthHeader).isValid() && !outgoingData->isSequential())
        once.setHeader(QNetworkRequest::ContentLengthHeader, outgoingData->size() - outgoingData->pos());
    once.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    auto* body = new SendOnceBody(outgoingData);
    QNetworkReply* reply = QNetworkAccessManager::createRequest(operation, once, body);
    connect(reply, &QObject::destroyed, body, &QObject::deleteLater);
    return reply;
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
