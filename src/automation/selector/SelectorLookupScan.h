#pragma once

#include "automation/selector/SelectorLookupProbe.h"
#include "automation/selector/SelectorLookupShapes.h"
#include "automation/selector/SelectorLookupText.h"

#include <memory>
#include <vector>

namespace Vexal {

class Selector;

// Scans of selector steps over subtrees, ancestors and families of elements,
// with their texts tested together where elements nest.
namespace lookup {

// The elements of a subtree in document order, each with the index of its
// parent, of its first child and next sibling, and the size of its own subtree.
struct Subtree {
    std::vector<PageElement> order;
    std::vector<int> parents;
    std::vector<int> sizes;
    std::vector<int> firstChild;
    std::vector<int> nextSibling;

    explicit Subtree(const PageElement& root);

    // Tests the candidates, given by their positions (-1 for none), innermost
    // first: what their texts prove about those around them spares reading
    // the outer texts, each of which holds all the inner ones. Texts are read
    // until working out the shapes of the whole subtree costs less, or from
    // the start when "whole" is set.
    std::vector<char> match(const std::vector<int>& candidate, const Selector* step, int count,
                            bool whole = false) const;

private:
    // Whether the text of an element stands whole in the texts around it
    // (lookup::flowsWhole), "known" for each element whose subtree was
    // looked at (-1 for not yet): subtrees known to flow are skipped.
    bool flowsWhole(size_t j, std::vector<signed char>& known) const;
};

// The last few elements put in, to ask whether one is among them.
class RecentElements
{
public:
    bool contains(const PageElement& element) const;
    void add(const PageElement& element);
    bool empty() const { return m_elements.empty(); }

private:
    std::vector<PageElement> m_elements;
};

// What the ancestor tests of one step found, shared by the tests of its
// elements, which share ancestors (and stand in a step's list many times
// over: each parent of each element found, and so on): the last few elements
// found to flow whole (flowsWhole; everything inside them flows whole too) or
// not, and what the texts of the last ancestors read told.
class KnownAncestors
{
public:
    // Whether one of the ancestors from "from" on is known to flow whole.
    bool around(const std::vector<PageElement>& ancestors, size_t from) const;
    RecentElements& flowing() { return m_flowing; }
    const RecentElements& apart() const { return m_apart; }
    RecentElements& apart() { return m_apart; }
    RecentVerdicts& verdicts() { return m_verdicts; }

private:
    RecentElements m_flowing;
    RecentElements m_apart;
    RecentVerdicts m_verdicts;
};

// Tests the ancestors of an element in turn, nearest first. Each holds the
// ones before it: their texts may decide its own. Far ones hold long texts:
// once reading them costs more, their shapes are worked out instead.
class AncestorTests
{
public:
    // "every": each ancestor is tested, not only those up to the first match.
    // "known": shared with the tests of other elements, if any.
    AncestorTests(const PageElement& element, const Selector* step, bool every, KnownAncestors* known = nullptr);

    int count();

    const PageElement& at(int i) const { return m_ancestors[size_t(i)]; }

    // For each ancestor in turn, from the nearest one on.
    bool matches(int i, int pos, int count);

private:
    // Whether what the text of the i-th ancestor tells may pass on to those
    // around it: its text stands whole in theirs (lookup::flowsWhole).
    bool passesOn(int i);

    PageElement m_element;
    const PageElement m_start;
    KnownAncestors* m_known;
    const Selector* m_step;
    std::vector<PageElement> m_ancestors;
    ShapeWalk m_shapes;
    TextBudget m_budget;
    bool m_every;
    // The shapes of the texts are worked out instead of read.
    bool m_whole;
    quint32 m_inner = 0;
    // What the last ancestor tested told, to pass on if its text stands
    // whole in the next one's: asked only when that one is tested.
    quint32 m_pending = 0;
    int m_pendingFrom = 0;
    // The nearest ancestors whose texts stand whole in those around them;
    // once one does not, none further out does.
    int m_flowing = 0;
    bool m_broken = false;
};

// What the next-element searches of one step share. Each search reads texts
// as the rules scan; the reads of all of them are weighed against working out
// the texts of the whole document once: after that every search answers from
// the document's elements in order, without a read.
class NextScan
{
public:
    NextScan(const PageElement& document, const Selector* step);

    const PageElement& document() const { return m_document; }

    // Called after a search read a text: true once the whole document is
    // worked out.
    bool afterRead();
    // Works out the texts of the whole document now.
    void workOut();
    bool whole() const { return m_tree != nullptr; }
    // The answer of a search from the whole document: the first element
    // after the element in the order of the scan that matches (null for
    // none). False when the element is not in the document.
    bool next(const PageElement& element, PageElement& found);
    TextBudget& budget() { return m_budget; }
    // For the ancestor tests of the searches.
    KnownAncestors& known() { return m_known; }

private:
    // The first matching element in [from, to) of the document order, or -1.
    int firstMatch(int from, int to) const;

    PageElement m_document;
    const Selector* m_step;
    TextBudget m_budget;
    KnownAncestors m_known;
    std::unique_ptr<Subtree> m_tree;
    // For each place in document order, the first match from there on.
    std::vector<int> m_nextMatch;
    // Where the last element was found: the next is searched from there.
    size_t m_last = 0;
};

// Thrown where a step would hold more elements than a lookup may.
struct TooManyElements {
};

// The children (or siblings) of one element, for a text step without
// positions, their texts read one by one.
void familyOf(const PageElement& element, const Selector* step, bool siblings, TextBudget& budget, PageElements& out);
// The same with the subtree that holds them (the element's, or its parent's
// for siblings) worked out before any of their texts is read.
void familyWorkedOut(const PageElement& element, const Selector* step, bool siblings, PageElements& out);
// The children (or siblings) of many elements at once, for a text step without
// positions. Where they hold one another, as the levels of a chain of elements
// one inside the next do, each text read would hold all the inner ones: tested
// together, innermost first, the inner texts decide the outer ones. Only for
// elements of one document in document order; false, having appended nothing,
// otherwise. TooManyElements once "out" holds more than the limit.
bool familyTogether(const PageElements& current, const Selector* step, bool siblings, size_t limit, PageElements& out);

} // namespace lookup
} // namespace Vexal
