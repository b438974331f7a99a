#pragma once

#include "FreshStateTest.h"
#include "LoopbackServer.h"
#include "core/ConstCore.h"
#include "shell/WidSearchBar.h"
#include "shell/WidTabManager.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

// Base of the web view and web tab tests. The loopback server serves "/page"
// ("Loop Page": text, a link, a picture, a linked picture, words to find and a
// comment only its source shows), "/second", "/untitled", "/slow" (to be held)
// and the picture "/red.png". Each function starts keeping no history (those
// with a database turn it on) and ends with nothing held and no tab factory.
class WebPageTest : public FreshStateTest
{
    Q_OBJECT

protected:
    LoopbackServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_server.setTitledPage(QStringLiteral("/page"), QStringLiteral("Loop Page"),
                               QStringLiteral("<p id='text'>Plain words here</p>"
                                              "<a id='link' href='/target'>Target link</a><br>"
                                              "<img id='image' src='/red.png' width='20' height='20'><br>"
                                              "<a id='linked' href='/target'><img src='/red.png' width='20' height='20'></a>"
                                              "<p>a haystack with a Needle and a needle</p><!-- marker-in-source -->"));
        m_server.setTitledPage(QStringLiteral("/second"), QStringLiteral("Second"), QStringLiteral("two"));
        m_server.setHtml(QStringLiteral("/untitled"), QStringLiteral("<html><body>no title</body></html>"));
        m_server.setTitledPage(QStringLiteral("/slow"), QStringLiteral("Slow"));
        QImage picture(20, 20, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        m_server.setPage(QStringLiteral("/red.png"), "image/png", png);
    }

    void init()
    {
        reset();
        keepNoHistory();
    }

    void cleanup()
    {
        m_server.release();
        Vexal::WidTabManager::setWebTabFactory(nullptr);
        Vexal::WidSearchBar::setCurrentEngine(Vexal::ConstCore::EngineWeb);
        reset();
    }
};
