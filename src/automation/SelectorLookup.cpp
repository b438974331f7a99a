#include "automation/SelectorLookup.h"

#include "automation/ConstSelector.h"
#include "automation/Selector.h"
#include "automation/SelectorAttribute.h"
#include "automation/SelectorList.h"

#include <algorithm>

#include <QStringList>
#include <QVarLengthArray>
#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

namespace Vexal {

namespace {

// Type selectors are written in lower case: HTML documents ignore the case
// of element names, XHTML documents hold them in lower case.
QString cssTag(const Selector* step)
{
    return step->tag().toLower();
}

bool compareText(const QString& subject, const QString& value, int comparison)
{
    switch (comparison) {
    case SelectorAttribute::Equal: return subject.compare(value, Qt::CaseInsensitive) == 0;
    case SelectorAttribute::NotEqual: return subject.compare(value, Qt::CaseInsensitive) != 0;
    case SelectorAttribute::Contains: return subject.contains(value, Qt::CaseInsensitive);
    case SelectorAttribute::StartsWith: return subject.startsWith(value, Qt::CaseInsensitive);
    case SelectorAttribute::EndsWith: return subject.endsWith(value, Qt::CaseInsensitive);
    default: return false;
    }
}

bool compareNumber(int subject, int value, int comparison)
{
    if (comparison == SelectorAttribute::Equal)
        return subject == value;
    if (comparison == SelectorAttribute::NotEqual)
        return subject != value;
    return false;
}

// Characters a CSS attribute selector with the "i" flag compares exactly as
// QString does ignoring case. QString folds U+017F to "s" and U+212A to "k",
// which the ASCII-only "i" flag does not; quotes and backslashes are left out
// to keep the CSS string plain.
bool cssSafe(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x20 || u > 0x7E || u == '"' || u == '\\')
        return false;
    const ushort lower = u | 0x20;
    return lower != 's' && lower != 'k';
}

bool cssName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (int i = 0; i < name.size(); ++i) {
        const ushort u = name.at(i).unicode();
        const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
        const bool digit = u >= '0' && u <= '9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

QString cssAttribute(const QString& name, const char* op, const QString& value)
{
    return QStringLiteral("[") + name + QLatin1String(op) + QStringLiteral("\"") + value + QStringLiteral("\" i]");
}

// A CSS filter that every element matching the condition passes. "exact" is
// set when the filter passes exactly the matching elements, "always" when the
// condition holds for every element.
QString conditionFilter(const SelectorAttribute* attribute, bool& exact, bool& always)
{
    exact = false;
    always = false;
    if (attribute->keyword() != SelectorAttribute::KeywordAttribute || !cssName(attribute->name()))
        return QString();
    const QString name = attribute->name();
    const QString value = attribute->value();
    const int comparison = attribute->comparison();
    const bool anchoredStart = comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::StartsWith;
    const bool anchoredEnd = comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::EndsWith;
    switch (comparison) {
    case SelectorAttribute::NotEqual:
        if (value.isEmpty()) {
            exact = true;
            return QStringLiteral("[") + name + QStringLiteral("]:not([") + name + QStringLiteral("=\"\"])");
        }
        for (const QChar c : value) {
            if (!cssSafe(c))
                return QString();
        }
        exact = true;
        return QStringLiteral(":not(") + cssAttribute(name, "=", value) + QStringLiteral(")");
    case SelectorAttribute::Equal:
    case SelectorAttribute::Contains:
    case SelectorAttribute::StartsWith:
    case SelectorAttribute::EndsWith:
        break;
    default:
        return QString();
    }
    if (value.isEmpty()) {
        // A missing attribute reads as empty, which CSS cannot express.
        if (comparison == SelectorAttribute::Equal)
            return QString();
        exact = true;
        always = true;
        return QString();
    }
    // Every maximal run of safe characters must stand in the attribute as it
    // stands in the value; when one run is the whole value the filter is exact.
    QString out;
    const int size = value.size();
    int i = 0;
    while (i < size) {
        if (!cssSafe(value.at(i))) {
            ++i;
            continue;
        }
        int end = i;
        while (end < size && cssSafe(value.at(end)))
            ++end;
        const QString run = value.mid(i, end - i);
        const bool atStart = anchoredStart && i == 0;
        const bool atEnd = anchoredEnd && end == size;
        if (atStart && atEnd)
            out += cssAttribute(name, "=", run);
        else if (atStart)
            out += cssAttribute(name, "^=", run);
        else if (atEnd)
            out += cssAttribute(name, "$=", run);
        else
            out += cssAttribute(name, "*=", run);
        if (i == 0 && end == size)
            exact = true;
        i = end;
    }
    if (out.isEmpty())
        out = QStringLiteral("[") + name + QStringLiteral("]");
    return out;
}

bool isTextual(const SelectorAttribute* attribute)
{
    return attribute && (attribute->keyword() == SelectorAttribute::KeywordText
                         || attribute->keyword() == SelectorAttribute::KeywordTrimmed);
}

bool isPositional(const SelectorAttribute* attribute)
{
    return attribute->keyword() == SelectorAttribute::KeywordFirst
        || attribute->keyword() == SelectorAttribute::KeywordLast;
}

// The length of a text from its first character that is not white space on.
int lengthFromFirstVisible(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.size() - i;
}

// Whether the markup of an element proves that its plain text fails a text
// condition, without the layout work of reading that text. Only for content
// that is plain printable ASCII text: the page shows its letters, digits and
// signs in the same order, white space collapsed, kept or added, letters
// possibly restyled in case (to ASCII of the same letter, or to a non-ASCII
// letter), or shows none of them (hidden, masked). So a value whose characters
// other than white space are printable ASCII cannot match a text whose markup
// does not hold them the same way.
bool markupRules(const QString& markup, const SelectorAttribute* attribute, bool& result)
{
    // Both sides in lower case without white space; ASCII folds like QString.
    QVarLengthArray<char, 64> value;
    for (const QChar c : attribute->value()) {
        const ushort u = c.unicode();
        if (c.isSpace())
            continue;
        if (u < 0x21 || u > 0x7E)
            return false;
        value.append(char(u >= 'A' && u <= 'Z' ? u + 32 : u));
    }
    if (value.isEmpty())
        return false;
    QVarLengthArray<char, 256> shown;
    for (const QChar c : markup) {
        const ushort u = c.unicode();
        if (u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f')
            continue;
        if (u == '<' || u == '&' || u < 0x21 || u > 0x7E)
            return false;
        shown.append(char(u >= 'A' && u <= 'Z' ? u + 32 : u));
    }
    const int n = value.size();
    const int size = shown.size();
    const auto at = [&](int offset) { return offset >= 0 && offset + n <= size
                                          && std::equal(value.begin(), value.end(), shown.begin() + offset); };
    bool possible = false;
    switch (attribute->comparison()) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: possible = size == n && at(0); break;
    case SelectorAttribute::StartsWith: possible = at(0); break;
    case SelectorAttribute::EndsWith: possible = at(size - n); break;
    case SelectorAttribute::Contains:
        for (int offset = 0; !possible && offset + n <= size; ++offset)
            possible = at(offset);
        break;
    default: return false;
    }
    if (possible)
        return false;
    result = attribute->comparison() == SelectorAttribute::NotEqual;
    return true;
}

// What the text of an element inside another tells about the outer one. The
// outer text holds the inner text whole, but for white space before the inner
// text's first visible character (written there as a line break or a space,
// or not at all), so:
// - an inner text longer than the value from its first visible character on
//   (or trimmed, for a trimmed text) makes the outer text differ from it;
// - an inner text holding the value holds it in the outer text too, where the
//   value does not start with white space (the inner text may start with a
//   line break or space that the outer text writes otherwise); a trimmed text
//   holds it in any case.
// Only texts of elements on the page's layout tell this: an element outside it
// (hidden by "display: none", an option of a list) gives all its markup's text.
enum class Evidence { None, TooLong, Holds };

Evidence evidenceKind(const SelectorAttribute* attribute)
{
    if (!isTextual(attribute) || attribute->value().isEmpty())
        return Evidence::None;
    switch (attribute->comparison()) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: return Evidence::TooLong;
    case SelectorAttribute::Contains:
        if (attribute->keyword() == SelectorAttribute::KeywordTrimmed || !attribute->value().at(0).isSpace())
            return Evidence::Holds;
        return Evidence::None;
    default: return Evidence::None;
    }
}

bool laidOut(const QWebElement& element)
{
    return !element.geometry().isEmpty();
}

bool isHtml(const QWebElement& element)
{
    return element.namespaceUri() == QLatin1String("http://www.w3.org/1999/xhtml");
}

// Reads the text of one element at most once for all the text conditions of a
// step, and answers from what is known of the elements inside it when it can.
struct TextProbe {
    QWebElement element;
    // Conditions (by index) that an element inside this one decided.
    quint32 inner = 0;
    // Conditions whose answer this element passes on to those around it.
    quint32 outer = 0;
    // The element holds no child element, so its markup is its text.
    int leaf = -1;
    QString markup;
    bool read = false;
    QString text;
    int laid = -1;
    int html = -1;

