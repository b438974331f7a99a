#pragma once

#include "LoopbackServer.h"

#include <QBuffer>
#include <QImage>

// The pages the web view and web tab tests load: "/page" ("Loop Page": text,
// a link, a picture, a linked picture, words to find and a comment only its
// source shows), "/second", "/untitled", "/slow" (to be held) and the picture
// "/red.png".
class WebPageServer : public LoopbackServer
{
public:
    bool startWithPages()
    {
        if (!start())
            return false;
        setTitledPage(QStringLiteral("/page"), QStringLiteral("Loop Page"),
                      QStringLiteral("<p id='text'>Plain words here</p>"
                                     "<a id='link' href='/target'>Target link</a><br>"
                                     "<img id='image' src='/red.png' width='20' height='20'><br>"
                                     "<a id='linked' href='/target'><img src='/red.png' width='20' height='20'></a>"
                                     "<p>a haystack with a Needle and a needle</p><!-- marker-in-source -->"));
        setTitledPage(QStringLiteral("/second"), QStringLiteral("Second"), QStringLiteral("two"));
        setHtml(QStringLiteral("/untitled"), QStringLiteral("<html><body>no title</body></html>"));
        setTitledPage(QStringLiteral("/slow"), QStringLiteral("Slow"));
        QImage picture(20, 20, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        setPage(QStringLiteral("/red.png"), "image/png", png);
        return true;
    }
};
