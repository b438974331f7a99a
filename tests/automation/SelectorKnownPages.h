#pragma once

#include "LiteralSelectorEngine.h"
#include "SelectorWays.h"

#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "shell/WebKitPageDom.h"

#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

// Pages and selectors on which the engine once gave other answers than the
// selector rules read literally (LiteralSelectorEngine), shared by the
// selector tests that hold the engine to that reading.
namespace knownPages {

inline bool load(QWebView& view, const QString& html)
{
    QSignalSpy spy(view.page(), &QWebPage::loadFinished);
    view.setHtml(html, QUrl(QStringLiteral("http://127.0.0.1/")));
    if (spy.count() == 0 && !spy.wait(10000))
        return false;
    // Laid out before anything is timed.
    view.page()->mainFrame()->documentElement().toPlainText();
    return true;
}

// The engine's answer and the literal one through the same page access,
// with each way of testing texts forced and as the engine weighs them.
inline void compare(QWebView& view, const QString& text)
{
    Vexal::SelectorBuilder builder;
    builder.build(text, QString(), QString());
    QVERIFY2(!builder.error(), qPrintable(text));
    Vexal::WebKitPageDom dom(&view);
    const Vexal::PageElements literal = LiteralSelectorEngine(&dom).find(builder.result());
    QString differs;
    QVERIFY2(selectorWays::find(Vexal::PageDomHandle(dom), builder.result(), differs) == literal, qPrintable(text));
    QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("%1 (%2)").arg(text, differs)));
}

// Every selector on the page, to the first that answers otherwise.
inline void compareAll(const QString& page, const QStringList& selectors)
{
    QWebView view;
    QVERIFY(load(view, page));
    for (const QString& text : selectors) {
        compare(view, text);
        if (QTest::currentTestFailed())
            return;
    }
}

// Text beside a child that the page may lay out apart from it (between
// "open" and "close"), white space before it, within it or after it: DIVs
// three deep, the innermost holding the child; a SPAN and a list item holding
// one, each with a B after it; DIVs nested 100 deep, the innermost holding
// one; after them a DIV holding one that closes the DIV around it.
inline QString apartFromFlow(const char* open, const char* close)
{
    return QStringLiteral("<html><body><p>s</p><div> level 1 <div> level 2 <div> level 3 %1 level 4 %2</div></div></div>"
                          "<div> level 5 <span> level 6%1 level 7 %2level <b>8</b> </span> level 9 </div>"
                          "<ul><li>level 10%1 level 11 %2level <b>12</b></li></ul><div id=\"top\"></div>"
                          "<div><div>more <div>start%1 tail %2x</div></div></div>"
                          "<script>"
                          "var p = document.getElementById('top');"
                          "for (var i = 0; i < 100; ++i) {"
                          "  var d = document.createElement('div');"
                          "  d.innerHTML = i + 1 < 100 ? 'level ' + i + ' ' : 'end%1 tail %2x';"
                          "  p.appendChild(d); p = d; }</script></body></html>")
        .arg(QLatin1String(open), QLatin1String(close));
}

// Texts whose first letter or first line a style changes: hidden, masked,
// given other content or case, in blocks, in the elements that open them and
// in the elements around them, a long one first; then a chain of DIVs 300
// deep, each opening with the text "level i", whose first letters are hidden.
inline QString firstLetters(const char* style)
{
    return QStringLiteral(
               "<html><head><style>%1</style></head><body><p>s</p><p class=\"h\">%2</p>"
               "<p class=\"h\">delta four</p><p>elta four</p><p class=\"h\">elta</p><p class=\"h\">\"(delta\" four</p>"
               "<p class=\"h\"><b>delta</b> four</p><div class=\"h\"><p>delta four</p> five</div>"
               "<div class=\"h\">  <span> delta</span> four</div><p class=\"h\">d</p><p class=\"h\">12 three</p>"
               "<ul><li class=\"h\">delta</li></ul><span class=\"h\">delta</span><p class=\"h\">\u00dfa four</p>"
               "<p class=\"h\">delta<br>four</p><p class=\"h\"><span style=\"display:inline-block\">delta</span></p>"
               "<div id=\"top\"></div><script>"
               "var p = document.getElementById('top');"
               "for (var i = 0; i < 300; ++i) {"
               "  var d = document.createElement('div');"
               "  d.className = 'h';"
               "  d.appendChild(document.createTextNode('level ' + i));"
               "  p.appendChild(d); p = d; }</script></body></html>")
        .arg(QLatin1String(style), QStringLiteral("delta four ").repeated(500));
}