    explicit TextProbe(const QWebElement& e, quint32 known = 0)
        : element(e)
        , inner(known)
    {
    }

    bool isLaidOut()
    {
        if (laid < 0)
            laid = laidOut(element) ? 1 : 0;
        return laid == 1;
    }

    bool test(const SelectorAttribute* attribute, int index)
    {
        const quint32 bit = index < 32 ? (quint32(1) << index) : 0;
        const Evidence kind = bit ? evidenceKind(attribute) : Evidence::None;
        if (kind != Evidence::None && (inner & bit)) {
            if (html < 0)
                html = isHtml(element) ? 1 : 0;
            if (html == 1) {
                if (kind == Evidence::Holds)
                    return true;
                return attribute->comparison() == SelectorAttribute::NotEqual;
            }
        }
        if (!read) {
            if (leaf < 0) {
                leaf = element.firstChild().isNull() ? 1 : 0;
                if (leaf == 1)
                    markup = element.toInnerXml();
            }
            bool result = false;
            if (leaf == 1 && markupRules(markup, attribute, result))
                return result;
            text = element.toPlainText();
            read = true;
        }
        const QString subject = attribute->keyword() == SelectorAttribute::KeywordTrimmed ? text.trimmed() : text;
        const bool result = compareText(subject, attribute->value(), attribute->comparison());
        if (kind == Evidence::TooLong && lengthFromFirstVisible(subject) > attribute->value().size() && isLaidOut())
            outer |= bit;
        if (kind == Evidence::Holds && result && isLaidOut())
            outer |= bit;
        return result;
    }
};

// A step's conditions with the text ones answered through the probe.
bool probeStep(TextProbe& probe, const Selector* step, int pos, int count)
{
    const QWebElement& element = probe.element;
    if (element.isNull() || !step)
        return false;
    const int n = step->attributeCount();
    if (n == 0)
        return true;
    const int join = step->join();
    if (join != Selector::JoinAll && join != Selector::JoinAny)
        return false;
    // The conditions have no side effects, so their order does not change the
    // answer: the plain text, which needs the page's layout, is read last.
    const bool wanted = join == Selector::JoinAny;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            const SelectorAttribute* attribute = step->attributeAt(i);
            if (isTextual(attribute) != (pass == 1))
                continue;
            const bool result = pass == 1 ? probe.test(attribute, i)
                                          : SelectorLookup::matches(element, attribute, pos, count);
            if (result == wanted)
                return wanted;
        }
    }
    return !wanted;
}

