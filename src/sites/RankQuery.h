#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace Vexal {

// One asynchronous rank look-up of a web address through the shared network
// manager. The answer is the rank as decimal text, or a text that is not a
// number when the look-up failed or the reply held no rank.
class RankQuery : public QObject
{
    Q_OBJECT
public:
    static constexpr int requestTimeout = 30000;

    // A request still open is cancelled.
    ~RankQuery() override;

    QUrl address() const { return m_address; }

    // Sends the request; a query that was started already is left as it is.
    void start();
    bool isStarted() const { return m_started; }
    bool isFinished() const { return m_finished; }
    // "" until the answer has come.
    QString text() const { return m_text; }
    // -1 until a rank has been read.
    int rank() const { return m_rank; }

signals:
    void finished(const QString& text);

protected:
    RankQuery(const QUrl& address, QObject* parent);

    virtual QNetworkReply* send(QNetworkAccessManager* manager) = 0;
    // The rank the reply holds; -1 when it holds none.
    virtual int parse(const QByteArray& reply) const = 0;

private:
    void handleReply(QNetworkReply* reply);

    QPointer<QNetworkReply> m_reply;
    QUrl m_address;
    QString m_text;
    int m_rank = -1;
    bool m_started = false;
    bool m_finished = false;
};

// A look-up through one outside service whose address a deployment (or a
// test) may replace. Service gives the built-in address (defaultUrl) and
// reads the reply (parseReply).
template <class Service>
class RankServiceQuery : public RankQuery
{
public:
    explicit RankServiceQuery(const QUrl& address, QObject* parent = nullptr)
        : RankQuery(address, parent)
    {
    }

    static QUrl serviceUrl() { return configuredUrl().isEmpty() ? Service::defaultUrl() : configuredUrl(); }
    // An empty URL restores the built-in one.
    static void setServiceUrl(const QUrl& url) { configuredUrl() = url; }

protected:
    int parse(const QByteArray& reply) const override { return Service::parseReply(reply); }

private:
    static QUrl& configuredUrl()
    {
        static QUrl url;
        return url;
    }
};

} // namespace Vexal
