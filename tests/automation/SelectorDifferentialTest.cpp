#include "TestRunner.h"
#include "LiteralSelectorEngine.h"
#include "SelectorPageGenerator.h"
#include "SelectorKnownPages.h"

#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "automation/selector/SelectorLookupText.h"
#include "shell/WebKitPageDom.h"

#include <QSignalSpy>
#include <QWebElement>
#include <QTest>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

using namespace Vexal;
using namespace knownPages;

namespace {

// Nested SPANs whose texts a script sets: the selectors of the next-element
// step that once took a time growing with the square of the depth.
QString nestedSpans(int depth, const char* text)
{
    return QStringLiteral("<html><body><p>s</p><div id=\"top\"></div><script>"
                          "var p = document.getElementById('top');"
                          "for (var i = 0; i < %1; ++i) {"
                          "  var s = document.createElement('span');"
                          "  var t = %2;"
                          "  if (t) s.appendChild(document.createTextNode(t));"
                          "  p.appendChild(s); p = s; }</script></body></html>")
        .arg(depth)
        .arg(QLatin1String(text));
}

// A paragraph, then DIVs nested so deep, each with the text "level i" but
// the innermost, which shows "x".
QString nestedDivs(int depth)
{
    return QStringLiteral("<html><body><p>s</p><div id=\"top\"></div><script>"
                          "var p = document.getElementById('top');"
                          "for (var i = 0; i < %1; ++i) {"
                          "  var d = document.createElement('div');"
                          "  d.appendChild(document.createTextNode(i + 1 == %1 ? 'x' : 'level ' + i));"
                          "  p.appendChild(d); p = d; }</script></body></html>")
        .arg(depth);
}

// Pages for the growth checks, of a size: a chain of nested DIVs
// (nestedDivs); such a chain whose levels each hold, before the next level, a
// SPAN out of the layout with a text and an element of its own, for "hidden
// holding positioned" and "hidden holding floated" an element that would
// stand apart from the flow where it was shown, and for "clipped beside" a
// box that clips what it holds to no height instead; a form of rows (a quarter as
// many), each a DIV holding a LABEL ("Field i"), a SPAN and an INPUT, and for
// "form ending apart" a line break after the rows.
QString growthPage(const QString& kind, int size)
{
    if (kind.startsWith(QLatin1String("hidden")) || kind.startsWith(QLatin1String("clipped"))) {
        const QString inner = kind.endsWith(QLatin1String("positioned")) ? QStringLiteral(" style=\"position:absolute\"")
            : kind.endsWith(QLatin1String("floated"))                    ? QStringLiteral(" style=\"float:left\"")
                                                                         : QString();
        return QStringLiteral("<html><body><p>s</p><div id=\"top\"></div><script>"
                              "var p = document.getElementById('top');"
                              "for (var i = 0; i < %1; ++i) {"
                              "  var d = document.createElement('div');"
                              "  d.innerHTML = i + 1 == %1 ? 'x'"
                              "    : 'level ' + i + '<%3>h<b%2>i</b> d</span>';"
                              "  p.appendChild(d); p = d; }</script></body></html>")
            .arg(size)
            .arg(inner, kind.startsWith(QLatin1String("clipped"))
                            ? QStringLiteral("span style=\"display:block;overflow:hidden;height:0\"")
                            : QStringLiteral("span style=\"display:none\""));
    }
    if (kind.startsWith(QLatin1String("form")))
        return QStringLiteral("<html><body><form id=\"f\"></form><script>"
                              "var h = '';"
                              "for (var i = 0; i < %1; ++i)"
                              "  h += '<div><label>Field ' + i + '</label><span>*</span><input name=\"f' + i + '\"></div>';"
                              "document.getElementById('f').innerHTML = h + '%2';</script></body></html>")
            .arg(size / 4)
            .arg(kind.endsWith(QLatin1String("apart")) ? QStringLiteral("<br>") : QString());
    return nestedDivs(size);
}

// A page with every seventh element (from one the seed picks) made a box
// that clips what it holds to no height, width or maximum height.
QString clipped(QString page, quint32 seed)
{
    static const char* const sizes[] = {"height:0", "width:0", "max-height:0"};
    return page.replace(QLatin1String("</body>"),
                        QStringLiteral("<script>var all = document.body.getElementsByTagName('*');"
                                       "for (var i = %1; i < all.length; i += 7)"
                                       "  all[i].style.cssText += ';overflow:hidden;%2';</script></body>")
                            .arg(seed % 7)
                            .arg(QLatin1String(sizes[seed % 3])));
}

// The time the lookups' budgets (TextBudget) see while work is counted: a
// read takes 200 ns, 2 ns a character and 100 ns an element it goes through,
// a run of the page's script what the budgets take runs to cost at first.
// The lookups then weigh reads against runs alike on every run of the test,
// and a busy machine cannot sway what they do.
qint64 countedNs = 0;

struct CountedClock {
    CountedClock() { lookup::TextBudget::setClock([] { return countedNs; }); }
    ~CountedClock() { lookup::TextBudget::setClock({}); }
};

// The page access of a view that counts the work a lookup asks of the page:
// the elements it hands out, the elements whose texts it works out at once,
// the elements each read of a text goes through (the element and all inside
// it), and the characters of the texts and markup it reads, a thousand of
// them weighing as one element. Counted, so that a busy machine cannot sway
// it: texts read one by one that hold one another grow with the square of
// the page. (The time is the benchmark's.) The texts of a query's elements
// are tested through the same calls.
class WorkCountingPageDom final : public WebKitPageDom
{
public:
    using WebKitPageDom::WebKitPageDom;