bool hasEvidence(const Selector* step)
{
    for (int i = 0; i < step->attributeCount() && i < 32; ++i) {
        if (evidenceKind(step->attributeAt(i)) != Evidence::None)
            return true;
    }
    return false;
}

// The position conditions of a join-all step: cheap to test before the
// element itself is looked at.
bool positionsHold(const Selector* step, int pos, int count)
{
    if (step->join() != Selector::JoinAll)
        return true;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isPositional(attribute) && !SelectorLookup::matches(QWebElement(), attribute, pos, count))
            return false;
    }
    return true;
}

// SVG element names written in mixed case. In an HTML document a type selector
// matches them differently from the case-blind comparison of element names.
bool mixedCaseForeignName(const QString& lower)
{
    static const QStringList names = {
        QStringLiteral("altglyph"),          QStringLiteral("altglyphdef"),       QStringLiteral("altglyphitem"),
        QStringLiteral("animatecolor"),      QStringLiteral("animatemotion"),     QStringLiteral("animatetransform"),
        QStringLiteral("clippath"),          QStringLiteral("foreignobject"),     QStringLiteral("glyphref"),
        QStringLiteral("lineargradient"),    QStringLiteral("radialgradient"),    QStringLiteral("textpath")};
    // Every filter primitive (feBlend, feGaussianBlur, ...) starts with "fe".
    return lower.startsWith(QLatin1String("fe")) || names.contains(lower);
}