// A child the page may lay out apart from the text (between "open" and
// "close") first in its parent, before the text "rest i": at every level of
// a chain of DIVs 100 deep, and in a DIV and a list item beside it.
inline QString apartFirst(const char* open, const char* close)
{
    return QStringLiteral("<html><body><p>s</p><div>%1le<b>ad</b>%2rest</div><ul><li>%1le<b>ad</b>%2 rest</li></ul>"
                          "<div id=\"top\"></div><script>"
                          "var p = document.getElementById('top');"
                          "for (var i = 0; i < 100; ++i) {"
                          "  var d = document.createElement('div');"
                          "  d.innerHTML = '%1le<b>ad</b>%2rest ' + i + ' ';"
                          "  p.appendChild(d); p = d; }</script></body></html>")
        .arg(QLatin1String(open), QLatin1String(close));
}

// Selectors whose answers turn on the start of a text that opens with such a
// child (apartFirst).
inline QStringList apartFirstSelectors()
{
    return {QStringLiteral("DIV[XTEXT=%\"lea\"]"), QStringLiteral("DIV[XTRIMMED=%\"rest\"]"),
            QStringLiteral("DIV:XCHILD[XTEXT=%\"lea\"]"), QStringLiteral("DIV:XCHILD[XTRIMMED=%\"res\"]"),
            QStringLiteral("B[XLAST=\"0\"]:XPARENT[XTEXT=%\"lead rest\"]"), QStringLiteral("LI[XTEXT=%\"lead\"]"),
            QStringLiteral("DIV[XTEXT=\"leadrest 99 \"]"), QStringLiteral("P:XNEXT[XTEXT=%\"rest\"]")};
}

// Selectors whose answers turn on whether what the text of an element tells
// passes on to the texts around it (apartFromFlow).
inline QStringList apartSelectors()
{
    return {QStringLiteral("DIV[XTRIMMED%%\"level 3level 4\"]"),
            QStringLiteral("DIV[XTEXT%%\"3level\"]"),
            QStringLiteral("DIV[XTRIMMED%%\"level 3 level 4\"]"),
            QStringLiteral("DIV[XTRIMMED=\"level 3level 4\"]"),
            QStringLiteral("DIV[XTEXT!=\"level 3 level 4\"]"),
            QStringLiteral("SPAN:XPARENT[XTEXT%%\"3level\"]"),
            QStringLiteral("B:XPARENT[XTEXT%%\"6level\"]"),
            QStringLiteral("B:XPARENT[XTRIMMED%%\"10level 11\"]"),
            QStringLiteral("B:XPARENT[XTRIMMED%%\"level 6 level 7\"]"),
            QStringLiteral("P:XNEXT[XTEXT%%\"6level\"]"),
            QStringLiteral("DIV:XCHILD[XTEXT%%\"endtail\"]"),
            QStringLiteral("DIV:XCHILD[XTRIMMED%=\"ttail x\"]"),
            QStringLiteral("DIV[XTEXT%%\"endtail\"]"),
            QStringLiteral("DIV:XCHILD[XTEXT%%\"endx\"]"),
            QStringLiteral("DIV[XTRIMMED%%\"end tail\"]"),
            QStringLiteral("DIV[XTRIMMED%=\"tail x\"]"),
            QStringLiteral("DIV[XTEXT=%\"level 98 endtail\"]")};
}

// Selectors whose answers turn on the start of texts (firstLetters).
inline QStringList letterSelectors()
{
    return {QStringLiteral("P[XTEXT=\"elta four\"]"),
            QStringLiteral("P[XTEXT=%\"elta\"]"),
            QStringLiteral("P[XTRIMMED!=\"delta four\"]"),
            QStringLiteral("P[XTEXT=\"elta\"]"),
            QStringLiteral("P[XTEXT%=\"elta\"]"),
            QStringLiteral("P[XTEXT=%\"delta\"]"),
            QStringLiteral("P[XTEXT=%\"d\"||XTEXT=%\"e\"]"),
            QStringLiteral("P[XTRIMMED=\"2 three\"]"),
            QStringLiteral("P[XTEXT=%\"ss\"]"),
            QStringLiteral("P[XTEXT%%\"\u2022\"]"),
            QStringLiteral("B[XTEXT=\"elta\"]"),
            QStringLiteral("B:XPARENT[XTEXT=%\"elta\"]"),
            QStringLiteral("DIV[XTRIMMED=%\"elta\"]"),
            QStringLiteral("SPAN[XTEXT=%\"elta\"]"),
            QStringLiteral("SPAN:XPARENT[XTRIMMED=\"elta four\"]"),
            QStringLiteral("LI[XTEXT=\"elta\"]"),
            QStringLiteral("UL:XCHILD[XTEXT=%\"e\"]"),
            QStringLiteral("P:XNEXT[XTEXT=\"elta four\"]"),
            QStringLiteral("DIV[XTEXT=%\"evel 29\"]"),
            QStringLiteral("DIV[XTRIMMED=\"evel 299\"]"),
            QStringLiteral("DIV[XTEXT%%\"level 150\"]"),
            QStringLiteral("DIV[XLAST=\"0\"]:XPARENT[XTEXT=%\"level 2\"]")};
}

} // namespace knownPages
