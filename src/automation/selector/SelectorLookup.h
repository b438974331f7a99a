#pragma once

#include "shell/PageDom.h"

#include <QObject>

#include <QString>

#include <vector>

namespace Vexal {

class Selector;
class SelectorAttribute;
class SelectorList;

namespace lookup {
class KnownAncestors;
class NextScan;
struct StepPlan;
}

// Finds the elements a parsed selector names in a page: the main frame, and
// through IFRAME steps the frames of the main frame's IFRAMEs. A selector that
// finds nothing gives an empty list; nothing is reported. The steps are in
// this file; their text conditions, scans and CSS queries in the
// SelectorLookup* files beside it.
class SelectorLookup : public QObject
{
    Q_OBJECT
public:
    // The page access held by its handle (or one its maker keeps); a null
    // handle reads as no page.
    explicit SelectorLookup(PageDomHandle dom, QObject* parent = nullptr);
    ~SelectorLookup() override;

    PageDom* dom() const { return m_dom.get(); }

    // Empty when there is no page, or no list or step, or when the lookup gave
    // up (error()). The same element may stand in the result more than once.
    PageElements find(const SelectorList* list) const;

    // Why the last find gave up, for the user; empty when it did not. A step
    // may keep the same elements many times over (each parent of each element
    // found, then every element below each of them): once a step would hold
    // more than the limit, or memory runs out, the lookup ends with this
    // instead of taking the program down.
    QString error() const { return m_error; }
    static constexpr int defaultLimit = 1 << 22;
    void setLimit(int elements) { m_limit = elements; }

    // The document that an IFRAME element of the main frame's document shows.
    static PageElement frameOf(PageDom* dom, const PageElement& element);

    static bool matchesStep(const PageElement& element, const Selector* step, int pos, int count);
    static bool matches(const PageElement& element, const SelectorAttribute* attribute, int pos, int count);

private:
    using Elements = PageElements;
    using Plan = lookup::StepPlan;

    // The current elements between the steps of one find().
    struct Walk;

    Elements evaluate(const PageElement& document, const SelectorList* list) const;
    // The first step's elements, when a step needs them.
    void listFirst(Walk& walk) const;
    // A child or next-element step answered by the page's own queries, where
    // a query finds exactly the current elements and CSS says the step: false
    // when it cannot be.
    bool stepByQuery(Walk& walk, const Selector* step) const;
    // Any step, element by element or, for texts, together.
    void stepEach(const Elements& current, const Selector* step, bool css, Elements& out) const;
    void nextInDocumentOrder(const PageElements& both, const Elements& current, const Selector* step,
                             Elements& out) const;
    void nextFollowing(const PageElement& document, const QString& from, const QString& to, const Selector* step,
                       Elements& out) const;
    static bool childrenInStepOrder(const PageElements& children, const Elements& parents, Elements& out);
    void stepFamilies(const Elements& current, const Selector* step, Elements& out) const;
    void stepDown(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    void stepParent(const PageElement& element, const Selector* step, lookup::KnownAncestors& known,
                    Elements& out) const;
    void stepChild(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    void stepSibling(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    // The next-element searches of one step share a scan (when they test texts).
    void stepNext(const PageElement& element, const Selector* step, lookup::NextScan* scan, Elements& out) const;
    PageElement findNext(const PageElement& element, const Selector* step, lookup::NextScan* scan = nullptr) const;
    PageElement scanForward(const PageElement& root, const PageElement& skip, const Selector* step,
                            lookup::NextScan* scan) const;

    // A step that holds more than the limit ends the lookup.
    void checkHeld(const Elements& held) const;

    PageDomHandle m_dom;
    int m_limit = defaultLimit;
    mutable QString m_error;
};

} // namespace Vexal