// In an HTML document (not XHTML) a lower-case type selector matches an HTML
// element whatever the case of its name, as the name condition does.
bool isHtmlDocument(QWebFrame* frame)
{
    const QWebElement root = frame->documentElement();
    return root.tagName() == QLatin1String("HTML") && root.localName() == QLatin1String("html");
}

// A CSS compound selector passing exactly the elements that match a step's
// conditions: empty when CSS cannot say it exactly. Positions and texts have no
// CSS form; names only in an HTML document.
struct ExactFilter {
    // The type selector, "*" for any element.
    QString type;
    QString conditions;
    bool valid = false;

    ExactFilter(const Selector* step, bool htmlDocument)
    {
        type = QStringLiteral("*");
        if (!step)
            return;
        const int n = step->attributeCount();
        if (n > 0 && step->join() != Selector::JoinAll)
            return;
        bool named = false;
        for (int i = 0; i < n; ++i) {
            const SelectorAttribute* attribute = step->attributeAt(i);
            if (attribute->keyword() == SelectorAttribute::KeywordName) {
                const QString lower = attribute->value().toLower();
                if (!htmlDocument || named || attribute->comparison() != SelectorAttribute::Equal || !cssName(lower)
                    || mixedCaseForeignName(lower))
                    return;
                type = lower;
                named = true;
                continue;
            }
            bool exact = false;
            bool always = false;
            conditions += conditionFilter(attribute, exact, always);
            if (!exact)
                return;
        }
        valid = true;
    }

    QString compound() const { return type + conditions; }
};

} // namespace

// What one step searches for, worked out once per lookup.
struct SelectorLookup::Plan {
    // The CSS query for the candidates of a tag step: the tag alone when the
    // positions count every element of the tag, else the tag narrowed by the
    // conditions CSS can express.
    QString query;
    // Every element the query finds matches the step.
    bool exact = false;
    bool positional = false;
    // A step whose conditions are joined by neither rule matches nothing.
    bool never = false;
    // The query is one complex selector, not a list: it can be extended.
    bool single = true;
    // Texts of candidates inside others may decide the outer ones.
    bool evidence = false;
    // Finds an element of the tag inside another.
    QString nestQuery;

