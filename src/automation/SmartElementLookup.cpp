#include "automation/SmartElementLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
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
    walk(body, parent);
    filter();
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
        if (SmartUtils::isControl(element)) {
            const bool hidden = SmartUtils::isHidden(element);
            auto* control = new SmartElement(parent);
            m_elements.append(control);
            control->setElement(element);
            control->setVisible(!displayNone && !hidden);
        }
        children.clear();
        for (QWebElement child = element.firstChild(); !child.isNull(); child = child.nextSibling())
            children.push_back(child);
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
        if ((element->hasIdOrName() || m_unnamed) && type >= 1 && type <= 13 && m_accept[type])
            m_filtered.append(element);
    }
}

void SmartElementLookup::log(const QString& title)
{
    SmartLog* report = SmartLog::instance();
    if (!report->isEnabled())
        return;
    report->newLine();
    report->writeLine(title);
    report->writeVisibilitySection(m_elements, QStringLiteral("Elements"));
    report->writeElementSection(m_visible, QStringLiteral("Visisble"));
    report->writeElementSection(m_filtered, QStringLiteral("Filtered"));
}

} // namespace Vexal