    qint64 work() const { return madeElements() + m_described + m_goneThrough + m_characters / 1000; }
    // The texts read one by one.
    qint64 reads() const { return m_reads; }

    QString plainText(const PageElement& element) override
    {
        // As many elements as the markup inside opens.
        const QString inner = WebKitPageDom::markup(element);
        qint64 elements = 1;
        for (int i = inner.indexOf(QLatin1Char('<')); i >= 0 && i + 1 < inner.size();
             i = inner.indexOf(QLatin1Char('<'), i + 1))
            elements += inner.at(i + 1).isLetter() ? 1 : 0;
        m_goneThrough += elements;
        ++m_reads;
        countedNs += 100 * elements;
        return counted(WebKitPageDom::plainText(element));
    }
    QString markup(const PageElement& element) override { return counted(WebKitPageDom::markup(element)); }
    QStringList describeTexts(const PageElement& root, int limit, bool pieces, bool rootShown) override
    {
        const QStringList lines = WebKitPageDom::describeTexts(root, limit, pieces, rootShown);
        m_described += lines.size();
        countedNs += lookup::TextBudget::wholeRun + lookup::TextBudget::firstPerElement * lines.size();
        return lines;
    }
    TestedElements selectByText(const PageElement& root, const QString& selector, const TextTest& test) override
    {
        return PageDom::selectByText(root, selector, test);
    }

private:
    QString counted(const QString& text)
    {
        m_characters += text.size();
        countedNs += 200 + 2 * text.size();
        return text;
    }

    qint64 m_described = 0;
    qint64 m_characters = 0;
    qint64 m_goneThrough = 0;
    qint64 m_reads = 0;
};

} // namespace