    explicit Plan(const Selector* step)
    {
        evidence = hasEvidence(step);
        const QString tag = cssTag(step);
        query = tag;
        if (evidence && !tag.isEmpty())
            nestQuery = tag + QStringLiteral(" ") + tag;
        const int n = step->attributeCount();
        if (n == 0) {
            exact = true;
            return;
        }
        if (step->join() != Selector::JoinAll && step->join() != Selector::JoinAny) {
            never = true;
            return;
        }
        for (int i = 0; i < n; ++i) {
            if (isPositional(step->attributeAt(i)))
                positional = true;
        }
        // Without a tag the query finds nothing, and must go on finding nothing.
        if (positional || tag.isEmpty())
            return;
        if (step->join() == Selector::JoinAll) {
            QString filter;
            bool allExact = true;
            for (int i = 0; i < n; ++i) {
                bool conditionExact = false;
                bool always = false;
                filter += conditionFilter(step->attributeAt(i), conditionExact, always);
                allExact = allExact && conditionExact;
            }
            query = tag + filter;
            exact = allExact;
            return;
        }
        QStringList branches;
        bool allExact = true;
        for (int i = 0; i < n; ++i) {
            bool conditionExact = false;
            bool always = false;
            const QString filter = conditionFilter(step->attributeAt(i), conditionExact, always);
            if (always) {
                exact = true;
                return;
            }
            if (filter.isEmpty())
                return;
            branches << tag + filter;
            allExact = allExact && conditionExact;
        }
        query = branches.join(QStringLiteral(", "));
        exact = allExact;
        single = branches.size() == 1;
    }

    // Appends the elements of the collection that match the step, in order.
    // The collection lists elements of the root's subtree in document order.
    void collect(const QWebElementCollection& all, const Selector* step, const QWebElement& root,
                 Elements& out) const
    {
        const int count = all.count();
        if (exact && !positional) {
            if (out.empty())
                out.reserve(count);
            for (int i = 0; i < count; ++i)
                out.push_back(all.at(i));
            return;
        }
        if (evidence && collectNested(all, step, root, nestQuery, out))
            return;
        for (int i = 0; i < count; ++i) {
            if (positional && !positionsHold(step, i, count))
                continue;
            const QWebElement element = all.at(i);
            if (matchesStep(element, step, i, count))
                out.push_back(element);
        }
    }

    // Candidates inside candidates: the innermost are tested first, and what
    // their texts prove about those around them spares reading the outer
    // texts, each of which holds all the inner ones. Returns false, having
    // appended nothing, when the candidates do not nest.
    static bool collectNested(const QWebElementCollection& all, const Selector* step, const QWebElement& root,
                              const QString& nestQuery, Elements& out)
    {
        const int count = all.count();
        // Only when some element of the tag lies inside another does the walk
        // of the whole subtree pay off.
        if (root.isNull() || count < 2 || nestQuery.isEmpty() || root.findFirst(nestQuery).isNull())
            return false;
        // The root's subtree in document order, each element with its parent.
        Elements order;
        std::vector<int> parents;
        order.push_back(root);
        parents.push_back(-1);
        int parent = 0;
        QWebElement e = root.firstChild();
        while (!e.isNull()) {
            const int index = int(order.size());
            order.push_back(e);
            parents.push_back(parent);
            QWebElement child = e.firstChild();
            if (!child.isNull()) {
                parent = index;
                e = child;
                continue;
            }
            QWebElement next = e.nextSibling();
            while (next.isNull() && parent > 0) {
                next = order[size_t(parent)].nextSibling();
                parent = parents[size_t(parent)];
            }
            e = next;
        }
        std::vector<int> candidate(order.size(), -1);
        int k = 0;
        QWebElement wanted = all.at(0);
        for (size_t j = 0; j < order.size() && k < count; ++j) {
            if (order[j] == wanted) {
                candidate[j] = k++;
                if (k < count)
                    wanted = all.at(k);
            }
        }
        if (k < count)
            return false;
        std::vector<quint32> below(order.size(), 0);
        std::vector<char> matched(size_t(count), 0);
        for (size_t j = order.size(); j-- > 0;) {
            quint32 outer = 0;
            const int at = candidate[j];
            if (at >= 0 && positionsHold(step, at, count)) {
                TextProbe probe(order[j], below[j]);
                matched[size_t(at)] = probeStep(probe, step, at, count) ? 1 : 0;
                outer = probe.outer;
            }
            if (parents[j] >= 0)
                below[size_t(parents[j])] |= below[j] | outer;
        }
        for (int i = 0; i < count; ++i) {
            if (matched[size_t(i)])
                out.push_back(all.at(i));
        }
        return true;
    }
};

