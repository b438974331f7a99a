#pragma once

#include "MemoryPageDom.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Random pages and selectors for testing the selector engine against the
// selector rules read literally. A page is HTML with a script that grows it
// further: deep chains (deeper than the parser nests), texts split over inline
// elements, hidden and masked levels, and texts put into void elements, which
// their markup does not show. Selectors use the page's own names, values and
// texts, so that most of them find something.
class SelectorPageGenerator
{
public:
    explicit SelectorPageGenerator(quint32 seed)
        : m_random(seed)
    {
    }

    // Texts of elements written in the markup are, every other one, words
    // of about so many characters (long texts on pages of few elements).
    void setLongTexts(int characters) { m_longTexts = characters; }

    // A page of about so many elements, one chain of about so many levels.
    QString page(int elements, int chainDepth)
    {
        m_left = elements;
        m_webPage = true;
        QString body;
        while (m_left > 0)
            body += element(0);
        QString script = QStringLiteral(
            "function chain(parent, tag, depth, text) {"
            "  for (var i = 0; i < depth; ++i) {"
            "    var e = document.createElement(tag);"
            "    var t = text(i);"
            "    if (t === 'split') { e.appendChild(document.createTextNode('Na'));"
            "      var b = document.createElement('b'); b.appendChild(document.createTextNode('m')); e.appendChild(b);"
            "      e.appendChild(document.createTextNode('e 9')); }"
            "    else if (t !== null) e.appendChild(document.createTextNode(t));"
            "    if (i % 11 == 5) e.style.cssText = '%1';"
            "    parent.appendChild(e); parent = e; }"
            "  return parent; }"
            "var all = document.body.getElementsByTagName('*');");
        script = script.arg(pick(pageStyles()));
        const QStringList tags = {QStringLiteral("span"), QStringLiteral("div"), QStringLiteral("b"),
                                  QStringLiteral("label")};
        const QStringList texts = {QStringLiteral("i + 1 == %1 ? 'x' : null"), QStringLiteral("'x'"),
                                   QStringLiteral("i % 3 ? 'x' : 'split'"), QStringLiteral("null"),
                                   QStringLiteral("i % 4 ? null : ' x y '"), QStringLiteral("i % 2 ? 'a' : 'X'"),
                                   QStringLiteral("i % 3 ? ' Na A' : 'AX'")};
        const int chains = 1 + int(m_random.bounded(2));
        for (int c = 0; c < chains; ++c) {
            const int depth = chainDepth / chains;
            const QString text = pick(texts);
            script += QStringLiteral("chain(all.length ? all[%1 % all.length] : document.body, '%2', %3, "
                                     "function (i) { return %4; });")
                          .arg(m_random.bounded(1000))
                          .arg(pick(tags))
                          .arg(depth)
                                    .arg(text.contains(QLatin1String("%1")) ? text.arg(depth) : text);
        }
        // Texts in void elements: their markup is empty, their plain text is not.
        script += QStringLiteral("var voids = document.querySelectorAll('input, hr, br, img');"
                                 "for (var i = 0; i < voids.length; i += 2)"
                                 "  voids[i].appendChild(document.createTextNode(i % 4 ? 'x' : 'Name 9'));");
        return QStringLiteral("<html><body>") + body + QStringLiteral("<script>") + script
            + QStringLiteral("</script></body></html>");
    }