// The engine against the selector rules read literally (LiteralSelectorEngine):
// the same elements in the same order for every selector; and how the cost of
// steps that once grew with the square of the page grows.
class SelectorDifferentialTest : public QObject
{
    Q_OBJECT

private slots:
    // Random trees with deep chains, texts split over inline elements, hidden,
    // masked and restyled levels, texts that a script put into void elements;
    // then such pages with every seventh element a box clipped to no size.
    void generatedPages()
    {
        for (quint32 seed = 1; seed <= 32; ++seed) {
            SelectorPageGenerator generator(seed);
            QWebView view;
            QVERIFY(load(view, seed <= 16 ? generator.page(150, 60) : clipped(generator.page(150, 60), seed)));
            for (int i = 0; i < 40; ++i) {
                compare(view, generator.selector());
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    void knownPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("selectors");
        const QStringList next = {QStringLiteral("SPAN:XNEXT[XTEXT=\"x\"]"),
                                  QStringLiteral("SPAN:XNEXT[XTRIMMED=%\"x\"]"),
                                  QStringLiteral("SPAN:XNEXT[XTEXT%%\"x\"]"),
                                  QStringLiteral("SPAN[XFIRST=\"0\"]:XCHILD:XNEXT[XTEXT=\"x\"]"),
                                  QStringLiteral("SPAN[XFIRST=\"0\"]:XCHILD:XNEXT[XTEXT=%\"x\"]")};
        QTest::newRow("x innermost") << nestedSpans(100, "i + 1 == 100 ? 'x' : ''") << next;
        QTest::newRow("x everywhere") << nestedSpans(100, "'x'") << next;
        QTest::newRow("x and y") << nestedSpans(100, "i % 2 ? 'x' : 'y'") << next;
        QTest::newRow("texts in void elements")
            << QStringLiteral("<html><body><form><input id=\"a\"><hr id=\"b\"><input type=\"hidden\" id=\"c\">"
                              "<span>x</span><br id=\"d\"><img id=\"e\"></form><script>"
                              "['a', 'b', 'c', 'd', 'e'].forEach(function (id) {"
                              "  document.getElementById(id).appendChild(document.createTextNode('x')); });"
                              "</script></body></html>")
            << QStringList{QStringLiteral("INPUT[XTEXT=\"x\"]"), QStringLiteral("HR[XTRIMMED%%\"x\"]"),
                           QStringLiteral("FORM:XCHILD[XTEXT!=\"x\"]"), QStringLiteral("BR[XTEXT=%\"x\"]"),
                           QStringLiteral("IMG[XTEXT%=\"x\"]"), QStringLiteral("SPAN:XNEXT[XTEXT=\"x\"]"),
                           QStringLiteral("FORM:XCHILD[XTRIMMED=\"x\"]:XSIBLING[XTEXT=\"x\"]")};
        // Form rows the next-element step answers in one pass over the page:
        // fields before the first label, inside a label, in the next table
        // cell, several labels waiting for one field at different depths;
        // elements whose next element is the one after them, of the same name.
        QTest::newRow("labels and fields") << QStringLiteral(
            "<html><body><input id=\"i0\"><form><div><label>a</label><span>*</span><input id=\"i1\"></div>"
            "<div><label>b <input id=\"i2\"></label></div><table><tr><td><input type=\"checkbox\" "
            "id=\"c1\"><label>c</label></td>"
            "<td><input id=\"i3\"></td></tr><tr><td><label>d</label><label>e</label></td><td><input id=\"i4\">"
            "</td></tr></table><div><input id=\"h1\"><label>f</label><p><label>g</label></p><input id=\"i5\">"
            "<input id=\"i6\">"
            "</div><div><p><label>h</label></p><label class=\"a\">i</label><input id=\"i7\"></div><label>j</label>"
            "<div><input id=\"i8\"></div><div><label class=\"a\">k</label><label>l</label>"
            "<input type=\"checkbox\" id=\"i9\"></div><div class=\"a\"></div><div class=\"a\"><label class=\"a\">n</label>"
            "<label class=\"a\">o</label></div><div class=\"a\"></div><div></div></form><label>m</label></body></html>")
                                           << QStringList{
                                                  QStringLiteral("LABEL:XNEXT[XNAME=\"INPUT\"]"),
                                                  QStringLiteral("LABEL[class=\"a\"]:XNEXT[XNAME=\"INPUT\"]"),
                                                  QStringLiteral("LABEL:XNEXT[XNAME=\"INPUT\"&&type=\"checkbox\"]"),
                                                  QStringLiteral("INPUT:XNEXT[XNAME=\"LABEL\"]"),
                                                  QStringLiteral("P:XNEXT[XNAME=\"INPUT\"]"),
                                                  QStringLiteral("LABEL:XNEXT[XNAME=\"LABEL\"]"),
                                                  QStringLiteral("INPUT:XNEXT[XNAME=\"INPUT\"]"),
                                                  QStringLiteral("DIV[class=\"a\"]:XNEXT[XNAME=\"DIV\"]"),
                                                  QStringLiteral("LABEL[class=\"a\"]:XNEXT[class=\"a\"]"),
                                                  QStringLiteral("LABEL:XNEXT"),
                                                  QStringLiteral("INPUT:XPARENT[XTEXT%%\"b\"]"),
                                                  QStringLiteral("INPUT:XPARENT[XTRIMMED!=\"d\"]")};
        // Texts of elements that hold none, many of them, as forms have: what
        // their markup shows against what the page shows of them.
        QTest::newRow("texts of elements holding none")
            << QStringLiteral(
                   "<html><head><style>.up { text-transform: uppercase } .low { text-transform: lowercase }"
                   ".cap { text-transform: capitalize } .hid { visibility: hidden } .none { display: none }"
                   ".mask { -webkit-text-security: disc } .pre { white-space: pre } .before::before { content: 'x' }"
                   ".after::after { content: ' 9' }</style></head><body><form id=\"f\">"
                   "<label>Field 9</label><label>  Field  19 </label><label class=\"up\">field 29</label>"
                   "<label class=\"up\">stra\u00dfe 9</label><label class=\"low\">FIELD 39</label>"
                   "<label class=\"cap\">field x9</label><label class=\"hid\">Field 49</label>"
                   "<label class=\"none\">Field 59</label><label class=\"mask\">Field 69</label>"
                   "<label class=\"pre\">  Field   79  </label><label class=\"before\">Field 8</label>"
                   "<label class=\"after\">Field</label><label>Field&nbsp;9</label><label>Field &amp; 9</label>"
                   "<label>&lt;9&gt;</label><label>Field\t9\n</label><label>\u017ftate 9</label>"
                   "<label>\u212aey 9</label><label>\u03a3\u0391\u03a3 9</label><label><b>Field</b> 99</label>"
                   "<label>Field 109</label><label>Field<br>9</label><label>Field 119</label>"
                   "<label>x<label>Field 9</label></label><label>Field 129</label><textarea>Field 9</textarea>"
                   "<select><option>Field 9</option><option>ss</option></select><template id=\"t\">Field 9</template>"
                   "<input id=\"v\"><label>Field 139</label></form><script>"
                   "document.getElementById('t').appendChild(document.createTextNode('zz 9'));"
                   "document.getElementById('v').appendChild(document.createTextNode('Field 9'));</script>"
                   "</body></html>")
            << QStringList{QStringLiteral("LABEL[XTRIMMED%=\"9\"]"), QStringLiteral("LABEL[XTEXT%=\"9\"]"),
                           QStringLiteral("LABEL[XTEXT=\"Field 9\"]"), QStringLiteral("LABEL[XTRIMMED=\"FIELD 9\"]"),
                           QStringLiteral("LABEL[XTEXT!=\"Field 9\"]"), QStringLiteral("LABEL[XTRIMMED!=\"field 49\"]"),
                           QStringLiteral("LABEL[XTEXT%%\"ss\"]"), QStringLiteral("LABEL[XTRIMMED=%\"state\"]"),
                           QStringLiteral("LABEL[XTEXT%%\"KEY\"]"), QStringLiteral("LABEL[XTEXT%%\"\u03c3\u03b1\u03c2\"]"),
                           QStringLiteral("LABEL[XTEXT=%\" \"]"), QStringLiteral("LABEL[XTEXT%%\"x\"]"),
                           QStringLiteral("LABEL[XTEXT%%\"field 9\"]"), QStringLiteral("LABEL[XTEXT%%\"<9\"]"),
                           QStringLiteral("LABEL[XTRIMMED=%\"field\"||XTEXT%%\"&\"]"),
                           QStringLiteral("LABEL[class=\"up\"&&XTRIMMED%=\"9\"]"),
                           QStringLiteral("LABEL[XTEXT%%\"field\"&&XTRIMMED!=\"field 9\"]"),
                           QStringLiteral("LABEL[XTEXT%=\"9\"]:XNEXT[XNAME=\"LABEL\"]"),
                           QStringLiteral("FORM:LABEL[XTRIMMED%=\"9\"]"), QStringLiteral("TEXTAREA[XTEXT=\"field 9\"]"),
                           QStringLiteral("OPTION[XTRIMMED=\"SS\"]"), QStringLiteral("INPUT[XTEXT=\"Field 9\"]"),
                           QStringLiteral("TEMPLATE[XTEXT%%\"zz\"]"), QStringLiteral("TEMPLATE[XTEXT=\"Field 9\"]"),
                           QStringLiteral("FORM:XCHILD[XTEXT%%\"zz\"]"), QStringLiteral("FORM:XCHILD[XTRIMMED!=\"zz 9\"]")};
        // Upper-case letters, the first of the alphabet too, in texts read
        // while the shapes of the texts around them are worked out: a chain
        // of DIVs 300 deep, each with the text " x Alpha i", under texts of
        // other cases.
        QTest::newRow("upper case") << QStringLiteral(
            "<html><body><p>s</p><div>ALPHA <b>Alpha</b> alpha</div><div id=\"top\"></div><script>"
            "var p = document.getElementById('top');"
            "for (var i = 0; i < 300; ++i) {"
            "  var d = document.createElement('div');"
            "  d.appendChild(document.createTextNode(' x Alpha ' + i + ' '));"
            "  p.appendChild(d); p = d; }</script></body></html>")
                                    << QStringList{QStringLiteral("DIV[XTEXT%%\" alpha\"]"),
                                                   QStringLiteral("DIV[XTEXT%%\" ALPHA 29\"]"),
                                                   QStringLiteral("DIV[XTRIMMED%%\"a 299\"]"),
                                                   QStringLiteral("DIV:XCHILD[XTEXT%%\" alpha\"]"),
                                                   QStringLiteral("B:XPARENT[XTEXT%%\"a alpha\"]")};
        // Parent steps after parent steps: each element stands in the list
        // many times over, and its ancestors are tested again for each,
        // beside children laid out apart, hidden and in flow.
        QTest::newRow("ancestors met again")
            << QStringLiteral("<html><body><div>a1 <div>b2 <p>c3</p><span style=\"position:absolute\">d4 <p>e5</p>"
                              "</span><div style=\"display:none\">f6 <p>g7</p></div><div>h8 <p>i9</p> <b>j1</b>"
                              "</div></div> k2</div><p>l3</p></body></html>")
            << QStringList{QStringLiteral("P:XPARENT:XPARENT[XTEXT%%\"c3\"]"),
                           QStringLiteral("P:XPARENT:XPARENT[XTRIMMED=%\"a1\"||XTEXT%%\"i9\"]"),
                           QStringLiteral("P:XPARENT:XPARENT[XTEXT!=\"x\"&&XTRIMMED%=\"k2\"]"),
                           QStringLiteral("P:XPARENT:XPARENT:XPARENT[XTEXT%%\"d4\"&&XTEXT%%\"e5\"]"),
                           QStringLiteral("B:XPARENT:XPARENT[XFIRST=\"0\"||XTEXT%%\"g7\"]"),
                           QStringLiteral("P:XPARENT:XNEXT[XTEXT%%\"j1\"]")};
        // Elements in the documents of two frames: the search from each
        // works out or reads its own document, not the first one's.
        const QString framed = QStringLiteral("<p>a</p><div><span>y</span><span>x</span></div>");
        QTest::newRow("next in two frames")
            << QStringLiteral("<html><body><iframe srcdoc=\"%1\"></iframe><iframe srcdoc=\"%1\"></iframe></body></html>")
                   .arg(framed)
            << QStringList{QStringLiteral("IFRAME:P:XNEXT[XTEXT=\"x\"]")};
        // The text of an element stands whole in the texts around it only
        // where it flows with them: a child the page lays out apart from the
        // text beside it changes the white space there, seen from within or
        // from without.
        const QStringList apart = apartSelectors();
        QTest::newRow("positioned child") << apartFromFlow("<span style=\"position:absolute\">", "</span>") << apart;
        QTest::newRow("fixed child") << apartFromFlow("<span style=\"position:fixed\">", "</span>") << apart;
        QTest::newRow("floated child") << apartFromFlow("<span style=\"float:left\">", "</span>") << apart;
        QTest::newRow("inline block child") << apartFromFlow("<span style=\"display:inline-block\">", "</span>")
                                           << apart;
        QTest::newRow("table cell child") << apartFromFlow("<span style=\"display:table-cell\">", "</span>") << apart;
        QTest::newRow("table child") << apartFromFlow("<table><tr><td>", "</td></tr></table>") << apart;
        QTest::newRow("inline flex child") << apartFromFlow("<span style=\"display:inline-flex\">", "</span>")
                                          << apart;
        QTest::newRow("flex child") << apartFromFlow("<div style=\"display:flex\">", "</div>") << apart;
        QTest::newRow("grid child") << apartFromFlow("<span style=\"display:inline-grid\">", "</span>") << apart;
        QTest::newRow("line break") << apartFromFlow("<br>", "") << apart;
        QTest::newRow("preformatted child") << apartFromFlow("<pre>", "</pre>") << apart;
        QTest::newRow("hidden child") << apartFromFlow("<span style=\"display:none\">", "</span>") << apart;
        QTest::newRow("invisible child") << apartFromFlow("<span style=\"visibility:hidden\">", "</span>") << apart;
        // A box that clips what overflows it to no height or width: the page
        // writes nothing of what it holds, but for what is positioned out of
        // it, neither in its own text nor in the texts around it.
        QTest::newRow("clipped to no height") << apartFromFlow("<div style=\"overflow:hidden;height:0\">", "</div>")
                                              << apart;
        QTest::newRow("clipped to no width") << apartFromFlow("<div style=\"overflow:hidden;width:0\">", "</div>")
                                             << apart;
        QTest::newRow("clipped by a maximum") << apartFromFlow("<div style=\"overflow-y:auto;max-height:0\">", "</div>")
                                              << apart;
        // A clipped paragraph or heading keeps the line breaks of its kind,
        // as one with a text does; a clipped DIV writes what an empty one does.
        QTest::newRow("clipped paragraph and heading")
            << QStringLiteral("<html><body><div>a<p style=\"overflow:hidden;height:0\">b</p>c</div>"
                              "<div>a<h2 style=\"overflow:hidden;height:0\">b</h2>c</div>"
                              "<div>a<div style=\"overflow:hidden;height:0\">b</div>c</div></body></html>")
            << QStringList{QStringLiteral("DIV[XTEXT=\"a\n\nc\"]"), QStringLiteral("DIV[XTEXT=\"a\nc\"]"),
                           QStringLiteral("DIV[XTEXT%%\"a\n\n\"]")};
        // Turned, a box of no height is drawn across more than none.
        QTest::newRow("clipped in a turned box")
            << QStringLiteral("<html><body><p>s</p><div>level 3<div style=\"transform:rotate(30deg)\">"
                              "<div style=\"overflow:hidden;height:0\">level <b>4</b></div></div></div></body></html>")
            << QStringList{QStringLiteral("DIV[XTEXT=%\"level\"]"), QStringLiteral("DIV[XTRIMMED%=\"4\"]")};
        QTest::newRow("clipped, positioned inside")
            << apartFromFlow("<div style=\"overflow:hidden;height:0\">a<b style=\"position:absolute\">p <i>q</i></b>",
                             "</div>")
            << apart;
        QTest::newRow("clipped box holding elements")
            << QStringLiteral("<html><body><p>s</p><div style=\"overflow:hidden;height:0\"><span><b></b></span>level 4"
                              "</div><div>level 5 <div style=\"overflow:hidden;width:0\"><b>level</b> 6</div></div>"
                              "</body></html>")
            << QStringList{QStringLiteral("B:XPARENT[XTEXT%%\"4\"]"), QStringLiteral("DIV[XTEXT%%\"level\"]"),
                           QStringLiteral("SPAN:XPARENT[XTRIMMED=\"level 4\"]"),
                           QStringLiteral("B:XPARENT[XTRIMMED%=\"6\"]"), QStringLiteral("P:XNEXT[XTEXT%%\"4\"]"),
                           QStringLiteral("BODY:XCHILD[XTEXT=%\"level\"]")};
        // Such a child first in its parent: the text opens otherwise than the
        // child's own.
        const QStringList first = apartFirstSelectors();
        QTest::newRow("positioned first child") << apartFirst("<span style=\"position:absolute\">", "</span>") << first;
        QTest::newRow("floated first child") << apartFirst("<span style=\"float:left\">", "</span>") << first;
        QTest::newRow("table cell first") << apartFirst("<span style=\"display:table-cell\">", "</span>") << first;
        QTest::newRow("hidden first child") << apartFirst("<span style=\"display:none\">", "</span>") << first;
        QTest::newRow("clipped first child") << apartFirst("<div style=\"overflow:hidden;height:0\">", "</div>")
                                             << first;
        QTest::newRow("list first") << apartFirst("<select><option>", "</option></select>") << first;
    }

    // Pages that once broke the rule.
    void knownPages()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, selectors);
        compareAll(page, selectors);
    }

