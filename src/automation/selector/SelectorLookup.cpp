#include "automation/selector/SelectorLookup.h"

#include "automation/selector/ConstSelector.h"
#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookupCss.h"
#include "automation/selector/SelectorLookupProbe.h"
#include "automation/selector/SelectorLookupScan.h"
#include "automation/selector/SelectorLookupText.h"
#include "texts/LocaleMessage.h"

#include <deque>
#include <new>
#include <optional>

namespace Vexal {

using namespace lookup;

SelectorLookup::SelectorLookup(PageDomHandle dom, QObject* parent)
    : QObject(parent)
    , m_dom(std::move(dom))
{
}

SelectorLookup::~SelectorLookup() = default;

PageElements SelectorLookup::find(const SelectorList* list) const
{
    m_error.clear();
    if (!m_dom || !list || list->count() == 0)
        return {};
    LetterBudget::startTask(*m_dom);
    try {
        const PageElement document = m_dom->documentElement();
        if (document.isNull())
            return {};
        return evaluate(document, list);
    } catch (const TooManyElements&) {
    } catch (const std::bad_alloc&) {
    }
    m_error = LocaleMessage::selectorTooLarge(list->toText());
    return {};
}

void SelectorLookup::checkHeld(const Elements& held) const
{
    if (held.size() > m_limit)
        throw TooManyElements();
}

struct SelectorLookup::Walk {
    Walk(const PageElement& root, const Selector* step, bool takesCss)
        : document(root)
        , first(step)
        , css(takesCss)
        , firstPlan(step, takesCss)
    {
        if (css && !firstPlan.never && firstPlan.exact && !firstPlan.positional && firstPlan.single
            && !firstPlan.query.isEmpty()) {
            currentQuery = firstPlan.query;
            currentType = cssTag(step);
        }
    }