    // The same kind of page held in memory: random trees, deep chains with
    // split texts, texts in void elements, and frames of their own.
    void fill(MemoryPageDom& dom, int elements, int chainDepth)
    {
        m_left = elements;
        const int body = dom.add(dom.root(), QStringLiteral("body"));
        while (m_left > 0)
            node(dom, body, 0);
        const QStringList tags = {QStringLiteral("span"), QStringLiteral("div"), QStringLiteral("b"),
                                  QStringLiteral("label")};
        const int chains = 1 + int(m_random.bounded(2));
        for (int c = 0; c < chains; ++c) {
            int parent = 1 + int(m_random.bounded(dom.count() - 1));
            const QString tag = pick(tags);
            const int kind = int(m_random.bounded(4));
            const int depth = chainDepth / chains;
            for (int i = 0; i < depth; ++i) {
                const int e = dom.add(parent, tag);
                if (kind == 0 && i + 1 == depth) {
                    dom.addText(e, QStringLiteral("x"));
                } else if (kind == 1) {
                    dom.addText(e, QStringLiteral("x"));
                } else if (kind == 2 && i % 3 == 0) {
                    dom.addText(e, QStringLiteral("Na"));
                    dom.addText(dom.add(e, QStringLiteral("b")), QStringLiteral("m"));
                    dom.addText(e, QStringLiteral("e 9"));
                } else if (kind == 2) {
                    dom.addText(e, i % 2 ? QStringLiteral("x") : QStringLiteral(" x y "));
                }
                parent = e;
            }
        }
        // Texts in void elements: their markup is empty, their text is not.
        int voids = 0;
        for (int id = 0, count = dom.count(); id < count; ++id) {
            const QString tag = dom.localName(dom.at(id));
            if (tag == QLatin1String("input") || tag == QLatin1String("hr") || tag == QLatin1String("br")
                || tag == QLatin1String("img")) {
                if (voids++ % 2 == 0)
                    dom.addText(id, voids % 4 ? QStringLiteral("x") : QStringLiteral("Name 9"));
            }
        }
        // A frame with a document of its own.
        if (m_random.bounded(2)) {
            const int document = dom.addFrame(body, {{QStringLiteral("id"), QStringLiteral("a1")}});
            const int frameBody = dom.add(document, QStringLiteral("body"));
            m_left = 15;
            while (m_left > 0)
                node(dom, frameBody, 0);
        }
    }

    QString selector()
    {
        QString out;
        const int steps = 1 + int(m_random.bounded(3));
        for (int s = 0; s < steps; ++s) {
            if (s > 0)
                out += QLatin1Char(':');
            bool keyword = false;
            if (s == 0) {
                out += pick(m_webPage ? firstWords() + QStringList{QStringLiteral("RUBY"), QStringLiteral("RT"),
                                                                   QStringLiteral("Q")}
                                      : firstWords());
                keyword = out.startsWith(QLatin1Char('X'));
            } else {
                const QString word = pick(laterWords());
                out += word;
                keyword = word == QLatin1String("XTEXT");
            }
            const int conditions = int(m_random.bounded(4)) - (s == 0 ? 0 : 1);
            if (conditions <= 0)
                continue;
            const QString join = keyword || m_random.bounded(2) ? QStringLiteral("&&") : QStringLiteral("||");
            out += QLatin1Char('[');
            for (int c = 0; c < conditions; ++c) {
                if (c > 0)
                    out += join;
                out += condition();
            }
            out += QLatin1Char(']');
        }
        return out;
    }

private:
    static QStringList styles()
    {
        return {QStringLiteral("display:none"), QStringLiteral("visibility:hidden"),
                QStringLiteral("text-transform:uppercase"), QStringLiteral("white-space:pre"),
                QStringLiteral("-webkit-text-security:disc"), QStringLiteral("display:block"),
                QStringLiteral("display:inline-block"), QStringLiteral("position:absolute"),
                QStringLiteral("float:left")};
    }

    // Web pages also have shapes that stay in the flow of the text: boxes
    // drawn elsewhere in their place, ruby, breaking points, phrasing and
    // custom elements (pages in memory have no layout).
    static QStringList pageStyles()
    {
        return styles() + QStringList{QStringLiteral("position:relative"), QStringLiteral("position:-webkit-sticky"),
                                      QStringLiteral("display:contents")};
    }

    static QStringList textPool()
    {
        return {QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("x y"), QStringLiteral(" x "),
                QStringLiteral("Name"), QStringLiteral("Name 9"), QStringLiteral("9"), QStringLiteral("\u00fc1"),
                QStringLiteral("\n"), QStringLiteral("  pad  "), QStringLiteral("a"), QStringLiteral("x\tx")};
    }

    static QStringList firstWords()
    {
        return {QStringLiteral("DIV"), QStringLiteral("SPAN"), QStringLiteral("P"), QStringLiteral("LABEL"),
                QStringLiteral("B"), QStringLiteral("INPUT"), QStringLiteral("FORM"), QStringLiteral("LI"),
                QStringLiteral("XTEXT"), QStringLiteral("XCHECKBOX"), QStringLiteral("SELECT"),
                QStringLiteral("HR"), QStringLiteral("BR"), QStringLiteral("TD"), QStringLiteral("EM"),
                QStringLiteral("IFRAME")};
    }

    static QStringList laterWords()
    {
        return {QStringLiteral("XPARENT"), QStringLiteral("XCHILD"), QStringLiteral("XSIBLING"),
                QStringLiteral("XNEXT"), QStringLiteral("XNEXT"), QStringLiteral("XNEXT"), QStringLiteral("SPAN"),
                QStringLiteral("INPUT"), QStringLiteral("DIV"), QStringLiteral("FORM"), QStringLiteral("XTEXT"),
                QStringLiteral("B")};
    }

