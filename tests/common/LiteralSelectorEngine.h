#pragma once

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorList.h"
#include "shell/PageDom.h"

// The selector rules read word for word, on any page access: every step
// queries the page afresh, every text condition reads the element's plain
// text, the next-element step scans as the rule is written. Slow and plainly
// right: the engine's answers and times are measured against it.
class LiteralSelectorEngine
{
public:
    explicit LiteralSelectorEngine(Vexal::PageDom* dom)
        : m_dom(dom)
    {
    }

    Vexal::PageElements find(const Vexal::SelectorList* list) const
    {
        using Vexal::PageElement;
        using Vexal::PageElements;
        using Vexal::Selector;
        PageElements current;
        const PageElement document = m_dom ? m_dom->documentElement() : PageElement();
        if (document.isNull() || !list || list->count() == 0)
            return current;
        const Selector* first = list->at(0);
        const PageElements all = m_dom->select(document, first->tag().toLower());
        for (int i = 0; i < all.size(); ++i) {
            if (matchesStep(all.at(i), first, i, all.size()))
                current << all.at(i);
        }
        for (int s = 1; s < list->count() && !current.isEmpty(); ++s) {
            const Selector* step = list->at(s);
            PageElements next;
            for (const PageElement& e : qAsConst(current)) {
                switch (step->kind()) {
                case Selector::KindParent: {
                    PageElements up;
                    for (PageElement p = e.parent(); !p.isNull(); p = p.parent())
                        up << p;
                    for (int i = 0; i < up.size(); ++i) {
                        if (matchesStep(up.at(i), step, i, up.size()))
                            next << up.at(i);
                    }
                    break;
                }
                case Selector::KindChild: children(e.firstChild(), step, next); break;
                case Selector::KindSibling: {
                    PageElement from = e;
                    for (PageElement p = e.previousSibling(); !p.isNull(); p = p.previousSibling())
                        from = p;
                    children(from, step, next);
                    break;
                }
                case Selector::KindNext: {
                    const PageElement found = findNext(e, step);
                    if (!found.isNull())
                        next << found;
                    break;
                }
                default: {
                    PageElements below;
                    if (e.tagName().compare(QLatin1String("IFRAME"), Qt::CaseInsensitive) == 0) {
                        const PageElement frame = m_dom->frameDocument(e, false);
                        if (!frame.isNull())
                            below = m_dom->select(frame, step->tag().toLower());
                    } else {
                        below = m_dom->select(e, step->tag().toLower());
                    }
                    for (int i = 0; i < below.size(); ++i) {
                        if (matchesStep(below.at(i), step, i, below.size()))
                            next << below.at(i);
                    }
                    break;
                }
                }
            }
            current = next;
        }
        return current;
    }

    static bool matchesStep(const Vexal::PageElement& e, const Vexal::Selector* step, int pos, int count)
    {
        using Vexal::Selector;
        if (e.isNull())
            return false;
        if (step->attributeCount() == 0)
            return true;
        if (step->join() == Selector::JoinAll) {
            for (int i = 0; i < step->attributeCount(); ++i) {
                if (!matches(e, step->attributeAt(i), pos, count))
                    return false;
            }
            return true;
        }
        if (step->join() == Selector::JoinAny) {
            for (int i = 0; i < step->attributeCount(); ++i) {
                if (matches(e, step->attributeAt(i), pos, count))
                    return true;
            }
        }
        return false;
    }

    static bool matches(const Vexal::PageElement& e, const Vexal::SelectorAttribute* a, int pos, int count)
    {
        using A = Vexal::SelectorAttribute;
        const int op = a->comparison();
        if (a->keyword() == A::KeywordFirst || a->keyword() == A::KeywordLast) {
            const int subject = a->keyword() == A::KeywordFirst ? pos : count - pos - 1;
            return op == A::Equal ? subject == a->intValue() : op == A::NotEqual && subject != a->intValue();
        }
        QString subject;
        switch (a->keyword()) {
        case A::KeywordName: subject = e.tagName(); break;
        case A::KeywordText: subject = e.toPlainText(); break;
        case A::KeywordTrimmed: subject = e.toPlainText().trimmed(); break;
        default: subject = e.attribute(a->name()); break;
        }
        const QString& value = a->value();
        switch (op) {
        case A::Equal: return subject.compare(value, Qt::CaseInsensitive) == 0;
        case A::NotEqual: return subject.compare(value, Qt::CaseInsensitive) != 0;
        case A::Contains: return subject.contains(value, Qt::CaseInsensitive);
        case A::StartsWith: return subject.startsWith(value, Qt::CaseInsensitive);
        case A::EndsWith: return subject.endsWith(value, Qt::CaseInsensitive);
        default: return false;
        }
    }

private:
    static void children(Vexal::PageElement e, const Vexal::Selector* step, Vexal::PageElements& out)
    {
        int count = 0;
        for (Vexal::PageElement c = e; !c.isNull(); c = c.nextSibling())
            ++count;
        for (int pos = 0; !e.isNull(); e = e.nextSibling(), ++pos) {
            if (matchesStep(e, step, pos, count))
                out << e;
        }
    }

    // From the element, then from each of its ancestors: the start itself
    // and its subtree, then each following sibling and its subtree.
    Vexal::PageElement findNext(const Vexal::PageElement& element, const Vexal::Selector* step) const
    {
        for (Vexal::PageElement start = element; !start.isNull(); start = start.parent()) {
            for (Vexal::PageElement s = start; !s.isNull(); s = s.nextSibling()) {
                if (s != element && matchesStep(s, step, 0, -1))
                    return s;
                const Vexal::PageElements below = m_dom->select(s, QStringLiteral("*"));
                for (const Vexal::PageElement& e : below) {
                    if (e != element && matchesStep(e, step, 0, -1))
                        return e;
                }
            }
        }
        return Vexal::PageElement();
    }

    Vexal::PageDom* m_dom;
};
