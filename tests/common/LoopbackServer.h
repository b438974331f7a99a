#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (a free port) for tests: it serves the
// pages it is given and records every request it receives. Each connection
// answers one request and is then closed. Unknown paths get 404. A path can be
// held: its requests are recorded but answered only on release().
class LoopbackServer : public QObject
{
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target;                 // as sent: "/path?query" or an absolute URL
        QString path;                      // the path of the target, without query
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;

        QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    };

    struct Response {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
    };

    explicit LoopbackServer(QObject* parent = nullptr);
    ~LoopbackServer() override;

    // Listens on 127.0.0.1; false when no port could be had.
    bool start();
    quint16 port() const;
    // http://127.0.0.1:<port><path>
    QUrl url(const QString& path) const;

    void setPage(const QString& path, const QByteArray& contentType, const QByteArray& body, int status = 200);
    // A text page, sent as UTF-8.
    void setHtml(const QString& path, const QString& html);
    // A page with a title (what a tab shows once it is loaded) and a body.
    void setTitledPage(const QString& path, const QString& title, const QString& body = QString());
    void removePage(const QString& path);

    // The requests for the path are recorded, then their connection is cut
    // before any answer, as a server that goes away mid-request does.
    void cutOff(const QString& path);

    void hold(const QString& path);
    // Answers every held request (as the page stands then) and stops holding.
    void release();
    int heldCount() const;

    QList<Request> requests() const;
    QList<Request> requestsFor(const QString& path) const;
    void clearRequests();

protected:
    // The answer to one request; the default serves the pages.
    virtual Response respond(const Request& request);

private:
    void handleConnection();
    void handleReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Request& request);

    QTcpServer m_server;
    QHash<QString, Response> m_pages;
    QList<QString> m_held;
    QList<QString> m_cutOff;
    QList<QPair<QPointer<QTcpSocket>, Request>> m_pending;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QList<Request> m_requests;
};