    QString condition()
    {
        static const QStringList comparisons = {QStringLiteral("="), QStringLiteral("!="), QStringLiteral("%%"),
                                                QStringLiteral("=%"), QStringLiteral("%=")};
        const QString comparison = pick(comparisons);
        switch (m_random.bounded(8)) {
        case 0:
        case 1:
        case 2: {
            QString value = pick(textPool());
            if (m_random.bounded(3) == 0)
                value = value.trimmed().isEmpty() ? QStringLiteral("x") : value.trimmed();
            return (m_random.bounded(2) ? QStringLiteral("XTEXT") : QStringLiteral("XTRIMMED")) + comparison
                + QLatin1Char('"') + value + QLatin1Char('"');
        }
        case 3:
            return (m_random.bounded(2) ? QStringLiteral("XFIRST") : QStringLiteral("XLAST"))
                + (m_random.bounded(2) ? QStringLiteral("=") : QStringLiteral("!=")) + QLatin1Char('"')
                + QString::number(m_random.bounded(3)) + QLatin1Char('"');
        case 4:
            return QStringLiteral("XNAME") + comparison + QLatin1Char('"') + pick(tagNames()) + QLatin1Char('"');
        default: {
            static const QStringList names = {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("class"),
                                              QStringLiteral("type"), QStringLiteral("style")};
            const QString name = pick(names);
            QString value = name == QLatin1String("type") ? pick(inputTypes()) : pick(attributeValues());
            if (value.isEmpty())
                value = QStringLiteral("a");
            return name + comparison + QLatin1Char('"') + value + QLatin1Char('"');
        }
        }
    }

    static QStringList tagNames()
    {
        return {QStringLiteral("div"), QStringLiteral("SPAN"), QStringLiteral("input"), QStringLiteral("label"),
                QStringLiteral("B"), QStringLiteral("form"), QStringLiteral("p"), QStringLiteral("li")};
    }

    static QStringList inputTypes()
    {
        return {QStringLiteral("text"), QStringLiteral("checkbox"), QStringLiteral("submit"),
                QStringLiteral("hidden"), QString()};
    }

    static QStringList attributeValues()
    {
        return {QStringLiteral("a"), QStringLiteral("b1"), QStringLiteral("email"), QStringLiteral("Q"),
                QStringLiteral("x y"), QStringLiteral("\u00e9t\u00e9")};
    }

    QString pick(const QStringList& list) { return list.at(int(m_random.bounded(list.size()))); }

    QString attributes(const QString& tag)
    {
        QString out;
        const QMap<QString, QString> map = attributeMap(tag, pageStyles());
        for (auto a = map.cbegin(); a != map.cend(); ++a)
            out += QStringLiteral(" %1=\"%2\"").arg(a.key(), a.value());
        return out;
    }

    QString text()
    {
        if (m_longTexts > 0 && m_random.bounded(2) == 0)
            return words(m_longTexts);
        QString t = pick(textPool()).toHtmlEscaped();
        // Now and then a text split over inline elements.
        if (m_random.bounded(6) == 0)
            t = QStringLiteral("Na<i>m</i>e <b>9</b>");
        return t;
    }

    QMap<QString, QString> attributeMap(const QString& tag, const QStringList& styleList = styles())
    {
        QMap<QString, QString> out;
        if (m_random.bounded(3) == 0)
            out.insert(QStringLiteral("id"), pick(attributeValues()) + QString::number(m_random.bounded(3)));
        if (m_random.bounded(3) == 0)
            out.insert(QStringLiteral("name"), pick(attributeValues()));
        if (m_random.bounded(4) == 0)
            out.insert(QStringLiteral("class"), pick(attributeValues()));
        if (tag == QLatin1String("input") && m_random.bounded(4) != 0)
            out.insert(QStringLiteral("type"), pick(inputTypes()));
        if (m_random.bounded(7) == 0)
            out.insert(QStringLiteral("style"), pick(styleList));
        return out;
    }

    void addText(MemoryPageDom& dom, int parent)
    {
        if (m_random.bounded(6) == 0) {
            dom.addText(parent, QStringLiteral("Na"));
            dom.addText(dom.add(parent, QStringLiteral("i")), QStringLiteral("m"));
            dom.addText(parent, QStringLiteral("e "));
            dom.addText(dom.add(parent, QStringLiteral("b")), QStringLiteral("9"));
            return;
        }
        dom.addText(parent, pick(textPool()));
    }

