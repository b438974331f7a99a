#include "LoopbackServer.h"
#include "TestRunner.h"
#include "MemoryPageDom.h"
#include "TestRows.h"

#include "automation/selector/SelectorLookupText.h"
#include "shell/WebKitPageDom.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>

using namespace Vexal;

namespace {

// Texts ending in "9"; the markup tells when "markupTells" is set. Counts
// what it is asked.
class EndsWithNine : public PageDom::TextTest
{
public:
    bool markupTells = true;
    mutable QStringList markups;
    mutable QStringList texts;

    Answer fromMarkup(const QString& markup) const override
    {
        markups << markup;
        if (!markupTells || markup.contains(QLatin1Char('<')))
            return Unknown;
        return markup.trimmed().endsWith(QLatin1Char('9')) ? Passes : Fails;
    }
    bool passes(const QString& plainText) const override
    {
        texts << plainText;
        return plainText.trimmed().endsWith(QLatin1Char('9'));
    }
};

} // namespace

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
        QVERIFY2(lines.at(0).startsWith(QLatin1String("1011Ux")), qPrintable(lines.join(QLatin1Char('|'))));
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

    void textsTestedInside_data()
    {
        addColumns<bool, bool>("inMemory", "markupTells");
        QTest::newRow("web engine, by markup") << false << true;
        QTest::newRow("web engine, by text") << false << false;
        QTest::newRow("in memory, by markup") << true << true;
        QTest::newRow("in memory, by text") << true << false;
    }

    // Both page accesses test the texts of the elements a query finds inside:
    // the markup first, the text where it cannot tell (and where it is empty,
    // as a void element's is: a hidden one shows the text a script put in);
    // from the first element that holds elements on (its markup shows a tag
    // and the page says it is one), the rest come back untested.
    void textsTestedInside()
    {
        QFETCH(bool, inMemory);
        QFETCH(bool, markupTells);
        QWebView view;
        QVERIFY(load(view, "<html><body><label>a 9</label><label>b</label><input id=\"v\" hidden><label>c 9</label>"
                           "<label><b>d</b> 9</label><label>e 9</label></body></html>"));
        view.page()->mainFrame()->evaluateJavaScript(
            QStringLiteral("document.getElementById('v').appendChild(document.createTextNode('f 9'));"));
        WebKitPageDom web(&view);
        MemoryPageDom memory;
        const int body = memory.add(memory.root(), QStringLiteral("body"));
        memory.addText(memory.add(body, QStringLiteral("label")), QStringLiteral("a 9"));
        memory.addText(memory.add(body, QStringLiteral("label")), QStringLiteral("b"));
        memory.addText(memory.add(body, QStringLiteral("input")), QStringLiteral("f 9"));
        memory.addText(memory.add(body, QStringLiteral("label")), QStringLiteral("c 9"));
        const int holder = memory.add(body, QStringLiteral("label"));
        memory.addText(memory.add(holder, QStringLiteral("b")), QStringLiteral("d"));
        memory.addText(holder, QStringLiteral(" 9"));
        memory.addText(memory.add(body, QStringLiteral("label")), QStringLiteral("e 9"));
        PageDom& dom = inMemory ? static_cast<PageDom&>(memory) : web;
        const PageElement root = dom.selectFirst(dom.documentElement(), QStringLiteral("body"));
        EndsWithNine test;
        test.markupTells = markupTells;
        const PageDom::TestedElements tested = dom.selectByText(root, QStringLiteral("*"), test);
        QCOMPARE(tested.passedAt, QVector<int>({0, 2, 3}));
        QCOMPARE(tested.passed.size(), 3);
        QCOMPARE(tested.passed.at(2).toPlainText(), QStringLiteral("c 9"));
        QCOMPARE(tested.untestedAt, QVector<int>({4, 5, 6}));
        QCOMPARE(tested.untested.at(1).tagName(), QStringLiteral("B"));
        QCOMPARE(test.markups, QStringList({"a 9", "b", "c 9", "<b>d</b> 9"}));
        QCOMPARE(test.texts, markupTells ? QStringList({"f 9"}) : QStringList({"a 9", "b", "f 9", "c 9"}));
    }

    void firstLetterStyles_data()
    {
        addColumns<QString, bool, bool>("style", "hides", "scripts");
        QTest::newRow("none") << "p { color: red }" << false << true;
        QTest::newRow("hidden") << "p::first-letter { visibility: hidden }" << true << true;
        QTest::newRow("none, the page's scripts off") << "p { color: red }" << false << false;
        QTest::newRow("hidden, the page's scripts off") << "p::first-letter { visibility: hidden }" << true << false;
        QTest::newRow("older syntax, in a media rule")
            << "@media screen { div p:first-letter { visibility: collapse } }" << true << true;
        QTest::newRow("shown alone") << "p { visibility: hidden } p::first-letter { visibility: visible }" << true
                                     << true;
        QTest::newRow("masked") << "p::first-letter { -webkit-text-security: disc }" << false << true;
        QTest::newRow("drop capital") << "p::first-letter { float: left; font-size: 3em; text-transform: uppercase }"
                                      << false << true;
        QTest::newRow("first line hidden") << "p::first-line { visibility: hidden }" << false << true;
    }

    // Whether a style of a document may hide the first letter of a block (the
    // text then starts otherwise than its markup), kept per document until
    // the styles are forgotten: the page's script may add one meanwhile.
    // Where a lookup would spare reading a short text only, it may, unlooked
    // at: the text costs less than a look at the styles.
    void firstLetterStyles()
    {
        QFETCH(QString, style);
        QFETCH(bool, hides);
        QFETCH(bool, scripts);
        QWebView view;
        view.page()->settings()->setAttribute(QWebSettings::JavascriptEnabled, scripts);
        QVERIFY(load(view, qPrintable(QStringLiteral("<html><head><style>%1</style></head><body><div><p>delta</p>"
                                                     "</div></body></html>")
                                          .arg(style))));
        WebKitPageDom dom(&view);
        const PageElement p = dom.selectFirst(dom.documentElement(), QStringLiteral("p"));
        QVERIFY(dom.mayHideFirstLetters(p, false));
        lookup::LetterBudget::startTask(dom);
        QVERIFY(lookup::LetterBudget::mayHide(p, 5));
        QCOMPARE(lookup::LetterBudget::mayHide(p, 5000), hides);
        if (!scripts)
            return;
        view.page()->mainFrame()->evaluateJavaScript(
            QStringLiteral("var s = document.createElement('style');"
                           "s.textContent = 'p::first-letter { visibility: hidden }'; document.head.appendChild(s);"));
        QCOMPARE(dom.mayHideFirstLetters(p, false), hides);
        QCOMPARE(lookup::LetterBudget::mayHide(p, 5), hides);
        dom.forgetStyles();
        QVERIFY(dom.mayHideFirstLetters(p, true));
        lookup::LetterBudget::startTask(dom);
        QVERIFY(lookup::LetterBudget::mayHide(p, 5000));
    }

    // A style sheet of another site is closed to the page's script: it may
    // hide first letters. One of the page's own site is read.
    void firstLetterStylesOfAnotherSite()
    {
        LoopbackServer site;
        LoopbackServer other;
        QVERIFY(site.start() && other.start());
        site.setPage(QStringLiteral("/own.css"), "text/css", "p { color: red }");
        other.setPage(QStringLiteral("/other.css"), "text/css", "p { color: blue }");
        const QString page = QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1\"></head>"
                                            "<body><p>delta</p></body></html>");
        site.setHtml(QStringLiteral("/own.html"), page.arg(QStringLiteral("/own.css")));
        site.setHtml(QStringLiteral("/other.html"), page.arg(other.url(QStringLiteral("/other.css")).toString()));
        for (const QString& path : {QStringLiteral("/own.html"), QStringLiteral("/other.html")}) {
            QWebView view;
            QSignalSpy loaded(&view, &QWebView::loadFinished);
            view.load(site.url(path));
            QVERIFY(loaded.wait(10000) || !loaded.isEmpty());
            WebKitPageDom dom(&view);
            QTRY_COMPARE(view.page()->mainFrame()->evaluateJavaScript(
                             QStringLiteral("document.styleSheets.length")).toInt(), 1);
            const PageElement p = dom.selectFirst(dom.documentElement(), QStringLiteral("p"));
            QCOMPARE(dom.mayHideFirstLetters(p, true), path == QLatin1String("/other.html"));
        }
    }
};

TESVAR_TEST(WebKitPageDomTest)
#include "WebKitPageDomTest.moc"
