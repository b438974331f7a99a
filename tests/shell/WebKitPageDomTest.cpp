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
};

TESVAR_TEST(WebKitPageDomTest)
#include "WebKitPageDomTest.moc"