    void node(MemoryPageDom& dom, int parent, int depth)
    {
        --m_left;
        const bool isVoid = m_random.bounded(4) == 0;
        const QString tag = isVoid ? pick(voidTags()) : pick(containerTags());
        const int e = dom.add(parent, tag, attributeMap(tag));
        if (isVoid)
            return;
        if (tag == QLatin1String("select") || tag == QLatin1String("ul")) {
            for (int i = 0, n = 1 + int(m_random.bounded(3)); i < n; ++i, --m_left)
                addText(dom, dom.add(e, tag == QLatin1String("ul") ? QStringLiteral("li") : QStringLiteral("option")));
            return;
        }
        const int children = depth > 6 ? int(m_random.bounded(2)) : int(m_random.bounded(4));
        for (int i = 0; i < children && m_left > 0; ++i) {
            if (m_random.bounded(3) == 0)
                addText(dom, e);
            else
                node(dom, e, depth + 1);
        }
    }

    static QStringList containerTags()
    {
        return {QStringLiteral("div"), QStringLiteral("span"), QStringLiteral("p"),    QStringLiteral("label"),
                QStringLiteral("b"),   QStringLiteral("form"), QStringLiteral("ul"),   QStringLiteral("em"),
                QStringLiteral("a"),   QStringLiteral("textarea"), QStringLiteral("select"), QStringLiteral("td")};
    }

    static QStringList voidTags()
    {
        return {QStringLiteral("input"), QStringLiteral("input"), QStringLiteral("br"), QStringLiteral("hr"),
                QStringLiteral("img")};
    }

    QString element(int depth)
    {
        --m_left;
        const bool isVoid = m_random.bounded(4) == 0;
        QString tag = isVoid ? pick(voidTags() << QStringLiteral("wbr"))
                             : pick(containerTags() << QStringLiteral("ruby") << QStringLiteral("q")
                                                    << QStringLiteral("x-tag"));
        if (tag == QLatin1String("td"))
            tag = QStringLiteral("table");
        QString out = QLatin1Char('<') + tag + attributes(tag) + QLatin1Char('>');
        if (isVoid)
            return out;
        if (tag == QLatin1String("textarea")) {
            out += text();
        } else if (tag == QLatin1String("select")) {
            for (int i = 0, n = 1 + int(m_random.bounded(3)); i < n; ++i, --m_left)
                out += QStringLiteral("<option>") + pick(textPool()).toHtmlEscaped() + QStringLiteral("</option>");
        } else if (tag == QLatin1String("table")) {
            out += QStringLiteral("<tr><td>") + text() + QStringLiteral("</td><td>") + element(depth + 1)
                + QStringLiteral("</td></tr>");
            m_left -= 3;
        } else if (tag == QLatin1String("ruby")) {
            out += text() + (m_random.bounded(2) ? QStringLiteral("<rp>(</rp><rt>") : QStringLiteral("<rt>")) + text()
                + QStringLiteral("</rt>");
            --m_left;
        } else if (tag == QLatin1String("ul")) {
            for (int i = 0, n = 1 + int(m_random.bounded(3)); i < n; ++i, --m_left)
                out += QStringLiteral("<li>") + (m_random.bounded(2) ? text() : element(depth + 1))
                    + QStringLiteral("</li>");
        } else {
            const int children = depth > 6 ? int(m_random.bounded(2)) : int(m_random.bounded(4));
            for (int i = 0; i < children && m_left > 0; ++i)
                out += m_random.bounded(3) == 0 ? text() : element(depth + 1);
        }
        return out + QStringLiteral("</") + tag + QLatin1Char('>');
    }

    // Lower-case words of two to nine letters, now and then an upper-case one.
    QString words(int characters)
    {
        QString out;
        out.reserve(characters + 10);
        while (out.size() < characters) {
            const bool upper = m_random.bounded(12) == 0;
            for (int i = 0, n = 2 + int(m_random.bounded(8)); i < n; ++i)
                out += QChar(ushort((upper ? 'A' : 'a') + m_random.bounded(26)));
            out += QLatin1Char(' ');
        }
        return out;
    }

    QRandomGenerator m_random;
    int m_left = 0;
    int m_longTexts = 0;
    bool m_webPage = false;
};
