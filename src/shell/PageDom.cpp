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

} // namespace Vexal
