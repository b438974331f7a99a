#include "TestRunner.h"
#include "LiteralSelectorEngine.h"
#include "SelectorKnownPages.h"

#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "shell/WebKitPageDom.h"

#include <QTest>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

using namespace Vexal;
using namespace knownPages;

namespace {

// Boxes with a style, "%1" pixels across: 0.3, then 1 to 14. Each stands in a
// DIV after the text "size n" and holds words enough to overflow it, ending
// with "n box".
QString sizedBoxes(const char* style)
{
    QString boxes;
    for (int n = 0; n <= 14; ++n) {
        const QString size = n ? QString::number(n) : QStringLiteral("0.3");
        boxes += QStringLiteral("<div>size %1<div style=\"%2\">%3%1 box</div></div>")
                     .arg(size, QString::fromLatin1(style).arg(size), QStringLiteral("word ").repeated(30));
    }
    return QStringLiteral("<html><body><p>s</p><div>%1</div></body></html>").arg(boxes);
}

} // namespace

// The engine against the selector rules read literally where the layout of
// a page decides the texts: what the text of an element tells passes on to
// the texts around it only where it stands whole in them, and a text is what
// the page shows, first letter and first line as their styles write them;
// also once the page's script changed those styles.
class SelectorFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void knownPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("selectors");
        // Children that stay in the text's flow, whose texts pass what they
        // tell on to the texts around them: boxes drawn elsewhere in their
        // place, ruby and its parts, breaking points, phrasing elements beyond
        // the usual few, custom elements, and elements out of the layout,
        // which write nothing.
        const QStringList apart = apartSelectors();
        QTest::newRow("relative child") << apartFromFlow("<span style=\"position:relative\">", "</span>") << apart;
        QTest::newRow("sticky child") << apartFromFlow("<span style=\"position:-webkit-sticky\">", "</span>") << apart;
        QTest::newRow("relative block") << apartFromFlow("<div style=\"position:relative;top:9px\">", "</div>")
                                        << apart;
        QTest::newRow("ruby") << apartFromFlow("<ruby>", "<rt>r</rt></ruby>") << apart;
        QTest::newRow("ruby with parentheses") << apartFromFlow("<ruby>", "<rp>(</rp><rt> r </rt><rp>)</rp></ruby>")
                                               << apart;
        QTest::newRow("ruby annotation alone") << apartFromFlow("<ruby>k<rt>", "</rt></ruby>") << apart;
        QTest::newRow("breaking point") << apartFromFlow("<wbr>", "<wbr>") << apart;
        QTest::newRow("contents") << apartFromFlow("<span style=\"display:contents\">", "</span>") << apart;
        QTest::newRow("quotation") << apartFromFlow("<q>", "</q>") << apart;
        QTest::newRow("isolated, overridden") << apartFromFlow("<bdi>", "</bdi><bdo dir=\"rtl\">o</bdo>") << apart;
        QTest::newRow("custom element") << apartFromFlow("<x-tag>", "</x-tag>") << apart;
        QTest::newRow("script") << apartFromFlow("<script type=\"text/plain\">", "</script>") << apart;
        QTest::newRow("template") << apartFromFlow("<template>", "</template>") << apart;
        // A box of no height or width that clips nothing, or whose padding
        // leaves room, under a pixel too: the page writes what it holds. (A
        // text around it ends with what it holds only where it does.)
        const QStringList held = {QStringLiteral("DIV[XTEXT%%\"level 4\"]"), QStringLiteral("DIV[XTRIMMED%%\"tail\"]"),
                                  QStringLiteral("B:XPARENT[XTEXT%%\"level 7\"]"),
                                  QStringLiteral("DIV[XTRIMMED%=\"level 4\"]")};
        QTest::newRow("no height, shown") << apartFromFlow("<div style=\"height:0\">", "</div>") << held;
        QTest::newRow("no width, padded") << apartFromFlow("<div style=\"overflow:hidden;width:0;padding-left:1px\">",
                                                           "</div>")
                                          << held;
        QTest::newRow("no height, padded") << apartFromFlow("<div style=\"overflow:hidden;height:0;padding:0.2px\">",
                                                            "</div>")
                                           << held;
        // Boxes that scroll, 1 to 14 pixels and under one across, narrower
        // than their scroll bar: the box as laid out holds the scroll bar, and
        // the page writes what it holds.
        const QStringList scrolled = {QStringLiteral("DIV[XTRIMMED%=\"box\"]")};
        QTest::newRow("scroll boxes high") << sizedBoxes("overflow:scroll;height:%1px;white-space:nowrap") << scrolled;
        QTest::newRow("scroll boxes wide") << sizedBoxes("overflow:scroll;width:%1px") << scrolled;
        QTest::newRow("auto boxes high") << sizedBoxes("overflow:auto;height:%1px;white-space:nowrap") << scrolled;
        QTest::newRow("auto boxes wide") << sizedBoxes("overflow:auto;width:%1px;height:30px") << scrolled;
        // Styles of first letters and lines that change what the page shows
        // of a text, or only how.
        const QStringList letters = letterSelectors();
        QTest::newRow("first letter hidden") << firstLetters(".h::first-letter { visibility: hidden }") << letters;
        QTest::newRow("first letter collapsed") << firstLetters(".h:first-letter { visibility: collapse }") << letters;
        QTest::newRow("first letter masked") << firstLetters(".h::first-letter { -webkit-text-security: disc }")
                                            << letters;
        QTest::newRow("first letter upper case") << firstLetters(".h::first-letter { text-transform: uppercase }")
                                                << letters;
        QTest::newRow("first letter content") << firstLetters(".h::first-letter { content: 'Q' }") << letters;
        QTest::newRow("first letter spaced") << firstLetters(".h::first-letter { white-space: pre }") << letters;
        QTest::newRow("first letter dropped") << firstLetters(".h::first-letter { float: left; font-size: 3em }")
                                             << letters;
        QTest::newRow("first line") << firstLetters(".h::first-line { text-transform: uppercase; visibility: hidden;"
                                                    " -webkit-text-security: disc }")
                                    << letters;
    }

    void knownPages()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, selectors);
        compareAll(page, selectors);
    }

    // The styles that decide the answers changed by the page's script after
    // it loaded, between two lookups through the same page access: what one
    // lookup worked out of the styles is not taken for the next.
    void restyled_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("selectors");
        QTest::addColumn<QString>("script");
        const QString restyle = QStringLiteral("var all = document.querySelectorAll('.s');"
                                               "for (var i = 0; i < all.length; ++i) all[i].style.cssText = '%1';");
        QTest::newRow("relative made absolute")
            << apartFromFlow("<span class=\"s\" style=\"position:relative\">", "</span>") << apartSelectors()
            << restyle.arg(QLatin1String("position:absolute"));
        QTest::newRow("absolute made relative")
            << apartFromFlow("<span class=\"s\" style=\"position:absolute\">", "</span>") << apartSelectors()
            << restyle.arg(QLatin1String("position:relative"));
        QTest::newRow("hidden shown as a block")
            << apartFromFlow("<span class=\"s\" style=\"display:none\">", "</span>") << apartSelectors()
            << restyle.arg(QLatin1String("display:inline-block"));
        QTest::newRow("first letters hidden by a new style")
            << firstLetters("") << letterSelectors()
            << QStringLiteral("var style = document.createElement('style');"
                              "style.textContent = '.h::first-letter { visibility: hidden }';"
                              "document.head.appendChild(style);");
        QTest::newRow("first letters hidden by a style changed")
            << firstLetters(".h::first-letter { color: red }") << letterSelectors()
            << QStringLiteral("document.styleSheets[0].cssRules[0].style.visibility = 'hidden';");
    }

    void restyled()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, selectors);
        QFETCH(QString, script);
        QWebView view;
        QVERIFY(load(view, page));
        WebKitPageDom dom(&view);
        for (int round = 0; round < 2; ++round) {
            if (round == 1)
                view.page()->mainFrame()->evaluateJavaScript(script);
            for (const QString& text : selectors) {
                SelectorBuilder builder;
                builder.build(text, QString(), QString());
                QString differs;
                const QString when = round ? QStringLiteral("restyled") : QStringLiteral("as loaded");
                QVERIFY2(selectorWays::find(PageDomHandle(dom), builder.result(), differs)
                             == LiteralSelectorEngine(&dom).find(builder.result()),
                         qPrintable(QStringLiteral("%1 (%2)").arg(text, when)));
                QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("%1 (%2, %3)").arg(text, when, differs)));
            }
        }
    }
};

TESVAR_TEST(SelectorFlowTest)
#include "SelectorFlowTest.moc"
