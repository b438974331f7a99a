#include "shell/PageDom.h"

#include <algorithm>

namespace Vexal {

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
