#pragma once

#include "automation/selector/SelectorLookupText.h"
#include "shell/PageDom.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace Vexal {

class Selector;
class SelectorAttribute;

namespace lookup {

// What is known of an element's plain text without reading it: a prefix of
// the text, a suffix of the trimmed text and whether the text ends with white
// space. The page writes the text of an element on its layout as one stream,
// the texts of the elements inside it included: the text of an inner element
// that flows with it (flowsWhole) stands in it whole, but for the white space
// before the inner text's first visible character and the white space that
// closing the inner element adds.
// So the text of an element opens with the text of an element that opens it,
// and its trimmed text closes with the trimmed text of an element that closes
// it.
struct TextShape {
    QString head;
    // The head is the whole text.
    bool whole = false;
    // A suffix of the trimmed text.
    QString core;
    // The core is the whole trimmed text.
    bool coreWhole = false;
    enum Trail { TrailUnknown, TrailSpace, TrailVisible };
    Trail trail = TrailUnknown;
    // Conditions (by index) whose value the text does not hold, white space
    // and case aside.
    quint32 lacks = 0;
    // A suffix of the text, white space included.
    QString tail;
    // The first visible character after the head, where only white space
    // comes between them.
    QChar follow;

    // The shape of a text read whole, cut to what conditions on values
    // shorter than "keep" look at: a shape lives as long as the walk that
    // keeps it, the text only while its element is tested.
    static TextShape of(const QString& text, int keep)
    {
        TextShape shape;
        int begin = 0;
        int end = text.size();
        while (end > 0 && text.at(end - 1).isSpace())
            --end;
        while (begin < end && text.at(begin).isSpace())
            ++begin;
        // The head runs on "keep" characters from the first visible one.
        shape.whole = text.size() - begin <= keep;
        shape.head = shape.whole ? text : text.left(begin + keep);
        shape.coreWhole = end - begin <= keep;
        shape.core = text.mid(shape.coreWhole ? begin : end - keep, shape.coreWhole ? end - begin : keep);
        shape.tail = text.size() <= keep ? text : text.right(keep);
        if (!text.isEmpty())
            shape.trail = text.at(text.size() - 1).isSpace() ? TrailSpace : TrailVisible;
        return shape;
    }

    // A prefix of the trimmed text: the head from its first to its last visible
    // character, which trimming the whole text keeps.
    QString trimmedHead() const
    {
        if (whole)
            return head.trimmed();
        int first = 0;
        while (first < head.size() && head.at(first).isSpace())
            ++first;
        int last = head.size();
        while (last > first && head.at(last - 1).isSpace())
            --last;
        return head.mid(first, last - first);
    }

    // How many characters the text has at least from its first visible one on
    // (of the trimmed text, for a trimmed condition).
    int knownLength(bool trimmed) const
    {
        const int fromHead = trimmed ? trimmedHead().size() : lengthFromFirstVisible(head);
        return std::max(fromHead, int(core.size()));
    }
};

// Answers a text condition from the shape of the text, when the shape is
// enough (true, with the answer in "result").
bool decideFromShape(const TextShape& shape, const SelectorAttribute* attribute, int index, bool& result);

// The subtree of a root in document order, each element with the index of
// its parent.
void subtreeInOrder(const PageElement& root, std::vector<PageElement>& order, std::vector<int>& parents);

// The shapes of the texts of a subtree's elements, listed in document order
// with the index of each one's parent, worked out innermost first as the
// candidates are tested: "shapeOf" is called for each element after every
// element inside it.
class ShapeWalk
{
public:
    ShapeWalk(const std::vector<PageElement>& order, const std::vector<int>& parents, const Selector* step)
        : m_order(order)
        , m_parents(parents)
        , m_step(step)
        , m_done(order.size())
    {
        prepare();
    }

    // For the ancestors of an element, nearest first: the walk covers the
    // subtree of the outermost one, and elements are named by their number
    // in that list.
    ShapeWalk(const std::vector<PageElement>& ancestors, const Selector* step)
        : m_order(m_ownOrder)
        , m_parents(m_ownParents)
        , m_step(step)
        , m_done(0)
        , m_ancestors(&ancestors)
    {
        prepare();
    }

    // The shape of an element's text; null when the page's script cannot tell.
    // The first call describes the subtree, and every call works out the
    // shapes of the elements after this one that are not known yet, innermost
    // first, with the texts read meanwhile.
    const TextShape* shapeOf(size_t j);

    bool started() const { return m_started; }

    // On the layout, and written as usual; known once the shape is.
    bool plain(size_t j) const
    {
        j = indexOf(j);
        return j < m_plain.size() && m_plain[j] != 0;
    }

    // The text of an element was read: its shape is the text itself, as far
    // as the step's conditions look at it.
    void noteRead(size_t j, const QString& text);

    // Whether the element's text stands whole in the texts around it
    // (flowsWhole), as the page's script tells it, the shapes worked out up
    // to the element's meanwhile: -1 where the script cannot tell.
    int flowsWhole(size_t j)
    {
        if (!shapeOf(j))
            return -1;
        j = indexOf(j);
        return j < m_flows.size() ? (m_flows[j] != Apart ? 1 : 0) : -1;
    }

private:
    size_t indexOf(size_t j) const { return m_ancestors ? (j < m_map.size() ? m_map[j] : m_order.size()) : j; }

    void prepare();
    void start();

    void derive(size_t j);

    TextShape shapeOfText(const QString& text) const;

    // Whether the text of an element can hold a value only where its child
    // nodes do not show it: within no own text, within no element inside,
    // across no seam between them, whether the own text is shown or not.
    bool lacks(size_t j, const QVector<QStringRef>& pieces, int index) const;

    const std::vector<PageElement>& m_order;
    const std::vector<int>& m_parents;
    const Selector* m_step;
    bool m_started = false;
    // The shapes from this index on are known.
    size_t m_done;
    // The shapes of texts read before the shapes were asked for, by walk
    // index and as named.
    std::map<size_t, TextShape> m_reads;
    std::map<size_t, TextShape> m_early;
    const std::vector<PageElement>* m_ancestors = nullptr;
    std::vector<size_t> m_map;
    std::vector<PageElement> m_ownOrder;
    std::vector<int> m_ownParents;
    std::vector<TextShape> m_shapes;
    std::vector<int> m_first;
    std::vector<int> m_last;
    std::vector<int> m_next;
    // Elements on the layout whose text the page writes as usual.
    std::vector<char> m_plain;
    // Elements whose texts stand whole in the texts around them
    // (flowsWhole): only the shapes of those that write them tell those of
    // the elements around; those out of the layout, or whose box clips all
    // they hold away, write nothing.
    enum : char { Apart, Written, Unwritten };
    std::vector<char> m_flows;
    QStringList m_described;
    // The bare folded value of each condition, where own texts can rule it out.
    QStringList m_needles;
    // How much of each end of a text read the walk keeps: one character more
    // than the longest value of a text condition.
    int m_keep = 1;
};


} // namespace lookup
} // namespace Vexal
