#include "automation/selector/SelectorLookupCss.h"

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorLookupProbe.h"
#include "automation/selector/SelectorLookupScan.h"
#include "automation/selector/SelectorLookupText.h"

#include <QStringList>

namespace Vexal {
namespace lookup {

// Type selectors are written in lower case: HTML documents ignore the case
// of element names, XHTML documents hold them in lower case.
QString cssTag(const Selector* step)
{
    return step->tag().toLower();
}

// Characters a CSS attribute selector with the "i" flag compares exactly as
// QString does ignoring case. QString folds U+017F to "s" and U+212A to "k",
// which the ASCII-only "i" flag does not; quotes and backslashes are left out
// to keep the CSS string plain.
static bool cssSafe(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x20 || u > 0x7E || u == '"' || u == '\\')
        return false;
    const ushort lower = u | 0x20;
    return lower != 's' && lower != 'k';
}

static bool cssName(const QString& name)
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

static QString cssAttribute(const QString& name, const char* op, const QString& value)
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

// SVG element names written in mixed case. In an HTML document a type selector
// matches them differently from the case-blind comparison of element names.
static bool mixedCaseForeignName(const QString& lower)
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
bool isHtmlDocument(const PageElement& root)
{
    return root.tagName() == QLatin1String("HTML") && root.dom()->localName(root) == QLatin1String("html");
}

ExactFilter::ExactFilter(const Selector* step, bool htmlDocument)
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
StepPlan::StepPlan(const Selector* step, bool css)
{
    evidence = shapeLimit(step) > 0;
    const QString tag = cssTag(step);
    query = tag;
    if (evidence && !tag.isEmpty() && css)
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
    bool textsOnly = true;
    for (int i = 0; i < n; ++i) {
        if (isPositional(step->attributeAt(i)))
            positional = true;
        if (!isTextual(step->attributeAt(i)))
            textsOnly = false;
    }
    // Without a tag the query finds nothing, and must go on finding nothing.
    if (positional || tag.isEmpty())
        return;
    byText = textsOnly;
    if (!css)
        return;
    if (step->join() == Selector::JoinAll) {
        QString filter;
        bool allExact = true;
        bool othersExact = true;
        for (int i = 0; i < n; ++i) {
            bool conditionExact = false;
            bool always = false;
            filter += conditionFilter(step->attributeAt(i), conditionExact, always);
            allExact = allExact && conditionExact;
            if (!isTextual(step->attributeAt(i)))
                othersExact = othersExact && conditionExact;
        }
        query = tag + filter;
        exact = allExact;
        byText = evidence && othersExact;
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

void StepPlan::collectFrom(PageDom* dom, const PageElement& root, const Selector* step, PageElements& out) const
{
    if (never)
        return;
    if (!byText) {
        collect(dom->select(root, query), step, root, out);
        return;
    }
    const StepTextTest test(step, root);
    const PageDom::TestedElements tested = dom->selectByText(root, query, test);
    // The rest, from the first that holds elements on, are tested here,
    // inner texts first where they nest; all go out in document order.
    std::vector<int> inner;
    if (!tested.untested.isEmpty())
        collectIndices(tested.untested, step, root, inner);
    // Each current element of a step appends its own: the list grows by
    // doubling (reserving just enough each time would copy it every time).
    int passed = 0;
    for (const int index : inner) {
        while (passed < tested.passed.size() && tested.passedAt.at(passed) < tested.untestedAt.at(index))
            out.push_back(tested.passed.at(passed++));
        out.push_back(tested.untested.at(index));
    }
    while (passed < tested.passed.size())
        out.push_back(tested.passed.at(passed++));
}

void StepPlan::collect(const PageElements& all, const Selector* step, const PageElement& root, PageElements& out) const
{
    const int count = all.count();
    if (exact && !positional) {
        if (out.empty())
            out.reserve(count);
        for (int i = 0; i < count; ++i)
            out.push_back(all.at(i));
        return;
    }
    std::vector<int> indices;
    collectIndices(all, step, root, indices);
    for (const int index : indices)
        out.push_back(all.at(index));
}

void StepPlan::collectIndices(const PageElements& all, const Selector* step, const PageElement& root,
                              std::vector<int>& out) const
{
    const int count = all.count();
    // Candidates that hold no element cannot hold one another: the query
    // for nested candidates, which walks the whole page, waits for the
    // first candidate that holds one.
    // Where the page takes no CSS every candidate that holds an element is
    // looked into.
    int nesting = !evidence ? 0 : nestQuery.isEmpty() ? 1 : -1;
    // The candidates all have the step's name.
    const int showsText = stepMarkupShowsText(step) ? 1 : 0;
    for (int i = 0; i < count; ++i) {
        if (positional && !positionsHold(step, i, count))
            continue;
        // Conditions that need no text decide first: where they do, the
        // candidate's text, or what it holds, is never asked for.
        const PageElement& element = all.at(i);
        const Verdict verdict = withoutTexts(element, step, i, count);
        if (verdict != Verdict::Texts) {
            if (verdict == Verdict::Passes)
                out.push_back(i);
            continue;
        }
        TextProbe probe(element);
        probe.markupShowsText = showsText;
        if (evidence) {
            probe.leaf = element.firstChild().isNull() ? 1 : 0;
            if (!probe.leaf && nesting < 0)
                nesting = root.isNull() || root.dom()->selectFirst(root, nestQuery).isNull() ? 0 : 1;
            if (!probe.leaf && nesting > 0) {
                const int end = collectInside(all, i, step, out);
                if (end > i) {
                    i = end - 1;
                    continue;
                }
            }
        }
        if (textsPass(probe, step))
            out.push_back(i);
    }
}

int StepPlan::collectInside(const PageElements& all, int index, const Selector* step, std::vector<int>& out)
{
    const int count = all.count();
    if (index + 1 >= count)
        return index;
    const Subtree tree(all.at(index));
    std::vector<int> candidate(tree.order.size(), -1);
    candidate[0] = index;
    int k = index + 1;
    PageElement wanted = all.at(k);
    for (size_t j = 1; j < tree.order.size() && k < count; ++j) {
        if (tree.order[j] == wanted) {
            candidate[j] = k++;
            if (k < count)
                wanted = all.at(k);
        }
    }
    if (k == index + 1)
        return index;
    const std::vector<char> matched = tree.match(candidate, step, count);
    for (size_t j = 0; j < tree.order.size(); ++j) {
        if (candidate[j] >= 0 && matched[j])
            out.push_back(candidate[j]);
    }
    return k;
}

} // namespace lookup
} // namespace Vexal
