#include "automation/selector/SelectorLookupScan.h"

#include "automation/selector/Selector.h"

namespace Vexal {
namespace lookup {

Subtree::Subtree(const PageElement& root)
{
    subtreeInOrder(root, order, parents);
    const size_t size = order.size();
    sizes.assign(size, 1);
    firstChild.assign(size, -1);
    nextSibling.assign(size, -1);
    for (size_t j = size; j-- > 1;) {
        const size_t parent = size_t(parents[j]);
        sizes[parent] += sizes[j];
        nextSibling[j] = firstChild[parent];
        firstChild[parent] = int(j);
    }
}

std::vector<char> Subtree::match(const std::vector<int>& candidate, const Selector* step, int count,
                                 bool whole) const
{
    std::vector<char> matched(order.size(), 0);
    std::vector<quint32> below(order.size(), 0);
    ShapeWalk shapes(order, parents, step);
    TextBudget budget;
    whole = whole || TextBudget::together();
    // The candidates around each element: every one of them is still to
    // be tested when the element is, and its text holds the element's.
    std::vector<int> around(order.size(), 0);
    const bool evidence = hasEvidence(step);
    for (size_t j = 1; j < order.size() && !evidence; ++j) {
        const size_t parent = size_t(parents[j]);
        around[j] = around[parent] + (candidate[parent] >= 0 ? 1 : 0);
    }
    std::vector<signed char> flows(order.size(), -1);
    for (size_t j = order.size(); j-- > 0;) {
        quint32 outer = 0;
        const int at = candidate[j];
        if (at >= 0 && positionsHold(step, at, count)) {
            TextProbe probe(order[j], below[j]);
            probe.budget = &budget;
            probe.passesOn = true;
            if (whole) {
                probe.walk = &shapes;
                probe.at = j;
            }
            matched[j] = probeStep(probe, step, at, count) ? 1 : 0;
            if (probe.outer) {
                // Where the shapes are worked out, the page's script has told.
                const int told = whole ? shapes.flowsWhole(j) : -1;
                if (told >= 0 ? told == 1 : flowsWhole(j, flows))
                    outer = probe.outer;
            }
            if (probe.read) {
                // Unless texts decide those around them, those around it are read too.
                whole = whole || budget.spentOn(order.front(), around[j]);
                // Only the shapes of the texts around it need what it holds.
                if (whole)
                    shapes.noteRead(j, probe.text);
            }
        }
        if (parents[j] >= 0)
            below[size_t(parents[j])] |= below[j] | outer;
    }
    return matched;
}

bool Subtree::flowsWhole(size_t j, std::vector<signed char>& known) const
{
    if (known[j] < 0) {
        // Inner elements come first: their subtrees may be known. Nothing
        // inside an element out of the layout is written.
        const Flow own = flowOf(order[j]);
        bool flows = own != Flow::Apart;
        for (size_t k = j + 1, end = own == Flow::Unwritten ? j + 1 : j + size_t(sizes[j]); flows && k < end;) {
            if (known[k] >= 0) {
                flows = known[k] == 1;
                k += size_t(sizes[k]);
            } else {
                const Flow flow = flowOf(order[k]);
                flows = flow != Flow::Apart;
                k += flow == Flow::Unwritten ? size_t(sizes[k]) : 1;
            }
        }
        known[j] = flows ? 1 : 0;
    }
    return known[j] == 1;
}

bool RecentElements::contains(const PageElement& element) const
{
    for (const PageElement& known : m_elements) {
        if (known == element)
            return true;
    }
    return false;
}

void RecentElements::add(const PageElement& element)
{
    if (m_elements.size() == 4)
        m_elements.erase(m_elements.begin());
    m_elements.push_back(element);
}

bool KnownAncestors::around(const std::vector<PageElement>& ancestors, size_t from) const
{
    for (size_t k = from; k < ancestors.size() && !m_flowing.empty(); ++k) {
        if (m_flowing.contains(ancestors[k]))
            return true;
    }
    return false;
}

AncestorTests::AncestorTests(const PageElement& element, const Selector* step, bool every, KnownAncestors* known)
    : m_element(element)
    , m_start(element)
    , m_known(known)
    , m_step(step)
    , m_shapes(m_ancestors, step)
    , m_every(every)
    , m_whole(TextBudget::together())
{
}

int AncestorTests::count()
{
    // Listed when first asked for: a scan that ends below them needs none.
    if (!m_element.isNull()) {
        for (PageElement e = m_element.parent(); !e.isNull(); e = e.parent())
            m_ancestors.push_back(e);
        m_element = PageElement();
    }
    return int(m_ancestors.size());
}

bool AncestorTests::matches(int i, int pos, int count)
{
    if (i >= this->count())
        return false;
    // What the ancestors before told passes on once one further out needs it.
    if (m_pending && passesOn(m_pendingFrom))
        m_inner |= m_pending;
    m_pending = 0;
    TextProbe probe(m_ancestors[size_t(i)], m_inner);
    probe.budget = &m_budget;
    probe.passesOn = true;
    if (m_known)
        probe.recent = &m_known->verdicts();
    if (m_whole) {
        probe.walk = &m_shapes;
        probe.at = size_t(i);
    }
    const bool result = probeStep(probe, m_step, pos, count);
    if (probe.outer) {
        // Where the shapes are worked out, the page's script has told.
        const int told = m_whole ? m_shapes.flowsWhole(size_t(i)) : -1;
        if (told == 1) {
            m_inner |= probe.outer;
        } else if (told < 0) {
            m_pending = probe.outer;
            m_pendingFrom = i;
        }
    }
    if (probe.read) {
        const int ahead = m_every && !hasEvidence(m_step) ? int(m_ancestors.size()) - i - 1 : 0;
        m_whole = m_whole || m_budget.spentOn(m_ancestors.back(), ahead);
        // Only the shapes of the ancestors further out need what it holds.
        if (m_whole && i + 1 < int(m_ancestors.size()))
            m_shapes.noteRead(size_t(i), probe.text);
    }
    return result;
}

bool AncestorTests::passesOn(int i)
{
    if (m_flowing <= i && !m_broken && m_known && m_known->around(m_ancestors, size_t(i)))
        m_flowing = i + 1;
    const int flowing = m_flowing;
    while (m_flowing <= i && !m_broken) {
        // The elements inside the ancestor: the one before it, known to flow,
        // and the subtrees of its other children.
        const PageElement& up = m_ancestors[size_t(m_flowing)];
        const PageElement& known = m_flowing > 0 ? m_ancestors[size_t(m_flowing) - 1] : m_start;
        bool flows = !(m_known && m_known->apart().contains(up)) && standsInFlow(up)
            && (m_flowing > 0 || flowsWhole(m_start));
        for (PageElement child = up.firstChild(); flows && !child.isNull(); child = child.nextSibling())
            flows = child == known || flowsWhole(child);
        if (flows) {
            ++m_flowing;
        } else {
            m_broken = true;
            if (m_known)
                m_known->apart().add(up);
        }
    }
    if (m_known && m_flowing > flowing)
        m_known->flowing().add(m_ancestors[size_t(m_flowing) - 1]);
    return i < m_flowing;
}

void familyOf(const PageElement& element, const Selector* step, bool siblings, TextBudget& budget, PageElements& out)
{
    PageElement e = siblings ? element.parent().firstChild() : element.firstChild();
    if (siblings && e.isNull()) {
        for (e = element; !e.previousSibling().isNull();)
            e = e.previousSibling();
    }
    for (; !e.isNull(); e = e.nextSibling()) {
        TextProbe probe(e);
        probe.budget = &budget;
        if (probeStep(probe, step, 0, 0))
            out.push_back(e);
    }
}

void familyWorkedOut(const PageElement& element, const Selector* step, bool siblings, PageElements& out)
{
    const PageElement parent = element.parent();
    // A root's siblings: the root alone.
    const bool alone = siblings && parent.isNull();
    const Subtree tree(siblings && !alone ? parent : element);
    std::vector<int> candidate(tree.order.size(), -1);
    if (alone)
        candidate[0] = 0;
    for (int c = tree.firstChild[0]; c >= 0 && !alone; c = tree.nextSibling[size_t(c)])
        candidate[size_t(c)] = 0;
    const std::vector<char> matched = tree.match(candidate, step, 0, true);
    for (size_t j = 0; j < tree.order.size(); ++j) {
        if (candidate[j] >= 0 && matched[j])
            out.push_back(tree.order[j]);
    }
}

bool familyTogether(const PageElements& current, const Selector* step, bool siblings, size_t limit, PageElements& out)
{
    if (current.empty())
        return false;
    PageElement root = current.front();
    for (PageElement up = root.parent(); !up.isNull(); up = up.parent())
        root = up;
    const Subtree tree(root);
    const size_t count = size_t(current.size());
    std::vector<int> families;
    families.reserve(count);
    for (size_t j = 0; j < tree.order.size() && families.size() < count; ++j) {
        while (families.size() < count && tree.order[j] == current.at(int(families.size()))) {
            const int family = siblings ? tree.parents[j] : int(j);
            if (family < 0)
                return false;
            families.push_back(family);
        }
    }
    if (families.size() < count)
        return false;
    std::vector<int> candidate(tree.order.size(), -1);
    for (const int family : families) {
        for (int c = tree.firstChild[size_t(family)]; c >= 0; c = tree.nextSibling[size_t(c)])
            candidate[size_t(c)] = 0;
    }
    const std::vector<char> matched = tree.match(candidate, step, 0, true);
    for (const int family : families) {
        for (int c = tree.firstChild[size_t(family)]; c >= 0; c = tree.nextSibling[size_t(c)]) {
            if (matched[size_t(c)])
                out.push_back(tree.order[size_t(c)]);
        }
        if (size_t(out.size()) > limit)
            throw TooManyElements();
    }
    return true;
}


NextScan::NextScan(const PageElement& document, const Selector* step)
    : m_document(document)
    , m_step(step)
{
}

bool NextScan::afterRead()
{
    if (m_tree || m_document.isNull() || !m_budget.spentOn(m_document))
        return m_tree != nullptr;
    workOut();
    return true;
}

void NextScan::workOut()
{
    if (m_tree || m_document.isNull())
        return;
    m_tree.reset(new Subtree(m_document));
    const size_t size = m_tree->order.size();
    const std::vector<char> matched = m_tree->match(std::vector<int>(size, 0), m_step, -1, true);
    m_nextMatch.assign(size + 1, -1);
    for (size_t j = size; j-- > 0;)
        m_nextMatch[j] = matched[j] ? int(j) : m_nextMatch[j + 1];
}

int NextScan::firstMatch(int from, int to) const
{
    if (from >= to)
        return -1;
    const int found = m_nextMatch[size_t(from)];
    return found >= 0 && found < to ? found : -1;
}

// As the rules scan: the element's subtree, its following siblings with
// theirs; then each ancestor, its children before the way up, its following
// siblings with theirs. In document order these are ranges.
bool NextScan::next(const PageElement& element, PageElement& answer)
{
    const std::vector<PageElement>& order = m_tree->order;
    const size_t size = order.size();
    size_t at = m_last;
    for (size_t tried = 0; tried < size && order[at] != element; ++tried)
        at = at + 1 < size ? at + 1 : 0;
    if (order[at] != element)
        return false;
    m_last = at;
    const auto end = [this](int j) { return j + m_tree->sizes[size_t(j)]; };
    int e = int(at);
    int found = firstMatch(e + 1, end(e));
    int parent = m_tree->parents[size_t(e)];
    if (found < 0)
        found = firstMatch(end(e), parent >= 0 ? end(parent) : int(size));
    while (found < 0 && parent >= 0) {
        if (m_nextMatch[size_t(parent)] == parent) {
            answer = order[size_t(parent)];
            return true;
        }
        found = firstMatch(parent + 1, e);
        e = parent;
        parent = m_tree->parents[size_t(e)];
        if (found < 0)
            found = firstMatch(end(e), parent >= 0 ? end(parent) : int(size));
    }
    answer = found >= 0 ? order[size_t(found)] : PageElement();
    return true;
}

} // namespace lookup
} // namespace Vexal
