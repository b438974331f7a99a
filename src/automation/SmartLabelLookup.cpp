#include "automation/SmartLabelLookup.h"

#include "automation/ConstSmart.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLog.h"
#include "automation/SmartUtils.h"

#include <algorithm>
#include <vector>

namespace Vexal {

SmartLabelLookup::SmartLabelLookup(QObject* parent)
    : SmartLookup(parent)
{
}

void SmartLabelLookup::lookup(const PageElement& root, QObject* parent)
{
    clear();
    if (root.isNull()) {
        SmartLog::instance()->error(QStringLiteral("Root"));
        return;
    }
    collect(root, parent);
}

void SmartLabelLookup::appendText(const QString& text, bool bold, const PageElement& source,
                                  const PageElements& ancestors, QObject* parent)
{
    auto* label = new SmartLabel(parent);
    label->setText(text);
    label->setBold(bold);
    label->setSource(source);
    label->setAncestors(ancestors);
    m_labels.append(label);
}

// Depth-first in document order with an explicit stack: pending text runs
// and elements wait on it in reverse order. The path from the document root
// down to the entry in hand gives each entry its ancestors, so that entries
// share the elements of the ancestors they have in common.
void SmartLabelLookup::collect(const PageElement& root, QObject* parent)
{
    PageElements path;
    for (PageElement e = root.parent(); !e.isNull(); e = e.parent())
        path.append(e);
    std::reverse(path.begin(), path.end());
    const int top = path.size();
    std::vector<Part> stack;
    std::vector<Part> parts;
    stack.push_back(Part{root, PageElement(), QString(), false, 0});
    while (!stack.empty()) {
        const Part part = stack.back();
        stack.pop_back();
        // What lies above the entry: its source's chain for a text run.
        path.resize(top + part.depth);
        if (part.isText) {
            appendText(part.text, false, part.source, path, parent);
            continue;
        }
        const PageElement& element = part.element;
        if (element.isNull())
            continue;
        path.append(element);
        const QString tag = element.tagName();
        if (SmartUtils::equalsNoCase(tag, ConstSmart::tagScript())
            || SmartUtils::equalsNoCase(tag, ConstSmart::tagOption()))
            continue;
        if (SmartUtils::isDisplayNone(element, false) || SmartUtils::isHidden(element))
            continue;
        if (SmartUtils::isControlTag(tag)) {
            auto* label = new SmartLabel(parent);
            label->setElement(element);
            label->setAncestors(path);
            m_labels.append(label);
            continue;
        }
        if (part.depth > maxDepth) {
            for (const PageElement& control : element.dom()->select(element, ConstSmart::controlSelector())) {
                auto* label = new SmartLabel(parent);
                label->setElement(control);
                m_labels.append(label);
            }
            continue;
        }
        const PageElement first = element.firstChild();
        if (first.isNull()) {
            const QString text = element.toPlainText().trimmed();
            if (!text.isEmpty()) {
                const bool bold = SmartUtils::equalsNoCase(tag, ConstSmart::tagB())
                    || SmartUtils::equalsNoCase(tag, ConstSmart::tagStrong())
                    || tag.startsWith(QLatin1Char('h'), Qt::CaseInsensitive);
                appendText(text, bold, element, path, parent);
            }
            continue;
        }
        parts.clear();
        splitChildren(element, first, part.depth + 1, parts);
        for (auto it = parts.rbegin(); it != parts.rend(); ++it)
            stack.push_back(std::move(*it));
    }
}

// The text between child elements is sliced from the raw markup, so
// character references and comments stay as they stand. A child whose
// markup cannot be found in the parent's adds no text and leaves the
// position where it was.
void SmartLabelLookup::splitChildren(const PageElement& element, const PageElement& first, int depth,
                                     std::vector<Part>& parts) const
{
    PageDom* dom = element.dom();
    const QString inner = dom->markup(element);
    int position = 0;
    for (PageElement child = first; !child.isNull(); child = child.nextSibling()) {
        const QString markup = dom->outerMarkup(child);
        const int found = inner.indexOf(markup, position, Qt::CaseSensitive);
        if (found > position) {
            const QString text = inner.mid(position, found - position).trimmed();
            if (!text.isEmpty())
                parts.push_back(Part{PageElement(), element, text, true, depth});
        }
        parts.push_back(Part{child, PageElement(), QString(), false, depth});
        if (found >= 0)
            position = found + markup.size();
    }
    if (position + 1 < inner.size()) {
        const QString text = inner.mid(position).trimmed();
        if (!text.isEmpty())
            parts.push_back(Part{PageElement(), element, text, true, depth});
    }
}

void SmartLabelLookup::writeLog(SmartLog* report)
{
    report->writeLabelSection(m_labels, QStringLiteral("Labels"));
}

} // namespace Vexal
