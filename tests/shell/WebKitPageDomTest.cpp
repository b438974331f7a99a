#include "LoopbackServer.h"
#include "TestRunner.h"

#include "shell/WebKitPageDom.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

using namespace Vexal;

// The page access over the web engine: what the selector engine counts on
// beyond the engine's own calls.
class WebKitPageDomTest : public QObject
{
    Q_OBJECT

    static bool load(QWebView& view, const char* html)
    {
        QSignalSpy spy(view.page(), &QWebPage::loadFinished);
        view.setHtml(QString::fromLatin1(html), QUrl(QStringLiteral("http://127.0.0.1/")));
        return spy.count() > 0 || spy.wait(10000);
    }

private slots:
    // The page script of ":/res/res/dom.js" describes every element of a
    // subtree, one line each; without it texts on deep pages are read one by
    // one and the lookup slows down by orders of magnitude.
    void describesEveryElement()
    {
        QWebView view;
        QVERIFY(load(view, "<html><body><div id=\"d\">x<b>y</b><span>z<i>w</i></span></div></body></html>"));
        WebKitPageDom dom(&view);
        const PageElement div = dom.wrap(view.page()->mainFrame()->findFirstElement(QStringLiteral("#d")));
        const QStringList lines = dom.describeTexts(div, 3, true, true);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines.at(0).startsWith(QLatin1String("101Ux")), qPrintable(lines.join(QLatin1Char('|'))));
    }

    void elementsAndFrames()
    {
        QWebView view;
        QVERIFY(load(view, "<html><body><p id=\"p\"><b id=\"b\"></b></p><i id=\"i\"></i>"
                           "<iframe id=\"f\" srcdoc=\"<iframe id='g' srcdoc='<b>in</b>'></iframe>\"></iframe>"
                           "</body></html>"));
        QTRY_COMPARE(view.page()->mainFrame()->childFrames().size(), 1);
        QTRY_COMPARE(view.page()->mainFrame()->childFrames().at(0)->childFrames().size(), 1);
        WebKitPageDom dom(&view);
        const PageElement html = dom.documentElement();
        QCOMPARE(dom.select(html, QStringLiteral("html, body, b")).size(), 2);
        // One element handed out twice is one element.
        const PageElement b = dom.selectFirst(html, QStringLiteral("b"));
        QCOMPARE(b.parent().firstChild(), b);
        const PageElement i = dom.selectFirst(html, QStringLiteral("#i"));
        QVERIFY(dom.withinParentOf(b, b));
        QVERIFY(!dom.withinParentOf(b, i));
        QVERIFY(dom.withinParentOf(i, b));
        // A frame of a frame only when asked for.
        const PageElement f = dom.selectFirst(html, QStringLiteral("#f"));
        const PageElement inner = dom.frameDocument(f, false);
        QVERIFY(!inner.isNull());
        const PageElement g = dom.selectFirst(inner, QStringLiteral("#g"));
        QVERIFY(dom.frameDocument(g, false).isNull());
        QCOMPARE(dom.frameDocument(g, true).toPlainText(), QStringLiteral("in"));
        QCOMPARE(dom.frameDocuments(html).size(), 1);
        // Elements of another access name nothing here.
        WebKitPageDom other(&view);
        QVERIFY(dom.parent(other.documentElement()).isNull());
        QVERIFY(b != other.wrap(view.page()->mainFrame()->findFirstElement(QStringLiteral("b"))));
    }

    // A document's own markup and frame: the IFRAME that shows it, the
    // address it was asked for, its site and whether it is edited whole.
    void documentsAndTheirFrames()
    {
        LoopbackServer site;
        LoopbackServer other;
        QVERIFY(site.start() && other.start());
        site.setHtml(QStringLiteral("/inner.html"), QStringLiteral("<html><body><i id=\"i\">x</i></body></html>"));
        other.setHtml(QStringLiteral("/inner.html"), QStringLiteral("<html><body>y</body></html>"));
        site.setHtml(QStringLiteral("/page.html"),
                     QStringLiteral("<html><body><p id=\"p\" class=\"c\">a<b>b</b><br></p>"
                                    "<iframe id=\"same\" src=\"/inner.html\"></iframe>"
                                    "<iframe id=\"foreign\" src=\"%1\"></iframe><iframe id=\"editor\"></iframe>"
                                    "<script>document.getElementById('editor').contentDocument.designMode = 'on';"
                                    "</script></body></html>")
                         .arg(other.url(QStringLiteral("/inner.html")).toString()));
        QWebView view;
        QSignalSpy loaded(&view, &QWebView::loadFinished);
        view.load(site.url(QStringLiteral("/page.html")));
        QVERIFY(loaded.wait(10000) || !loaded.isEmpty());
        WebKitPageDom dom(&view);
        const PageElement html = dom.documentElement();
        QTRY_COMPARE(dom.frameDocuments(html).size(), 3);
        QTRY_VERIFY(!dom.selectFirst(dom.frameDocuments(html).at(0), QStringLiteral("#i")).isNull());

        const PageElement p = dom.selectFirst(html, QStringLiteral("#p"));
        QCOMPARE(dom.outerMarkup(p), QStringLiteral("<p id=\"p\" class=\"c\">a<b>b</b><br></p>"));
        QCOMPARE(dom.markup(p), QStringLiteral("a<b>b</b><br>"));
        QCOMPARE(dom.documentOf(p.firstChild()), html);

        QMap<QString, PageElement> documents;
        for (const PageElement& document : dom.frameDocuments(html))
            documents.insert(dom.frameElement(document).attribute(QStringLiteral("id")), document);
        QCOMPARE(documents.keys(), (QStringList{"editor", "foreign", "same"}));
        QVERIFY(dom.frameElement(html).isNull());
        const PageElement i = dom.selectFirst(documents.value(QStringLiteral("same")), QStringLiteral("#i"));
        QCOMPARE(dom.documentOf(i), documents.value(QStringLiteral("same")));

        QCOMPARE(dom.frameUrl(html), site.url(QStringLiteral("/page.html")));
        QCOMPARE(dom.frameUrl(documents.value(QStringLiteral("same"))), site.url(QStringLiteral("/inner.html")));
        QVERIFY(dom.frameUrl(documents.value(QStringLiteral("editor"))).isEmpty()
                || dom.frameUrl(documents.value(QStringLiteral("editor"))).scheme() == QLatin1String("about"));
        const QString origin = dom.frameOrigin(html);
        QCOMPARE(origin, QStringLiteral("http://127.0.0.1:%1").arg(site.port()));
        QCOMPARE(dom.frameOrigin(documents.value(QStringLiteral("same"))), origin);
        QCOMPARE(dom.frameOrigin(documents.value(QStringLiteral("foreign"))),
                 QStringLiteral("http://127.0.0.1:%1").arg(other.port()));

        QVERIFY(dom.isDesignMode(documents.value(QStringLiteral("editor"))));
        QVERIFY(!dom.isDesignMode(documents.value(QStringLiteral("same"))));
        QVERIFY(!dom.isDesignMode(html));
    }
};

TESVAR_TEST(WebKitPageDomTest)
#include "WebKitPageDomTest.moc"