SelectorLookup::SelectorLookup(QWebView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
}

QWebFrame* SelectorLookup::mainFrame() const
{
    if (!m_view || !m_view->page())
        return nullptr;
    return m_view->page()->mainFrame();
}

QList<QWebElement> SelectorLookup::find(const SelectorList* list) const
{
    QWebFrame* frame = mainFrame();
    if (!frame || !list || list->count() == 0)
        return {};
    const Elements found = evaluate(frame, list);
    QList<QWebElement> out;
    out.reserve(int(found.size()));
    for (const QWebElement& element : found)
        out.append(element);
    return out;
}

SelectorLookup::Elements SelectorLookup::evaluate(QWebFrame* frame, const SelectorList* list) const
{
    const Selector* first = list->at(0);
    const Plan firstPlan(first);
    Elements current;
    if (!firstPlan.never)
        firstPlan.collect(frame->findAllElements(firstPlan.query), first, frame->documentElement(), current);
    // A CSS selector that finds exactly the current elements in document
    // order, while there is one, and the type its last part names.
    QString currentQuery;
    QString currentType;
    if (!firstPlan.never && firstPlan.exact && !firstPlan.positional && firstPlan.single
        && !firstPlan.query.isEmpty()) {
        currentQuery = firstPlan.query;
        currentType = cssTag(first);
    }
    int htmlDocument = -1;
    for (int i = 1; i < list->count() && !current.empty(); ++i) {
        const Selector* step = list->at(i);
        const bool css = !currentQuery.isEmpty()
            && (step->kind() == Selector::KindChild || step->kind() == Selector::KindNext);
        if (css && htmlDocument < 0)
            htmlDocument = isHtmlDocument(frame) ? 1 : 0;
        const ExactFilter filter = css ? ExactFilter(step, htmlDocument == 1) : ExactFilter(nullptr, false);
        if (filter.valid && step->kind() == Selector::KindChild) {
            const QString query = currentQuery + QStringLiteral(" > ") + filter.compound();
            Elements next;
            if (childrenInStepOrder(frame->findAllElements(query), current, next)) {
                current.swap(next);
                currentQuery = query;
                currentType = filter.type;
                continue;
            }
        }
        if (filter.valid && step->kind() == Selector::KindNext) {
            // An element has one name: when the two types differ no current
            // element is a candidate.
            const bool disjoint = currentType != filter.type && currentType != QLatin1String("*")
                && filter.type != QLatin1String("*");
            Elements next;
            nextInDocumentOrder(frame->findAllElements(currentQuery + QStringLiteral(", ") + filter.compound()),
                                current, step, disjoint, next);
            current.swap(next);
            currentQuery.clear();
            continue;
        }
        currentQuery.clear();
        const Plan plan(step);
        Elements next;
        if (!plan.never) {
            for (const QWebElement& element : qAsConst(current)) {
                switch (step->kind()) {
                case Selector::KindParent: stepParent(element, step, next); break;
                case Selector::KindChild: stepChild(element, step, plan, next); break;
                case Selector::KindSibling: stepSibling(element, step, plan, next); break;
                case Selector::KindNext: stepNext(element, step, next); break;
                default: stepDown(element, step, plan, next); break;
                }
            }
        }
        current.swap(next);
    }
    return current;
}

