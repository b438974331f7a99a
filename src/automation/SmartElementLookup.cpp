#include "automation/SmartElementLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSecurityOrigin>
#include <QWebView>

#include <utility>
#include <vector>

namespace Vexal {

SmartElementLookup::SmartElementLookup(QObject* parent)
    : SmartLookup(parent)
{
}

void SmartElementLookup::lookup(QWebView* view, QObject* parent)
{
    clear();
    SmartLog* report = SmartLog::instance();
    if (!view) {
        report->error(QStringLiteral("View"));
        return;
    }
    QWebPage* page = view->page();
    if (!page) {
        report->error(QStringLiteral("Page"));
        return;
    }
    QWebFrame* frame = page->mainFrame();
    if (!frame) {
        report->error(QStringLiteral("Frame"));
        return;
    }
    const QWebElement body = frame->findFirstElement(ConstSmart::tagBody());
    if (body.isNull()) {
        report->error(QStringLiteral("Body"));
        return;
    }
    m_frames.clear();
    collectFrames(frame, frame);
    walk(body, parent);
    filter();
}

// Frames whose page comes from the page's own site are part of it (a
// sign-up form or a rich-text editor in an IFRAME); others are not read.
void SmartElementLookup::collectFrames(QWebFrame* frame, QWebFrame* main)
{
    const QWebSecurityOrigin origin = main->securityOrigin();
    for (QWebFrame* child : frame->childFrames()) {
        if (!child)
            continue;
        const QWebSecurityOrigin own = child->securityOrigin();
        const bool sameSite = own.scheme() == origin.scheme() && own.host() == origin.host()
            && own.port() == origin.port();
        // A frame written by the page's own script (an editor) has no address.
        const QUrl url = child->requestedUrl();
        const bool blank = url.isEmpty() || url.scheme() == QLatin1String("about");
        if (!sameSite && !blank)
            continue;
        const QWebElement body = child->findFirstElement(ConstSmart::tagBody());
        const bool editor = !body.isNull()
            && (SmartUtils::equalsNoCase(body.attribute(QStringLiteral("contenteditable")), QStringLiteral("true"))
                || (body.hasAttribute(QStringLiteral("contenteditable"))
                    && body.attribute(QStringLiteral("contenteditable")).isEmpty())
                || SmartUtils::equalsNoCase(child->evaluateJavaScript(QStringLiteral("document.designMode")).toString(),
                                            QStringLiteral("on")));
        m_frames.append(Frame{child->ownerElement(), child, editor});
        collectFrames(child, main);
    }
}

const SmartElementLookup::Frame* SmartElementLookup::frameOwnedBy(const QWebElement& element) const
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
void SmartElementLookup::walk(const QWebElement& root, QObject* parent)
{
    std::vector<std::pair<QWebElement, bool>> stack;
    std::vector<QWebElement> children;
    stack.emplace_back(root, false);
    while (!stack.empty()) {
        const QWebElement element = stack.back().first;
        const bool inherited = stack.back().second;
        stack.pop_back();
        if (element.isNull())
            continue;
        const bool displayNone = SmartUtils::isDisplayNone(element, inherited);
        bool seen = !displayNone;
        if (SmartUtils::isControl(element)) {
            const bool hidden = SmartUtils::isHidden(element);
            auto* control = new SmartElement(parent);
            m_elements.append(control);
            control->setElement(element);
            seen = !displayNone && !hidden;
            // Trap fields are filled by robots only: they count as hidden.
            const int type = control->type();
            if (seen && (type == SmartElement::TypeText || type == SmartElement::TypeTextArea))
                seen = !SmartUtils::isHoneypot(element);
            control->setVisible(seen);
        }
        children.clear();
        for (QWebElement child = element.firstChild(); !child.isNull(); child = child.nextSibling())
            children.push_back(child);
        // The document of a frame of the same site follows its IFRAME, and is
        // hidden with it.
        if (!m_frames.isEmpty() && SmartUtils::equalsNoCase(element.tagName(), ConstSmart::tagIFrame())) {
            if (const Frame* frame = frameOwnedBy(element)) {
                const QWebElement body = frame->frame->findFirstElement(ConstSmart::tagBody());
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
        if (!named && type == SmartElement::TypeIFrame) {
            const Frame* frame = frameOwnedBy(element->element());
            named = frame && frame->editor;
        }
        if (named && type >= 1 && type <= 13 && m_accept[type])
            m_filtered.append(element);
    }
}

void SmartElementLookup::writeLog(SmartLog* report)
{
    report->writeVisibilitySection(m_elements, QStringLiteral("Elements"));
    report->writeElementSection(m_visible, QStringLiteral("Visisble"));
    report->writeElementSection(m_filtered, QStringLiteral("Filtered"));
}

} // namespace Vexal
