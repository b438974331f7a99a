#include "shell/PageDom.h"

#include <QHash>

#include <algorithm>

namespace Vexal {

namespace {

const char* const customMark = "-";

const QHash<QString, TextFlow::Kind>& kinds()
{
    static const QHash<QString, TextFlow::Kind> table = [] {
        QHash<QString, TextFlow::Kind> names;
        for (const char* name :
             {"div",    "span",    "p",      "li",     "ul",     "ol",         "dl",      "dt",      "dd",
              "td",     "th",      "label",  "a",      "b",      "i",          "u",       "s",       "em",
              "strong", "small",   "big",    "font",   "code",   "tt",         "kbd",     "samp",    "var",
              "cite",   "abbr",    "mark",   "sub",    "sup",    "ins",        "del",     "h1",      "h2",
              "h3",     "h4",      "h5",     "h6",     "section", "article",   "aside",   "header",  "footer",
              "nav",    "main",    "address", "blockquote", "center", "figure", "figcaption", "form", "nobr",
              "q",      "dfn",     "bdi",    "bdo",    "time",   "data",       "acronym", "strike",  "wbr",
              "ruby",   "rb",      "rt",     "rtc",    "rp",     "hgroup",     "menu",    "dir"})
            names.insert(QLatin1String(name), TextFlow::Ordinary);
        names.insert(QStringLiteral("pre"), TextFlow::Preformatted);
        names.insert(QStringLiteral("body"), TextFlow::Document);
        names.insert(QStringLiteral("html"), TextFlow::Document);
        names.insert(QStringLiteral("input"), TextFlow::Replaced);
        names.insert(QStringLiteral("img"), TextFlow::Replaced);
        return names;
    }();
    return table;
}

const QStringList& flowingDisplays()
{
    static const QStringList values = {QStringLiteral("block"), QStringLiteral("inline"), QStringLiteral("list-item"),
                                       QStringLiteral("contents")};
    return values;
}

// Images and fields write nothing of their own in the texts around them, in
// an inline block as much as inline.
const QStringList& replacedDisplays()
{
    static const QStringList values = {QStringLiteral("inline-block")};
    return values;
}

// Values as the keys of a script's object: {"a":1,"b":1}.
QString scriptKeys(const QStringList& values)
{
    QStringList keys;
    for (const QString& value : values)
        keys << QLatin1Char('"') + value + QStringLiteral("\":1");
    return QLatin1Char('{') + keys.join(QLatin1Char(',')) + QLatin1Char('}');
}

} // namespace

TextFlow::Kind TextFlow::kindOf(const QString& localName)
{
    const Kind kind = kinds().value(localName, Apart);
    return kind == Apart && localName.contains(QLatin1String(customMark)) ? Ordinary : kind;
}

bool TextFlow::displayFlows(Kind kind, const QString& display)
{
    return mayFlow(kind)
        && (flowingDisplays().contains(display) || (kind == Replaced && replacedDisplays().contains(display)));
}

const std::vector<TextFlow::Style>& TextFlow::styles()
{
    // A relatively positioned or sticky element keeps its place in the text;
    // only its box is drawn elsewhere.
    static const std::vector<Style> table = {
        {QStringLiteral("position"),
         {QStringLiteral("static"), QStringLiteral("relative"), QStringLiteral("sticky"),
          QStringLiteral("-webkit-sticky")}},
        {QStringLiteral("float"), {QStringLiteral("none")}},
        {QStringLiteral("visibility"), {QStringLiteral("visible")}},
        {QStringLiteral("white-space"), {QStringLiteral("normal"), QStringLiteral("nowrap")}},
    };
    return table;
}

const TextFlow::Clip& TextFlow::clip()
{
    static const Clip rule = {QStringLiteral("overflow"),
                              {QStringLiteral("visible")},
                              {{{QStringLiteral("height"), QStringLiteral("padding-top"), QStringLiteral("padding-bottom"),
                                 QStringLiteral("border-top-width"), QStringLiteral("border-bottom-width")},
                                QStringLiteral("offsetHeight"),
                                QStringLiteral("height")},
                               {{QStringLiteral("width"), QStringLiteral("padding-left"), QStringLiteral("padding-right"),
                                 QStringLiteral("border-left-width"), QStringLiteral("border-right-width")},
                                QStringLiteral("offsetWidth"),
                                QStringLiteral("width")}}};
    return rule;
}

const QString& TextFlow::script()
{
    static const QString text = [] {
        static const char* const names[] = {"", "ordinary", "preformatted", "document", "replaced"};
        QStringList entries;
        for (auto kind = kinds().cbegin(); kind != kinds().cend(); ++kind)
            entries << QStringLiteral("\"%1\":\"%2\"").arg(kind.key(), QLatin1String(names[int(kind.value())]));
        entries.sort();
        QStringList pairs;
        for (const Style& style : styles())
            pairs << QStringLiteral("[\"%1\",%2]").arg(style.property, scriptKeys(style.values));
        QStringList extents;
        for (const Extent& extent : clip().extents)
            extents << QStringLiteral("{\"lengths\":[\"%1\"],\"laidOut\":\"%2\",\"drawn\":\"%3\"}")
                           .arg(extent.lengths.join(QLatin1String("\",\"")), extent.laidOut, extent.drawn);
        const QString clipRule = QStringLiteral("{\"property\":\"%1\",\"unclipped\":%2,\"extents\":[%3]}")
                                     .arg(clip().property, scriptKeys(clip().unclipped), extents.join(QLatin1Char(',')));
        return QStringLiteral("{\"kinds\":{%1},\"custom\":\"%2\",\"display\":%3,\"replacedDisplay\":%4,"
                              "\"styles\":[%5],\"clip\":%6}")
            .arg(entries.join(QLatin1Char(',')), QLatin1String(customMark), scriptKeys(flowingDisplays()),
                 scriptKeys(replacedDisplays()), pairs.join(QLatin1Char(',')), clipRule);
    }();
    return text;
}

PageDom::~PageDom() = default;

PageElement PageDom::newElement()
{
    int id;
    if (!m_free.empty()) {
        id = m_free.back();
        m_free.pop_back();
    } else {
        id = int(m_uses.size());
        m_uses.push_back(0);
    }
    m_peak = std::max(m_peak, ++m_held);
    ++m_made;
    return PageElement(this, id);
}

void PageDom::released(int) {}

void PageDom::freeId(int id)
{
    released(id);
    m_free.push_back(id);
    --m_held;
    deleteWhenUnheld();
}

void PageDom::deleteWhenUnheld()
{
    if (m_madeForHandles && m_handles == 0 && m_held == 0)
        delete this;
}

PageDomHandle::PageDomHandle(PageDom* made)
    : m_dom(made)
{
    if (m_dom) {
        m_dom->m_madeForHandles = true;
        ++m_dom->m_handles;
    }
}

PageDomHandle::PageDomHandle(PageDom& kept)
    : m_dom(&kept)
{
    ++m_dom->m_handles;
}

PageDomHandle& PageDomHandle::operator=(const PageDomHandle& other)
{
    if (other.m_dom)
        ++other.m_dom->m_handles;
    release();
    m_dom = other.m_dom;
    return *this;
}

PageDomHandle::~PageDomHandle()
{
    release();
}

void PageDomHandle::release()
{
    if (m_dom) {
        --m_dom->m_handles;
        m_dom->deleteWhenUnheld();
        m_dom = nullptr;
    }
}

bool PageDom::withinParentOf(const PageElement& element, const PageElement& other)
{
    const PageElement parent = element.parent();
    if (parent.isNull())
        return true;
    for (PageElement e = other.parent(); !e.isNull(); e = e.parent()) {
        if (e == parent)
            return true;
    }
    return false;
}

PageElement PageDom::documentOf(const PageElement& element)
{
    PageElement root = element;
    for (PageElement e = element.parent(); !e.isNull(); e = e.parent())
        root = e;
    return root;
}

PageDom::Following PageDom::following(const PageElement& root, const QString& from, const QString& to)
{
    Following out;
    out.elements = select(root, from);
    const PageElements both = select(root, from + QStringLiteral(", ") + to);
    const int count = out.elements.size();
    int at = 0;
    int waiting = 0;
    for (const PageElement& element : both) {
        if (at < count && element == out.elements.at(at)) {
            ++at;
            continue;
        }
        for (; waiting < at; ++waiting) {
            if (withinParentOf(out.elements.at(waiting), element))
                out.elements[waiting] = element;
            else
                out.open.append(waiting);
        }
    }
    for (; waiting < at; ++waiting)
        out.open.append(waiting);
    // Had the second query missed one, elements of the two could have been
    // taken for one another: every one is left open.
    if (at < count) {
        out.elements = select(root, from);
        out.open.resize(count);
        for (int i = 0; i < count; ++i)
            out.open[i] = i;
    }
    return out;
}

PageDom::TextTest::~TextTest() = default;

PageDom::TestedElements PageDom::selectByText(const PageElement& root, const QString& selector, const TextTest& test)
{
    TestedElements out;
    const PageElements found = select(root, selector);
    for (int i = 0; i < found.size(); ++i) {
        const PageElement& element = found.at(i);
        // The first is asked whether it holds an element before its markup
        // is read; the others only where their markup leaves it open.
        bool holds = i == 0 && !firstChild(element).isNull();
        TextTest::Answer answer = TextTest::Unknown;
        if (!holds) {
            const QString content = markup(element);
            answer = content.isEmpty() ? TextTest::Unknown : test.fromMarkup(content);
            holds = answer == TextTest::Unknown && content.contains(QLatin1Char('<')) && !firstChild(element).isNull();
        }
        if (holds) {
            out.untested = found.mid(i);
            for (int k = i; k < found.size(); ++k)
                out.untestedAt.append(k);
            break;
        }
        if (answer == TextTest::Unknown)
            answer = test.passes(plainText(element)) ? TextTest::Passes : TextTest::Fails;
        if (answer == TextTest::Passes) {
            out.passed.append(element);
            out.passedAt.append(i);
        }
    }
    return out;
}

} // namespace Vexal
