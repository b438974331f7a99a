#include "automation/SelectorLookup.h"

#include "automation/ConstSelector.h"
#include "automation/Selector.h"
#include "automation/SelectorAttribute.h"
#include "automation/SelectorList.h"

#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

namespace Vexal {

namespace {

// Type selectors are written in lower case: HTML documents ignore the case
// of element names, XHTML documents hold them in lower case.
QString cssTag(const Selector* step)
{
    return step->tag().toLower();
}

bool compareText(const QString& subject, const QString& value, int comparison)
{
    switch (comparison) {
    case SelectorAttribute::Equal: return subject.compare(value, Qt::CaseInsensitive) == 0;
    case SelectorAttribute::NotEqual: return subject.compare(value, Qt::CaseInsensitive) != 0;
    case SelectorAttribute::Contains: return subject.contains(value, Qt::CaseInsensitive);
    case SelectorAttribute::StartsWith: return subject.startsWith(value, Qt::CaseInsensitive);
    case SelectorAttribute::EndsWith: return subject.endsWith(value, Qt::CaseInsensitive);
    default: return false;
    }
}

bool compareNumber(int subject, int value, int comparison)
{
    if (comparison == SelectorAttribute::Equal)
        return subject == value;
    if (comparison == SelectorAttribute::NotEqual)
        return subject != value;
    return false;
}

} // namespace

SelectorLookup::SelectorLookup(QWebView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
}

QWebFrame* SelectorLookup::mainFrame() const
{
    if (!m_view || !m_view->page())
        return nullptr;
    return m_view->page()->mainFrame();
}

QList<QWebElement> SelectorLookup::find(const SelectorList* list) const
{
    QWebFrame* frame = mainFrame();
    if (!frame || !list || list->count() == 0)
        return {};
    return evaluate(frame, list);
}

QList<QWebElement> SelectorLookup::evaluate(QWebFrame* frame, const SelectorList* list) const
{
    QList<QWebElement> current = stepFirst(frame, list->at(0));
    for (int i = 1; i < list->count() && !current.isEmpty(); ++i) {
        const Selector* step = list->at(i);
        QList<QWebElement> next;
        for (const QWebElement& element : qAsConst(current)) {
            switch (step->kind()) {
            case Selector::KindParent: stepParent(element, step, next); break;
            case Selector::KindChild: stepChild(element, step, next); break;
            case Selector::KindSibling: stepSibling(element, step, next); break;
            case Selector::KindNext: stepNext(element, step, next); break;
            default: stepDown(element, step, next); break;
            }
        }
        current = next;
    }
    return current;
}

QList<QWebElement> SelectorLookup::stepFirst(QWebFrame* frame, const Selector* step) const
{
    QList<QWebElement> out;
    const QWebElementCollection all = frame->findAllElements(cssTag(step));
    const int count = all.count();
    for (int i = 0; i < count; ++i) {
        const QWebElement element = all.at(i);
        if (matchesStep(element, step, i, count))
            out.append(element);
    }
    return out;
}

void SelectorLookup::stepDown(const QWebElement& element, const Selector* step, QList<QWebElement>& out) const
{
    if (element.isNull())
        return;
    QWebElementCollection all;
    if (element.tagName().compare(ConstSelector::tagIframe(), Qt::CaseInsensitive) == 0) {
        QWebFrame* frame = frameOf(m_view, element);
        if (!frame)
            return;
        all = frame->findAllElements(cssTag(step));
    } else {
        all = element.findAll(cssTag(step));
    }
    const int count = all.count();
    for (int i = 0; i < count; ++i) {
        const QWebElement candidate = all.at(i);
        if (matchesStep(candidate, step, i, count))
            out.append(candidate);
    }
}

void SelectorLookup::stepParent(const QWebElement& element, const Selector* step, QList<QWebElement>& out) const
{
    if (element.isNull())
        return;
    QList<QWebElement> ancestors;
    for (QWebElement e = element.parent(); !e.isNull(); e = e.parent())
        ancestors.append(e);
    const int count = ancestors.size();
    for (int i = 0; i < count; ++i) {
        if (matchesStep(ancestors.at(i), step, i, count))
            out.append(ancestors.at(i));
    }
}

void SelectorLookup::stepChild(const QWebElement& element, const Selector* step, QList<QWebElement>& out) const
{
    if (element.isNull())
        return;
    QList<QWebElement> children;
    for (QWebElement e = element.firstChild(); !e.isNull(); e = e.nextSibling())
        children.append(e);
    const int count = children.size();
    for (int i = 0; i < count; ++i) {
        if (matchesStep(children.at(i), step, i, count))
            out.append(children.at(i));
    }
}

void SelectorLookup::stepSibling(const QWebElement& element, const Selector* step, QList<QWebElement>& out) const
{
    if (element.isNull())
        return;
    QWebElement first = element;
    for (QWebElement e = element.previousSibling(); !e.isNull(); e = e.previousSibling())
        first = e;
    QList<QWebElement> siblings;
    for (QWebElement e = first; !e.isNull(); e = e.nextSibling())
        siblings.append(e);
    const int count = siblings.size();
    for (int i = 0; i < count; ++i) {
        if (matchesStep(siblings.at(i), step, i, count))
            out.append(siblings.at(i));
    }
}

void SelectorLookup::stepNext(const QWebElement& element, const Selector* step, QList<QWebElement>& out) const
{
    if (element.isNull())
        return;
    const QWebElement next = findNext(element, step);
    if (!next.isNull())
        out.append(next);
}

QWebElement SelectorLookup::findNext(const QWebElement& element, const Selector* step) const
{
    for (QWebElement start = element; !start.isNull(); start = start.parent()) {
        const QWebElement found = scanForward(start, element, step);
        if (!found.isNull())
            return found;
    }
    return QWebElement();
}

QWebElement SelectorLookup::scanForward(const QWebElement& start, const QWebElement& skip, const Selector* step) const
{
    for (QWebElement e = start; !e.isNull(); e = e.nextSibling()) {
        if (e != skip && matchesStep(e, step, 0, -1))
            return e;
        const QWebElementCollection all = e.findAll(ConstSelector::all());
        const int count = all.count();
        for (int i = 0; i < count; ++i) {
            const QWebElement candidate = all.at(i);
            if (candidate != skip && matchesStep(candidate, step, 0, -1))
                return candidate;
        }
    }
    return QWebElement();
}

QWebFrame* SelectorLookup::frameOf(QWebView* view, const QWebElement& element)
{
    if (!view || !view->page() || !view->page()->mainFrame() || element.isNull())
        return nullptr;
    // Frames are listed in the order they were created, which differs from
    // document order once a script adds one: match each by its owner element.
    const QList<QWebFrame*> frames = view->page()->mainFrame()->childFrames();
    for (QWebFrame* frame : frames) {
        if (frame && frame->ownerElement() == element)
            return frame;
    }
    return nullptr;
}

bool SelectorLookup::matchesStep(const QWebElement& element, const Selector* step, int pos, int count)
{
    if (element.isNull() || !step)
        return false;
    const int n = step->attributeCount();
    if (n == 0)
        return true;
    switch (step->join()) {
    case Selector::JoinAll:
        for (int i = 0; i < n; ++i) {
            if (!matches(element, step->attributeAt(i), pos, count))
                return false;
        }
        return true;
    case Selector::JoinAny:
        for (int i = 0; i < n; ++i) {
            if (matches(element, step->attributeAt(i), pos, count))
                return true;
        }
        return false;
    default:
        return false;
    }
}

bool SelectorLookup::matches(const QWebElement& element, const SelectorAttribute* attribute, int pos, int count)
{
    if (!attribute)
        return false;
    switch (attribute->keyword()) {
    case SelectorAttribute::KeywordFirst:
        return compareNumber(pos, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordLast:
        return compareNumber(count - pos - 1, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordName:
        return compareText(element.tagName(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordText:
        return compareText(element.toPlainText(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordTrimmed:
        return compareText(element.toPlainText().trimmed(), attribute->value(), attribute->comparison());
    default:
        return compareText(element.attribute(attribute->name()), attribute->value(), attribute->comparison());
    }
}

} // namespace Vexal
