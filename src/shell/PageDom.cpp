#include "shell/PageDom.h"

namespace Vexal {

PageDom::~PageDom() = default;

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

PageDom::TextTest::~TextTest() = default;

PageDom::TestedElements PageDom::selectByText(const PageElement& root, const QString& selector, const TextTest& test)
{
    TestedElements out;
    const PageElements found = select(root, selector);
    for (int i = 0; i < found.size(); ++i) {
        const PageElement& element = found.at(i);
        if (!firstChild(element).isNull()) {
            out.untested = found.mid(i);
            for (int k = i; k < found.size(); ++k)
                out.untestedAt.append(k);
            break;
        }
        const QString content = markup(element);
        TextTest::Answer answer = content.isEmpty() ? TextTest::Unknown : test.fromMarkup(content);
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
