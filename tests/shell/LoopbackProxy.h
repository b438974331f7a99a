#pragma once

#include "LoopbackServer.h"

// An HTTP proxy on 127.0.0.1 that forwards nothing: it answers every request
// itself. With `credentials` set ("user:pass"), a request without the matching
// Proxy-Authorization gets 407 and a Basic challenge.
class LoopbackProxy : public LoopbackServer
{
public:
    using LoopbackServer::LoopbackServer;

    QByteArray credentials;

    static QByteArray basic(const QByteArray& userAndPassword) { return "Basic " + userAndPassword.toBase64(); }

protected:
    Response respond(const Request& request) override
    {
        Response response;
        if (!credentials.isEmpty() && request.header("proxy-authorization") != basic(credentials)) {
            response.status = 407;
            response.reason = "Proxy Authentication Required";
            response.headers.append(qMakePair(QByteArray("Proxy-Authenticate"), QByteArray("Basic realm=\"loopback\"")));
            response.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/plain")));
            response.body = "authenticate";
            return response;
        }
        response.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/plain")));
        response.body = "proxied " + request.target;
        return response;
    }
};