    // Text steps on a chain of nested DIVs, a text at every level ("x" the
    // innermost), whose cost once grew with the square or the cube of the
    // depth: read one by one, each text holds all the inner ones; on such a
    // chain whose levels hold parts out of the layout, which write nothing
    // and so leave the texts around them whole, whatever they hold; and
    // parent steps after parent steps over a form, whose rows share the
    // ancestors that hold them all. Four times as large must not ask sixteen
    // times the work of the page. (A value found only at the top of the
    // chain: one found at a level of its own would spare the larger chain the
    // same few levels as the smaller, and leave it more.) The engine weighs
    // reading the texts against working them out, which bounds what reading
    // costs: where what inner texts tell decides the outer ones, reading
    // alone, forced, must grow with the page too, and so must working out.
    void growth_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("way");
        const auto row = [](const QByteArray& name, const char* page, const char* selector,
                            selectorWays::Way way = selectorWays::Way::Weighed) {
            QTest::newRow(name.constData()) << QString::fromLatin1(page) << QString::fromLatin1(selector) << int(way);
        };
        const selectorWays::Way reading = selectorWays::Way::Reading;
        const selectorWays::Way together = selectorWays::Way::Together;
        row("every level", "chain", "DIV[XTEXT=\"x\"]");
        row("starts", "chain", "DIV[XTRIMMED=%\"level 1\"]");
        row("next", "chain", "P[XFIRST=\"0\"]:XNEXT[XTEXT=%\"x\"]");
        row("siblings", "chain", "DIV:XSIBLING[XTEXT=%\"x\"]");
        row("parents", "chain", "DIV[XLAST=\"0\"]:XPARENT[XTEXT%%\"level 0\"]");
        row("hidden beside, ends", "hidden beside", "DIV[XTRIMMED%=\"x\"]");
        row("hidden beside, contains", "hidden beside", "DIV[XTRIMMED%%\"level 0\"]");
        row("hidden beside, children", "hidden beside", "DIV:XCHILD[XTEXT%%\"level 0\"]");
        row("hidden beside, parents", "hidden beside", "DIV[XLAST=\"0\"]:XPARENT[XTRIMMED%=\"x\"]");
        // A box that clips all it holds away leaves the texts around it
        // whole, as a part out of the layout does.
        row("clipped beside, contains", "clipped beside", "DIV[XTRIMMED%%\"level 0\"]");
        row("clipped beside, parents, read one at a time", "clipped beside",
            "DIV[XLAST=\"0\"]:XPARENT[XTRIMMED%%\"x\"]", reading);
        row("clipped beside, contains, worked out together", "clipped beside", "DIV[XTRIMMED%%\"level 0\"]",
            together);
        // What lies inside a part out of the layout is never looked at, were
        // it apart from the flow where shown.
        for (const char* page : {"hidden holding positioned", "hidden holding floated"}) {
            const QByteArray name(page);
            row(name + ", ends", page, "DIV[XTRIMMED%=\"x\"]");
            row(name + ", contains", page, "DIV[XTRIMMED%%\"level 0\"]");
            row(name + ", parents", page, "DIV[XLAST=\"0\"]:XPARENT[XTRIMMED%=\"x\"]");
            row(name + ", every level, read one at a time", page, "DIV[XTEXT=\"x\"]", reading);
            row(name + ", every level, worked out together", page, "DIV[XTEXT=\"x\"]", together);
            row(name + ", parents, read one at a time", page, "DIV[XLAST=\"0\"]:XPARENT[XTEXT=\"x\"]", reading);
            row(name + ", parents, worked out together", page, "DIV[XLAST=\"0\"]:XPARENT[XTEXT=\"x\"]", together);
        }
        row("parents after parents", "form", "INPUT:XPARENT:XPARENT[XTEXT%%\"Field 1\"]");
        row("parents after parents, starts", "form", "LABEL:XPARENT:XPARENT[XTRIMMED=%\"Field 1\"]");
        row("parents after parents, form ending apart", "form ending apart", "INPUT:XPARENT:XPARENT[XTEXT=\"Field 1\"]");
    }

    void growth()
    {
        QFETCH(QString, page);
        QFETCH(QString, selector);
        QFETCH(int, way);
        QWebView shallow;
        QWebView deep;
        QVERIFY(load(shallow, growthPage(page, 200)));
        QVERIFY(load(deep, growthPage(page, 800)));
        compare(shallow, selector);
        SelectorBuilder builder;
        builder.build(selector, QString(), QString());
        const CountedClock clock;
        const selectorWays::Forced forced{selectorWays::Way(way)};
        WorkCountingPageDom inShallow(&shallow);
        WorkCountingPageDom inDeep(&deep);
        lookup::TextBudget::resetTally();
        SelectorLookup(PageDomHandle(inShallow)).find(builder.result());
        SelectorLookup(PageDomHandle(inDeep)).find(builder.result());
        // The way forced is the way that ran: read one at a time, the texts
        // of levels that hold others are read alone.
        QVERIFY(selectorWays::ranAsForced(selectorWays::Way(way))
                && (way != int(selectorWays::Way::Reading) || lookup::TextBudget::tally().readAlone > 0));
        QVERIFY2(inDeep.work() <= 8 * inShallow.work(),
                 qPrintable(QStringLiteral("%1, four times as large %2").arg(inShallow.work()).arg(inDeep.work())));
    }

    // Where a style of the page may hide first letters, the markup of a text
    // does not tell how it starts: whether one may is looked at once reading
    // the texts the answer spares costs more than the look. Conditions on the
    // start of the texts of a form's labels, whose markup tells the answer
    // for all of them but one at most, then read a few texts and take the
    // markup for the rest: a form four times larger reads no more of them.
    void firstLetters_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::newRow("starts") << "LABEL[XTEXT=%\"name\"]";
        QTest::newRow("trimmed equal") << "LABEL[XTRIMMED=\"Name\"]";
        QTest::newRow("differs") << "LABEL[XTEXT!=\"Field 1\"]";
        QTest::newRow("children start") << "DIV:XCHILD[XNAME=\"LABEL\"&&XTRIMMED=%\"name\"]";
    }

    void firstLetters()
    {
        QFETCH(QString, selector);
        QWebView small;
        QWebView large;
        QVERIFY(load(small, growthPage(QStringLiteral("form"), 500)));
        QVERIFY(load(large, growthPage(QStringLiteral("form"), 2000)));
        compare(small, selector);
        SelectorBuilder builder;
        builder.build(selector, QString(), QString());
        WorkCountingPageDom inSmall(&small);
        WorkCountingPageDom inLarge(&large);
        SelectorLookup(PageDomHandle(inSmall)).find(builder.result());
        SelectorLookup(PageDomHandle(inLarge)).find(builder.result());
        QVERIFY2(inLarge.reads() <= inSmall.reads(), qPrintable(QStringLiteral("%1 texts read, four times the form %2")
                                                                    .arg(inSmall.reads())
                                                                    .arg(inLarge.reads())));
    }
};

TESVAR_TEST(SelectorDifferentialTest)
#include "SelectorDifferentialTest.moc"
