#pragma once

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

    // A page of about so many elements, one chain of about so many levels.
    QString page(int elements, int chainDepth)
    {
        m_left = elements;
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
        script = script.arg(pick(styles()));
        const QStringList tags = {QStringLiteral("span"), QStringLiteral("div"), QStringLiteral("b"),
                                  QStringLiteral("label")};
        const QStringList texts = {QStringLiteral("i + 1 == %1 ? 'x' : null"), QStringLiteral("'x'"),
                                   QStringLiteral("i % 3 ? 'x' : 'split'"), QStringLiteral("null"),
                                   QStringLiteral("i % 4 ? null : ' x y '"), QStringLiteral("i % 2 ? 'a' : 'X'")};
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

    QString selector()
    {
        QString out;
        const int steps = 1 + int(m_random.bounded(3));
        for (int s = 0; s < steps; ++s) {
            if (s > 0)
                out += QLatin1Char(':');
            bool keyword = false;
            if (s == 0) {
                out += pick(firstWords());
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
                QStringLiteral("display:inline-block")};
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
                QStringLiteral("HR"), QStringLiteral("BR"), QStringLiteral("TD"), QStringLiteral("EM")};
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
        if (m_random.bounded(3) == 0)
            out += QStringLiteral(" id=\"%1\"").arg(pick(attributeValues()) + QString::number(m_random.bounded(3)));
        if (m_random.bounded(3) == 0)
            out += QStringLiteral(" name=\"%1\"").arg(pick(attributeValues()));
        if (m_random.bounded(4) == 0)
            out += QStringLiteral(" class=\"%1\"").arg(pick(attributeValues()));
        if (tag == QLatin1String("input") && m_random.bounded(4) != 0)
            out += QStringLiteral(" type=\"%1\"").arg(pick(inputTypes()));
        if (m_random.bounded(7) == 0)
            out += QStringLiteral(" style=\"%1\"").arg(pick(styles()));
        return out;
    }

    QString text()
    {
        QString t = pick(textPool()).toHtmlEscaped();
        // Now and then a text split over inline elements.
        if (m_random.bounded(6) == 0)
            t = QStringLiteral("Na<i>m</i>e <b>9</b>");
        return t;
    }

    QString element(int depth)
    {
        static const QStringList containers = {
            QStringLiteral("div"), QStringLiteral("span"), QStringLiteral("p"), QStringLiteral("label"),
            QStringLiteral("b"), QStringLiteral("form"), QStringLiteral("ul"), QStringLiteral("em"),
            QStringLiteral("a"), QStringLiteral("textarea"), QStringLiteral("select"), QStringLiteral("table")};
        static const QStringList voids = {QStringLiteral("input"), QStringLiteral("input"), QStringLiteral("br"),
                                          QStringLiteral("hr"), QStringLiteral("img")};
        --m_left;
        const bool isVoid = m_random.bounded(4) == 0;
        const QString tag = isVoid ? pick(voids) : pick(containers);
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

    QRandomGenerator m_random;
    int m_left = 0;
};
