#include "automation/smart/SmartElementLookup.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartUtils.h"

#include <memory>
#include <utility>
#include <vector>

namespace Vexal {

SmartElementLookup::SmartElementLookup(QObject* parent)
    : SmartLookup(parent)
{
}

void SmartElementLookup::lookup(const PageDomHandle& page, QObject* parent)
{
    if (!page) {
        clear();
        SmartLog::instance()->error(QStringLiteral("View"));
        return;
    }
    lookup(*page, parent);
}

void SmartElementLookup::lookup(PageDom& page, QObject* parent)
{
    clear();
    SmartLog* report = SmartLog::instance();
    const PageElement document = page.documentElement();
    const PageElement body = page.selectFirst(document, ConstSmart::tagBody());
    if (body.isNull()) {
        report->error(QStringLiteral("Body"));
        return;
    }
    m_frames.clear();
    collectFrames(page, document, page.frameOrigin(document));
    walk(body, parent);
    filter();
}

// Frames whose page comes from the page's own site are part of it (a
// sign-up form or a rich-text editor in an IFRAME); others are not read.
void SmartElementLookup::collectFrames(PageDom& page, const PageElement& document, const QString& origin)
{
    for (const PageElement& child : page.frameDocuments(document)) {
        const bool sameSite = page.frameOrigin(child) == origin;
        // A frame written by the page's own script (an editor) has no address.
        const QUrl url = page.frameUrl(child);
        const bool blank = url.isEmpty() || url.scheme() == QLatin1String("about");
        if (!sameSite && !blank)
            continue;
        const PageElement body = page.selectFirst(child, ConstSmart::tagBody());
        const QString editable = body.attribute(QStringLiteral("contenteditable"));
        const bool editor = !body.isNull()
            && (SmartUtils::equalsNoCase(editable, QStringLiteral("true"))
                || (editable.isEmpty() && body.hasAttribute(QStringLiteral("contenteditable")))
                || page.isDesignMode(child));
        m_frames.append(Frame{page.frameElement(child), child, editor});
        collectFrames(page, child, origin);
    }
}

const SmartElementLookup::Frame* SmartElementLookup::frameOwnedBy(const PageElement& element) const
{
    for (const Frame& frame : m_frames) {
        if (frame.owner == element)
            return &frame;
    }
    return nullptr;
}

// Depth-first in document order, with an explicit stack so that deeply
// nested markup cannot exhaust the call stack. "display: none" hides the
// whole subtree; a hidden type or "visibility: hidden" only the element.
void SmartElementLookup::walk(const PageElement& root, QObject* parent)
{
    std::vector<std::pair<PageElement, bool>> stack;
    std::vector<PageElement> children;
    stack.emplace_back(root, false);
    while (!stack.empty()) {
        const PageElement element = stack.back().first;
        const bool inherited = stack.back().second;
        stack.pop_back();
        if (element.isNull())
            continue;
        const bool displayNone = SmartUtils::isDisplayNone(element, inherited);
        bool seen = !displayNone;
        const QString tag = element.tagName();
        if (SmartUtils::isControlTag(tag)) {
            auto* control = new SmartElement(parent);
            m_elements.append(control);
            control->setElement(element);
            const bool hidden = SmartUtils::isHidden(element, control->typeDeclared());
            seen = !displayNone && !hidden;
            // Trap fields are filled by robots only: they count as hidden.
            const int type = control->type();
            if (seen && (type == SmartElement::TypeText || type == SmartElement::TypeTextArea))
                seen = !SmartUtils::isHoneypot(element);
            control->setVisible(seen);
        }
        children.clear();
        for (PageElement child = element.firstChild(); !child.isNull(); child = child.nextSibling())
            children.push_back(child);
        // The document of a frame of the same site follows its IFRAME, and is
        // hidden with it.
        if (!m_frames.isEmpty() && SmartUtils::equalsNoCase(tag, ConstSmart::tagIFrame())) {
            if (const Frame* frame = frameOwnedBy(element)) {
                const PageElement body = element.dom()->selectFirst(frame->document, ConstSmart::tagBody());
                if (!body.isNull())
                    stack.emplace_back(body, !seen);
            }
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.emplace_back(*it, displayNone);
    }
}

void SmartElementLookup::filter()
{
    for (SmartElement* element : qAsConst(m_elements)) {
        if (!element->isVisible())
            continue;
        m_visible.append(element);
        const int type = element->type();
        // A rich-text editor's IFRAME often has neither id nor name; it is
        // still the place an article body goes.
        bool named = element->hasIdOrName() || m_unnamed;
        if (type == SmartElement::TypeIFrame && m_accept[type]) {
            const Frame* frame = frameOwnedBy(element->element());
            if (frame && frame->editor) {
                element->setEditor(true);
                element->setEditedArea(editedArea(element));
                named = true;
            }
        }
        if (named && type >= 1 && type <= 13 && m_accept[type])
            m_filtered.append(element);
    }
}

namespace {

// The part of a frame's id after the id of the text area it edits: "_ifr"
// of "content_ifr", "-iframe", "_frame".
bool editorSuffix(const QString& id, int from)
{
    if (from >= id.size() || (id.at(from) != QLatin1Char('_') && id.at(from) != QLatin1Char('-')))
        return false;
    const QStringRef rest = id.midRef(from + 1);
    for (const char* suffix : {"ifr", "iframe", "frame"}) {
        if (rest.compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

PageElement SmartElementLookup::editedArea(const SmartElement* frame) const
{
    QList<const SmartElement*> areas;
    for (const SmartElement* control : m_elements) {
        if (!control->isVisible() && control->type() == SmartElement::TypeTextArea)
            areas.append(control);
    }
    if (areas.isEmpty())
        return PageElement();
    // The frame's id is the area's with the editor's suffix.
    const QString& id = frame->id();
    for (const SmartElement* area : areas) {
        const QString& own = area->id();
        if (!own.isEmpty() && id.startsWith(own) && editorSuffix(id, own.size()))
            return area->element();
    }
    // Else the one text area in the nearest block around the frame that
    // holds one, where that block holds no other frame: the editor's
    // container, or the block that holds it beside the area.
    PageElement block = frame->element().parent();
    for (int level = 0; level < EditorDepth && !block.isNull() && !SmartUtils::isFormOrBody(block);
         ++level, block = block.parent()) {
        PageDom* dom = block.dom();
        const PageElements found = dom->select(block, ConstSmart::tagTextArea());
        if (found.isEmpty())
            continue;
        if (found.size() > 1 || dom->select(block, ConstSmart::tagIFrame()).size() > 1)
            return PageElement();
        for (const SmartElement* area : areas) {
            if (area->element() == found.first())
                return area->element();
        }
        return PageElement();
    }
    return PageElement();
}

void SmartElementLookup::writeLog(SmartLog* report)
{
    report->writeVisibilitySection(m_elements, QStringLiteral("Elements"));
    report->writeElementSection(m_visible, QStringLiteral("Visisble"));
    report->writeElementSection(m_filtered, QStringLiteral("Filtered"));
}

} // namespace Vexal
