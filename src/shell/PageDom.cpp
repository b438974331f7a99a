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
