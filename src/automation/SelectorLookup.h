#pragma once

#include "shell/PageDom.h"

#include <QObject>

#include <memory>
#include <vector>

class QWebView;

namespace Vexal {

class Selector;
class SelectorAttribute;
class SelectorList;
class WebKitPageDom;

namespace lookup {
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
    // The page of a web view, through a page access of the lookup's own: the
    // elements found stay valid until its next find.
    explicit SelectorLookup(QWebView* view, QObject* parent = nullptr);
    // Any page access; the elements found stay valid while it lives.
    explicit SelectorLookup(PageDom* dom, QObject* parent = nullptr);
    ~SelectorLookup() override;

    PageDom* dom() const { return m_dom; }

    // Empty when there is no page, or no list or step. The same element may
    // stand in the result more than once.
    PageElements find(const SelectorList* list) const;

    // The document that an IFRAME element of the main frame's document shows.
    static PageElement frameOf(PageDom* dom, const PageElement& element);

    static bool matchesStep(const PageElement& element, const Selector* step, int pos, int count);
    static bool matches(const PageElement& element, const SelectorAttribute* attribute, int pos, int count);

private:
    using Elements = std::vector<PageElement>;
    using Plan = lookup::StepPlan;

    Elements evaluate(const PageElement& document, const SelectorList* list) const;
    void stepFirst(const PageElement& document, const Selector* step, const Plan& plan, Elements& out) const;
    void nextInDocumentOrder(const PageElements& both, const Elements& current, const Selector* step,
                             bool disjoint, Elements& out) const;
    static bool childrenInStepOrder(const PageElements& children, const Elements& parents, Elements& out);
    void stepFamilies(const Elements& current, const Selector* step, Elements& out) const;
    void stepDown(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    void stepParent(const PageElement& element, const Selector* step, Elements& out) const;
    void stepChild(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    void stepSibling(const PageElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    // The next-element searches of one step share a scan (when they test texts).
    void stepNext(const PageElement& element, const Selector* step, lookup::NextScan* scan, Elements& out) const;
    PageElement findNext(const PageElement& element, const Selector* step, lookup::NextScan* scan = nullptr) const;
    PageElement scanForward(const PageElement& root, const PageElement& skip, const Selector* step,
                            lookup::NextScan* scan) const;

    std::unique_ptr<WebKitPageDom> m_ownDom;
    PageDom* m_dom;
};

} // namespace Vexal
