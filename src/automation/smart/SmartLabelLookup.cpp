#include "automation/smart/SmartLabelLookup.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelIds.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartUtils.h"

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
    m_ids = m_sharedIds ? m_sharedIds : std::make_shared<SmartLabelIds>();
    collect(root, parent);
}

SmartLabel* SmartLabelLookup::newEntry(QObject* parent)
{
    auto* label = new SmartLabel(parent);
    label->shareIds(m_ids);
    return label;
}

void SmartLabelLookup::appendText(const QString& text, bool bold, const PageElement& source,
                                  const PageElements& ancestors, QObject* parent)
{
    SmartLabel* label = newEntry(parent);
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
    stack.push_back(Part{root, PageElement(), QString(), false, 0, QString(), 0, 0});
    while (!stack.empty()) {
        const Part part = std::move(stack.back());
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
            // A box that only decorates another parts no label from it.
            if (SmartElement::isDecoration(element))
                continue;
            SmartLabel* label = newEntry(parent);
            label->setElement(element);
            label->setAncestors(path);
            m_labels.append(label);
            continue;
        }
        if (part.depth > maxDepth) {
            for (const PageElement& control : element.dom()->select(element, ConstSmart::controlSelector())) {
                SmartLabel* label = newEntry(parent);
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
        splitChildren(element, first, part.depth + 1, part.markup.midRef(part.markupFrom, part.markupSize), parts);
        for (auto it = parts.rbegin(); it != parts.rend(); ++it)
            stack.push_back(std::move(*it));
    }
}

namespace {

// The markup between an element's own tags, from its markup with them
// ("<p class=\"a\">x<b>y</b></p>" gives "x<b>y</b>"); a null reference when
// the markup does not end with the element's end tag.
QStringRef innerOf(const QStringRef& outer, const QString& tag)
{
    const QString end = QStringLiteral("</") + tag + QLatin1Char('>');
    if (!outer.startsWith(QLatin1Char('<')) || !outer.endsWith(end, Qt::CaseInsensitive))
        return QStringRef();
    QChar quote;
    for (int i = 1; i < outer.size() - end.size(); ++i) {
        const QChar c = outer.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return outer.mid(i + 1, outer.size() - end.size() - i - 1);
        }
    }
    return QStringRef();
}

// The markup of an element's only child element, where it is all the
// element holds but blanks: the page escapes "<" in texts, so markup that
// starts with the child's start tag and ends with its end tag can hold no
// text or comment beside the child.
QStringRef onlyChild(const QStringRef& inner, const QString& tag)
{
    const QStringRef trimmed = inner.trimmed();
    const int name = tag.size() + 1;
    if (trimmed.size() <= name || !trimmed.startsWith(QLatin1Char('<'))
        || trimmed.mid(1, tag.size()).compare(tag, Qt::CaseInsensitive) != 0
        || !(trimmed.at(name).isSpace() || trimmed.at(name) == QLatin1Char('>') || trimmed.at(name) == QLatin1Char('/'))
        || !trimmed.endsWith(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive))
        return QStringRef();
    return trimmed;
}

} // namespace

// The text between child elements is sliced from the raw markup, so
// character references and comments stay as they stand. A child whose
// markup cannot be found in the parent's adds no text and leaves the
// position where it was. Each child's markup is handed down with it: its
// own split reads its inner markup from there rather than from the page
// again, and an only child's markup is the parent's inner markup itself.
void SmartLabelLookup::splitChildren(const PageElement& element, const PageElement& first, int depth,
                                     const QStringRef& outer, std::vector<Part>& parts) const
{
    PageDom* dom = element.dom();
    QString own;
    QStringRef inner = outer.isEmpty() ? QStringRef() : innerOf(outer, element.tagName());
    if (inner.isNull()) {
        own = dom->markup(element);
        inner = QStringRef(&own);
    }
    const QString& text = own.isNull() ? *outer.string() : own;
    if (first.nextSibling().isNull()) {
        const QStringRef child = onlyChild(inner, first.tagName());
        if (!child.isNull()) {
            parts.push_back(Part{first, PageElement(), QString(), false, depth, text, child.position(), child.size()});
            return;
        }
    }
    int position = 0;
    for (PageElement child = first; !child.isNull(); child = child.nextSibling()) {
        QString markup = dom->outerMarkup(child);
        const int found = inner.indexOf(markup, position, Qt::CaseSensitive);
        if (found > position) {
            const QString run = inner.mid(position, found - position).trimmed().toString();
            if (!run.isEmpty())
                parts.push_back(Part{PageElement(), element, run, true, depth, QString(), 0, 0});
        }
        const int size = markup.size();
        parts.push_back(Part{child, PageElement(), QString(), false, depth, std::move(markup), 0, size});
        if (found >= 0)
            position = found + size;
    }
    if (position + 1 < inner.size()) {
        const QString run = inner.mid(position).trimmed().toString();
        if (!run.isEmpty())
            parts.push_back(Part{PageElement(), element, run, true, depth, QString(), 0, 0});
    }
}

void SmartLabelLookup::writeLog(SmartLog* report)
{
    report->writeLabelSection(m_labels, QStringLiteral("Labels"));
}

} // namespace Vexal