    const PageElement& document;
    const Selector* first;
    const bool css;
    const Plan firstPlan;
    Elements current;
    // A CSS selector that finds exactly the current elements in document
    // order, while there is one, and the type its last part names.
    QString currentQuery;
    QString currentType;
    // The first step's elements are listed when a step needs them: a
    // next-element step over their query does not.
    bool listed = false;
    int htmlDocument = -1;
};

SelectorLookup::Elements SelectorLookup::evaluate(const PageElement& document, const SelectorList* list) const
{
    Walk walk(document, list->at(0), m_dom->takesCss());
    for (int i = 1; i < list->count() && (!walk.listed || !walk.current.empty()); ++i) {
        const Selector* step = list->at(i);
        if (stepByQuery(walk, step))
            continue;
        listFirst(walk);
        if (walk.current.empty())
            break;
        walk.currentQuery.clear();
        Elements next;
        stepEach(walk.current, step, walk.css, next);
        walk.current.swap(next);
    }
    listFirst(walk);
    return std::move(walk.current);
}

// The candidates are the elements of the main frame's document that the
// step's query finds; only the main frame is searched.
void SelectorLookup::listFirst(Walk& walk) const
{
    if (walk.listed)
        return;
    walk.firstPlan.collectFrom(m_dom.get(), walk.document, walk.first, walk.current);
    checkHeld(walk.current);
    walk.listed = true;
}

bool SelectorLookup::stepByQuery(Walk& walk, const Selector* step) const
{
    const int kind = step->kind();
    if (walk.currentQuery.isEmpty() || (kind != Selector::KindChild && kind != Selector::KindNext))
        return false;
    if (walk.htmlDocument < 0)
        walk.htmlDocument = isHtmlDocument(walk.document) ? 1 : 0;
    const ExactFilter filter(step, walk.htmlDocument == 1);
    if (!filter.valid)
        return false;
    // An element has one name: when the two types differ no current
    // element is a candidate of a next-element step.
    const QString any = QStringLiteral("*");
    const bool disjoint = walk.currentType != filter.type && walk.currentType != any && filter.type != any;
    Elements next;
    if (kind == Selector::KindNext && disjoint) {
        nextFollowing(walk.document, walk.currentQuery, filter.compound(), step, next);
        walk.listed = true;
    } else {
        listFirst(walk);
        if (walk.current.empty())
            return true;
        if (kind == Selector::KindChild) {
            const QString query = walk.currentQuery + QStringLiteral(" > ") + filter.compound();
            if (!childrenInStepOrder(m_dom->select(walk.document, query), walk.current, next))
                return false;
            checkHeld(next);
            walk.current.swap(next);
            walk.currentQuery = query;
            walk.currentType = filter.type;
            return true;
        }
        nextInDocumentOrder(m_dom->select(walk.document, walk.currentQuery + QStringLiteral(", ") + filter.compound()),
                            walk.current, step, next);
    }
    checkHeld(next);
    walk.current.swap(next);
    walk.currentQuery.clear();
    return true;
}

void SelectorLookup::stepEach(const Elements& current, const Selector* step, bool css, Elements& out) const
{
    const Plan plan(step, css);
    if (plan.never)
        return;
    const int kind = step->kind();
    if ((kind == Selector::KindChild || kind == Selector::KindSibling) && plan.evidence && !plan.positional) {
        stepFamilies(current, step, out);
        checkHeld(out);
        return;
    }
    // The searches of a step that tests texts share a scan of their
    // document; after an IFRAME step the elements stand in several.
    std::deque<NextScan> scans;
    const auto scanOf = [&](const PageElement& element) -> NextScan* {
        if (!plan.evidence)
            return nullptr;
        const PageElement document = m_dom->documentOf(element);
        for (NextScan& scan : scans) {
            if (scan.document() == document)
                return &scan;
        }
        return &scans.emplace_back(document, step);
    };
    // The elements' ancestors are tested each in turn; many share them.
    KnownAncestors known;
    for (const PageElement& element : current) {
        switch (kind) {
        case Selector::KindParent: stepParent(element, step, known, out); break;
        case Selector::KindChild: stepChild(element, step, plan, out); break;
        case Selector::KindSibling: stepSibling(element, step, plan, out); break;
        case Selector::KindNext: stepNext(element, step, scanOf(element), out); break;
        default: stepDown(element, step, plan, out); break;
        }
        checkHeld(out);
    }
}

// The children found by one CSS query come in document order; the step lists
// them parent by parent in the order of the parents. The two agree unless one
// parent holds another: then the parents' children interleave, and the caller
// walks the parents itself.
bool SelectorLookup::childrenInStepOrder(const PageElements& children, const Elements& parents, Elements& out)
{
    const int count = children.count();
    out.reserve(count);
    int at = 0;
    for (int i = 0; i < count; ++i) {
        const PageElement& child = children.at(i);
        const PageElement parent = child.parent();
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
void SelectorLookup::nextInDocumentOrder(const PageElements& both, const Elements& current, const Selector* step,
                                         Elements& out) const
{
    std::vector<PageElement> answers(size_t(current.size()));
    std::vector<int> waiting;
    int at = 0;
    const int count = both.count();
    for (int k = 0; k < count; ++k) {
        const PageElement& element = both.at(k);
        const bool isCurrent = at < current.size() && element == current[at];
        const bool isCandidate = !isCurrent || matchesStep(element, step, 0, -1);
        if (isCandidate) {
            for (const int index : waiting)
                answers[size_t(index)] =
                    m_dom->withinParentOf(current[index], element) ? element : findNext(current[index], step);
            waiting.clear();
        }
        if (isCurrent)
            waiting.push_back(at++);
    }
    for (const int index : waiting)
        answers[size_t(index)] = findNext(current[index], step);
    // Had the query missed a current element, candidates and current elements
    // could have been taken for one another: then every answer is scanned for.
    if (at < current.size()) {
        for (int index = 0; index < current.size(); ++index)
            answers[size_t(index)] = findNext(current[index], step);
    }
    for (const PageElement& answer : answers) {
        if (!answer.isNull())
            out.push_back(answer);
    }
}

// The next step of each element of a CSS query, whose candidates (those of
// the query "to") are never among them: the page access lists the first
// candidate after each where the scan would reach it first, the rest are
// scanned for.
void SelectorLookup::nextFollowing(const PageElement& document, const QString& from, const QString& to,
                                   const Selector* step, Elements& out) const
{
    PageDom::Following found = m_dom->following(document, from, to);
    PageElements& elements = found.elements;
    if (!found.open.isEmpty()) {
        // What follows those left open is scanned for; those that nothing
        // follows drop out.
        PageElement* at = elements.data();
        int open = 0;
        int kept = 0;
        for (int i = 0, count = elements.size(); i < count; ++i) {
            if (open < found.open.size() && found.open.at(open) == i) {
                ++open;
                at[i] = findNext(at[i], step);
                if (at[i].isNull())
                    continue;
            }
            if (kept < i)
                at[kept] = std::move(at[i]);
            ++kept;
        }
        elements.resize(kept);
    }
    if (out.isEmpty())
        out = std::move(elements);
    else
        out += elements;
}

// Children or siblings with a text condition and no position: one element at
// a time until reading the texts costs more than working out those of the
// whole page; then the rest together.
void SelectorLookup::stepFamilies(const Elements& current, const Selector* step, Elements& out) const
{
    const bool siblings = step->kind() == Selector::KindSibling;
    PageElement top = current.front();
    for (PageElement up = top.parent(); !up.isNull(); up = up.parent())
        top = up;
    TextBudget budget;
    int done = 0;
    while (!TextBudget::together() && done < current.size()) {
        familyOf(current[done++], step, siblings, budget, out);
        checkHeld(out);
        if (budget.spentOn(top))
            break;
    }
    const Elements rest = current.mid(done);
    if (!rest.empty() && !familyTogether(rest, step, siblings, size_t(m_limit), out)) {
        // Out of document order: each family by itself, worked out where
        // that way is forced.
        TextBudget unused;
        for (const PageElement& element : rest) {
            if (TextBudget::together())
                familyWorkedOut(element, step, siblings, out);
            else
                familyOf(element, step, siblings, unused, out);
            checkHeld(out);
        }
    }
}

void SelectorLookup::stepDown(const PageElement& element, const Selector* step, const Plan& plan,
                              Elements& out) const
{
    if (element.isNull())
        return;
    if (element.tagName().compare(ConstSelector::tagIframe(), Qt::CaseInsensitive) == 0) {
        const PageElement document = frameOf(m_dom.get(), element);
        if (!document.isNull())
            plan.collectFrom(m_dom.get(), document, step, out);
        return;
    }
    plan.collectFrom(m_dom.get(), element, step, out);
}

void SelectorLookup::stepParent(const PageElement& element, const Selector* step, KnownAncestors& known,
                                Elements& out) const
{
    if (element.isNull())
        return;
    AncestorTests ancestors(element, step, true, &known);
    const int count = ancestors.count();
    for (int i = 0; i < count; ++i) {
        if (ancestors.matches(i, i, count))
            out.push_back(ancestors.at(i));
    }
}

void SelectorLookup::stepChild(const PageElement& element, const Selector* step, const Plan& plan,
                               Elements& out) const
{
    if (element.isNull())
        return;
    int count = 0;
    if (plan.positional) {
        for (PageElement e = element.firstChild(); !e.isNull(); e = e.nextSibling())
            ++count;
    }
    int pos = 0;
    for (PageElement e = element.firstChild(); !e.isNull(); e = e.nextSibling(), ++pos) {
        if (plan.positional && !positionsHold(step, pos, count))
            continue;
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepSibling(const PageElement& element, const Selector* step, const Plan& plan,
                                 Elements& out) const
{
    if (element.isNull())
        return;
    const PageElement parent = element.parent();
    if (!parent.isNull()) {
        stepChild(parent, step, plan, out);
        return;
    }
    PageElement first = element;
    for (PageElement e = element.previousSibling(); !e.isNull(); e = e.previousSibling())
        first = e;
    int count = 0;
    for (PageElement e = first; !e.isNull(); e = e.nextSibling())
        ++count;
    int pos = 0;
    for (PageElement e = first; !e.isNull(); e = e.nextSibling(), ++pos) {
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepNext(const PageElement& element, const Selector* step, NextScan* scan, Elements& out) const
{
    if (element.isNull())
        return;
    const PageElement next = findNext(element, step, scan);
    if (!next.isNull())
        out.push_back(next);
}

// Scans from the element through its subtree and its following siblings with
// theirs, then from each ancestor: the ancestor, its subtree, its following
// siblings. Candidates have no position, so whatever a scan has tested fails
// again in a later one: an ancestor's scan skips the part from the previous
// start on and tests only the children before it. Once the step's searches
// have worked out the whole document, the answer is read from it.
PageElement SelectorLookup::findNext(const PageElement& element, const Selector* step, NextScan* scan) const
{
    PageElement answer;
    if (scan && TextBudget::together())
        scan->workOut();
    if (scan && scan->whole() && scan->next(element, answer))
        return answer;
    // Ancestors are tested as the parent step tests them where texts count.
    const bool texts = shapeLimit(step) > 0;
    std::optional<AncestorTests> ancestors;
    PageElement previous;
    int depth = 0;
    const auto scanned = [&](const PageElement& root, PageElement& found) {
        found = scanForward(root, element, step, scan);
        // The searches have just turned to the whole document.
        if (found.isNull() && scan && scan->whole() && scan->next(element, answer)) {
            found = answer;
            return true;
        }
        return !found.isNull();
    };
    PageElement found;
    for (PageElement start = element; !start.isNull(); previous = start, start = start.parent(), ++depth) {
        if (texts && start != element && !ancestors)
            ancestors.emplace(element, step, false, scan ? &scan->known() : nullptr);
        if (start != element && (texts ? ancestors->matches(depth - 1, 0, -1) : matchesStep(start, step, 0, -1)))
            return start;
        if (previous.isNull()) {
            if (scanned(start, found))
                return found;
        } else {
            for (PageElement child = start.firstChild(); !child.isNull() && child != previous;
                 child = child.nextSibling()) {
                if (scanned(child, found))
                    return found;
            }
        }
        for (PageElement sibling = start.nextSibling(); !sibling.isNull(); sibling = sibling.nextSibling()) {
            if (scanned(sibling, found))
                return found;
        }
    }
    return PageElement();
}

// The first element of the root's subtree in document order that matches, the
// skipped element aside. Only a step that tests texts reads any, and its
// searches share a scan (stepEach): their reads are weighed against working
// out the texts of the whole document, and once it is, the search ends here
// (null) and reads its answer from the document (NextScan::next).
PageElement SelectorLookup::scanForward(const PageElement& root, const PageElement& skip, const Selector* step,
                                        NextScan* scan) const
{
    for (PageElement e = root; !e.isNull();) {
        if (e != skip) {
            TextProbe probe(e);
            if (scan)
                probe.budget = &scan->budget();
            const bool passes = probeStep(probe, step, 0, -1);
            // Every read counts, those that end a search too.
            const bool whole = probe.read && scan && scan->afterRead();
            if (passes)
                return e;
            if (whole)
                return PageElement();
        }
        PageElement next = e.firstChild();
        for (PageElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return PageElement();
}

PageElement SelectorLookup::frameOf(PageDom* dom, const PageElement& element)
{
    if (!dom || element.isNull())
        return PageElement();
    return dom->frameDocument(element, false);
}

bool SelectorLookup::matchesStep(const PageElement& element, const Selector* step, int pos, int count)
{
    TextProbe probe(element);
    return probeStep(probe, step, pos, count);
}

bool SelectorLookup::matches(const PageElement& element, const SelectorAttribute* attribute, int pos, int count)
{
    return conditionHolds(element, attribute, pos, count);
}

} // namespace Vexal
