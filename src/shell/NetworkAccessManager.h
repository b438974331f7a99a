#pragma once

#include <QAuthenticator>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSslError>
#include <QString>

namespace Vexal {

class DBOptions;

// The network access manager of every web page and of the program's own
// requests. It answers a proxy's authentication request with the credentials
// of that proxy type, can make every reply ignore its SSL errors (on until the
// options say otherwise) and leaves a site's own authentication unanswered.
// A request that is not idempotent (a form's POST) leaves once: when its
// connection breaks before the answer, the reply fails instead of the body
// being sent again, for the server may have acted on the first one.
//
// A manager belongs to the thread it lives on: change a manager of another
// thread only through applyProxy / applyOptions, which run there.
class NetworkAccessManager final : public QNetworkAccessManager
{
    Q_OBJECT
public:
    // The shared manager of the GUI thread, created on first use, never deleted.
    static NetworkAccessManager* instance();

    explicit NetworkAccessManager(QObject* parent = nullptr);

    void setHttpLogin(const QString& login);
    void setHttpPassword(const QString& password);
    void setSocksLogin(const QString& login);
    void setSocksPassword(const QString& password);
    void setFtpLogin(const QString& login);
    void setFtpPassword(const QString& password);
    void setIgnoreSSLErrors(bool ignore);

    // What applyProxy sets.
    struct ProxySettings
    {
        QNetworkProxy proxy{QNetworkProxy::NoProxy};
        QString httpLogin;
        QString httpPassword;
        bool ignoreSSLErrors = true;
    };

    // Sets the proxy, the HTTP proxy credentials and the SSL switch together,
    // on the manager's own thread (at once when called there, else queued).
    void applyProxy(const QNetworkProxy& proxy, const QString& httpLogin, const QString& httpPassword,
                    bool ignoreSSLErrors);
    void applyProxy(const ProxySettings& settings);
    // The options' HTTP proxy (address, port, login and the unscrambled
    // password, on the proxy and as the proxy credentials) when HttpProxy is
    // set, else no proxy and empty credentials; then the IgnoreSSLErrors
    // option. Only the HTTP proxy is taken.
    static ProxySettings proxySettings(const DBOptions& options);
    // Applies the proxySettings of the options; null options change nothing.
    void applyOptions(const DBOptions* options);

public slots:
    void handleAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void handleProxyAuthenticationRequired(const QNetworkProxy& proxy, QAuthenticator* authenticator);
    void handleSSLErrors(QNetworkReply* reply, const QList<QSslError>& errors);

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override;

private:
    QString m_httpLogin;
    QString m_httpPassword;
    QString m_socksLogin;
    QString m_socksPassword;
    QString m_ftpLogin;
    QString m_ftpPassword;
    bool m_ignoreSSLErrors = true;
};

} // namespace Vexal
