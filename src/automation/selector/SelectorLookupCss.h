#pragma once

#include "shell/PageDom.h"

#include <QString>

#include <vector>

namespace Vexal {

class Selector;
class SelectorAttribute;

// What CSS, the page's own query language, can say of selector steps: the
// queries that find a step's candidates, exactly where CSS can say the step.
namespace lookup {

// Type selectors are written in lower case: HTML documents ignore the case
// of element names, XHTML documents hold them in lower case.
QString cssTag(const Selector* step);
// A CSS filter that every element matching the condition passes. "exact" is
// set when the filter passes exactly the matching elements, "always" when the
// condition holds for every element.
QString conditionFilter(const SelectorAttribute* attribute, bool& exact, bool& always);
// In an HTML document (not XHTML) a lower-case type selector matches an HTML
// element whatever the case of its name, as the name condition does.
bool isHtmlDocument(const PageElement& root);

// A CSS compound selector passing exactly the elements that match a step's
// conditions: empty when CSS cannot say it exactly. Positions and texts have no
// CSS form; names only in an HTML document.
struct ExactFilter {
    // The type selector, "*" for any element.
    QString type;
    QString conditions;
    bool valid = false;

    ExactFilter(const Selector* step, bool htmlDocument);


    QString compound() const { return type + conditions; }
};

// What one step searches for, worked out once per lookup.
struct StepPlan {
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
    // Finds an element of the tag inside another; empty where the page takes
    // no CSS.
    QString nestQuery;
    // The query answers every condition but the texts, which the page access
    // may test itself.
    bool byText = false;

    // "css": the page takes CSS beyond tag names.
    StepPlan(const Selector* step, bool css);


    // Appends the elements of the root's subtree that match the step, in
    // document order.
    void collectFrom(PageDom* dom, const PageElement& root, const Selector* step, PageElements& out) const;
    // Appends the elements of the collection that match the step, in order.
    // The collection lists elements of the root's subtree in document order.
    void collect(const PageElements& all, const Selector* step, const PageElement& root, PageElements& out) const;
    // The same by their indices in the collection.
    void collectIndices(const PageElements& all, const Selector* step, const PageElement& root,
                        std::vector<int>& out) const;
    // A candidate with candidates inside it: the innermost are tested first,
    // and what their texts prove about those around them spares reading the
    // outer texts, each of which holds all the inner ones. Returns the index
    // after the last candidate inside, having appended the indices of those
    // that match; the index of the candidate itself, having appended nothing,
    // when it holds none.
    static int collectInside(const PageElements& all, int index, const Selector* step, std::vector<int>& out);
};


} // namespace lookup
} // namespace Vexal