// The children found by one CSS query come in document order; the step lists
// them parent by parent in the order of the parents. The two agree unless one
// parent holds another: then the parents' children interleave, and the caller
// walks the parents itself.
bool SelectorLookup::childrenInStepOrder(const QWebElementCollection& children, const Elements& parents,
                                         Elements& out)
{
    const int count = children.count();
    out.reserve(size_t(count));
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const QWebElement child = children.at(i);
        const QWebElement parent = child.parent();
        while (at < parents.size() && parents[at] != parent)
            ++at;
        if (at == parents.size()) {
            out.clear();
            return false;
        }
        out.push_back(child);
    }
    return true;
}

// The next step of each current element, when the current elements are
// exactly those of a CSS query and "both" lists them and the step's candidates
// in document order. The first candidate after an element is its answer when it
// lies under the element's parent: the scan reaches it before anything else.
// Otherwise, and when no candidate follows, the element is scanned for.
void SelectorLookup::nextInDocumentOrder(const QWebElementCollection& both, const Elements& current,
                                         const Selector* step, bool disjoint, Elements& out) const
{
    std::vector<QWebElement> answers(current.size());
    std::vector<size_t> waiting;
    size_t at = 0;
    const int count = both.count();
    for (int k = 0; k < count; ++k) {
        const QWebElement element = both.at(k);
        const bool isCurrent = at < current.size() && element == current[at];
        const bool isCandidate = !isCurrent || (!disjoint && matchesStep(element, step, 0, -1));
        if (isCandidate) {
            for (size_t index : waiting) {
                const QWebElement parent = current[index].parent();
                bool under = parent.isNull();
                for (QWebElement e = element.parent(); !under && !e.isNull(); e = e.parent())
                    under = e == parent;
                answers[index] = under ? element : findNext(current[index], step);
            }
            waiting.clear();
        }
        if (isCurrent)
            waiting.push_back(at++);
    }
    for (size_t index : waiting)
        answers[index] = findNext(current[index], step);
    // Had the query missed a current element, candidates and current elements
    // could have been taken for one another: then every answer is scanned for.
    if (at < current.size()) {
        for (size_t index = 0; index < current.size(); ++index)
            answers[index] = findNext(current[index], step);
    }
    for (const QWebElement& answer : answers) {
        if (!answer.isNull())
            out.push_back(answer);
    }
}

void SelectorLookup::stepDown(const QWebElement& element, const Selector* step, const Plan& plan,
                              Elements& out) const
{
    if (element.isNull())
        return;
    if (element.tagName().compare(ConstSelector::tagIframe(), Qt::CaseInsensitive) == 0) {
        QWebFrame* child = frameOf(m_view, element);
        if (child)
            plan.collect(child->findAllElements(plan.query), step, child->documentElement(), out);
        return;
    }
    plan.collect(element.findAll(plan.query), step, element, out);
}

void SelectorLookup::stepParent(const QWebElement& element, const Selector* step, Elements& out) const
{
    if (element.isNull())
        return;
    Elements ancestors;
    for (QWebElement e = element.parent(); !e.isNull(); e = e.parent())
        ancestors.push_back(e);
    const int count = int(ancestors.size());
    // Each ancestor holds the ones before it: their texts may decide its own.
    quint32 inner = 0;
    for (int i = 0; i < count; ++i) {
        TextProbe probe(ancestors[i], inner);
        if (probeStep(probe, step, i, count))
            out.push_back(ancestors[i]);
        inner |= probe.outer;
    }
}

