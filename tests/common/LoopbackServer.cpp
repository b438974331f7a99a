#include "LoopbackServer.h"

#include <QHostAddress>
#include <QTcpSocket>

LoopbackServer::LoopbackServer(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackServer::handleConnection);
}

LoopbackServer::~LoopbackServer()
{
    m_server.close();
}

bool LoopbackServer::start()
{
    return m_server.isListening() || m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 LoopbackServer::port() const
{
    return m_server.serverPort();
}

QUrl LoopbackServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

void LoopbackServer::setPage(const QString& path, const QByteArray& contentType, const QByteArray& body,
                             int status)
{
    Response response;
    response.status = status;
    response.reason = status == 200 ? QByteArray("OK") : QByteArray("Status");
    response.headers.append(qMakePair(QByteArray("Content-Type"), contentType));
    response.body = body;
    m_pages.insert(path, response);
}

void LoopbackServer::setHtml(const QString& path, const QString& html)
{
    setPage(path, "text/html; charset=utf-8", html.toUtf8());
}

void LoopbackServer::setTitledPage(const QString& path, const QString& title, const QString& body)
{
    setHtml(path, QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body));
}

void LoopbackServer::removePage(const QString& path)
{
    m_pages.remove(path);
}

void LoopbackServer::cutOff(const QString& path)
{
    if (!m_cutOff.contains(path))
        m_cutOff.append(path);
}

void LoopbackServer::hold(const QString& path)
{
    if (!m_held.contains(path))
        m_held.append(path);
}

void LoopbackServer::release()
{
    m_held.clear();
    const auto pending = m_pending;
    m_pending.clear();
    for (const auto& item : pending) {
        if (item.first)
            answer(item.first, item.second);
    }
}

int LoopbackServer::heldCount() const
{
    return m_pending.size();
}

QList<LoopbackServer::Request> LoopbackServer::requests() const
{
    return m_requests;
}

QList<LoopbackServer::Request> LoopbackServer::requestsFor(const QString& path) const
{
    QList<Request> found;
    for (const Request& request : m_requests) {
        if (request.path == path)
            found.append(request);
    }
    return found;
}

void LoopbackServer::clearRequests()
{
    m_requests.clear();
}

LoopbackServer::Response LoopbackServer::respond(const Request& request)
{
    const auto found = m_pages.constFind(request.path);
    if (found != m_pages.constEnd())
        return found.value();
    Response missing;
    missing.status = 404;
    missing.reason = "Not Found";
    missing.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/plain")));
    missing.body = "not found";
    return missing;
}

void LoopbackServer::handleConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { handleReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackServer::handleReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();

    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    const int length = request.header("content-length").toInt();
    if (buffer.size() < headerEnd + 4 + length)
        return; // the body is still on its way
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();

    const QUrl target = request.target.startsWith('/')
        ? QUrl(QStringLiteral("http://127.0.0.1") + QString::fromLatin1(request.target))
        : QUrl(QString::fromLatin1(request.target));
    request.path = target.path();

    m_requests.append(request);

    if (m_cutOff.contains(request.path)) {
        socket->abort();
        return;
    }
    if (m_held.contains(request.path)) {
        m_pending.append({QPointer<QTcpSocket>(socket), request});
        return;
    }
    answer(socket, request);
}

void LoopbackServer::answer(QTcpSocket* socket, const Request& request)
{
    const Response response = respond(request);
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    for (const auto& header : response.headers)
        out += header.first + ": " + header.second + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += response.body;
    socket->write(out);
    socket->disconnectFromHost();
}