void SelectorLookup::stepChild(const QWebElement& element, const Selector* step, const Plan& plan,
                               Elements& out) const
{
    if (element.isNull())
        return;
    int count = 0;
    if (plan.positional) {
        for (QWebElement e = element.firstChild(); !e.isNull(); e = e.nextSibling())
            ++count;
    }
    int pos = 0;
    for (QWebElement e = element.firstChild(); !e.isNull(); e = e.nextSibling(), ++pos) {
        if (plan.positional && !positionsHold(step, pos, count))
            continue;
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepSibling(const QWebElement& element, const Selector* step, const Plan& plan,
                                 Elements& out) const
{
    if (element.isNull())
        return;
    const QWebElement parent = element.parent();
    if (!parent.isNull()) {
        stepChild(parent, step, plan, out);
        return;
    }
    QWebElement first = element;
    for (QWebElement e = element.previousSibling(); !e.isNull(); e = e.previousSibling())
        first = e;
    int count = 0;
    for (QWebElement e = first; !e.isNull(); e = e.nextSibling())
        ++count;
    int pos = 0;
    for (QWebElement e = first; !e.isNull(); e = e.nextSibling(), ++pos) {
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepNext(const QWebElement& element, const Selector* step, Elements& out) const
{
    if (element.isNull())
        return;
    const QWebElement next = findNext(element, step);
    if (!next.isNull())
        out.push_back(next);
}

// Scans from the element through its subtree and its following siblings with
// theirs, then from each ancestor: the ancestor, its subtree, its following
// siblings. Candidates have no position, so whatever a scan has tested fails
// again in a later one: an ancestor's scan skips the part from the previous
// start on and tests only the children before it.
QWebElement SelectorLookup::findNext(const QWebElement& element, const Selector* step) const
{
    QWebElement previous;
    for (QWebElement start = element; !start.isNull(); previous = start, start = start.parent()) {
        if (start != element && matchesStep(start, step, 0, -1))
            return start;
        if (previous.isNull()) {
            const QWebElement found = scanSubtree(start, element, step);
            if (!found.isNull())
                return found;
        } else {
            for (QWebElement child = start.firstChild(); !child.isNull() && child != previous;
                 child = child.nextSibling()) {
                if (child != element && matchesStep(child, step, 0, -1))
                    return child;
                const QWebElement found = scanSubtree(child, element, step);
                if (!found.isNull())
                    return found;
            }
        }
        for (QWebElement sibling = start.nextSibling(); !sibling.isNull(); sibling = sibling.nextSibling()) {
            if (sibling != element && matchesStep(sibling, step, 0, -1))
                return sibling;
            const QWebElement found = scanSubtree(sibling, element, step);
            if (!found.isNull())
                return found;
        }
    }
    return QWebElement();
}

// The first descendant of the root in document order that matches, the skipped
// element aside.
QWebElement SelectorLookup::scanSubtree(const QWebElement& root, const QWebElement& skip, const Selector* step) const
{
    QWebElement e = root.firstChild();
    while (!e.isNull()) {
        if (e != skip && matchesStep(e, step, 0, -1))
            return e;
        QWebElement next = e.firstChild();
        for (QWebElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return QWebElement();
}

QWebFrame* SelectorLookup::frameOf(QWebView* view, const QWebElement& element)
{
    if (!view || !view->page() || !view->page()->mainFrame() || element.isNull())
        return nullptr;
    // Frames are listed in the order they were created, which differs from
    // document order once a script adds one: match each by its owner element.
    const QList<QWebFrame*> frames = view->page()->mainFrame()->childFrames();
    for (QWebFrame* frame : frames) {
        if (frame && frame->ownerElement() == element)
            return frame;
    }
    return nullptr;
}

bool SelectorLookup::matchesStep(const QWebElement& element, const Selector* step, int pos, int count)
{
    TextProbe probe(element);
    return probeStep(probe, step, pos, count);
}

bool SelectorLookup::matches(const QWebElement& element, const SelectorAttribute* attribute, int pos, int count)
{
    if (!attribute)
        return false;
    switch (attribute->keyword()) {
    case SelectorAttribute::KeywordFirst:
        return compareNumber(pos, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordLast:
        return compareNumber(count - pos - 1, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordName:
        return compareText(element.tagName(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordText:
        return compareText(element.toPlainText(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordTrimmed:
        return compareText(element.toPlainText().trimmed(), attribute->value(), attribute->comparison());
    default:
        return compareText(element.attribute(attribute->name()), attribute->value(), attribute->comparison());
    }
}

} // namespace Vexal
