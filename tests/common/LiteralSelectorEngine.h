#pragma once

#include "automation/Selector.h"
#include "automation/SelectorAttribute.h"
#include "automation/SelectorList.h"

#include <QList>
#include <QWebElement>
#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

// The selector rules read word for word: every step queries the live page
// afresh, every text condition reads the element's plain text, the
// next-element step scans as the rule is written. Slow and plainly right: the
// engine's answers and times are measured against it.
class LiteralSelectorEngine
{
public:
    explicit LiteralSelectorEngine(QWebView* view)
        : m_view(view)
    {
    }

    QList<QWebElement> find(const Vexal::SelectorList* list) const
    {
        QList<QWebElement> current;
        if (!m_view || !m_view->page() || !list || list->count() == 0)
            return current;
        QWebFrame* main = m_view->page()->mainFrame();
        const Vexal::Selector* first = list->at(0);
        const QWebElementCollection all = main->findAllElements(first->tag().toLower());
        for (int i = 0; i < all.count(); ++i) {
            if (matchesStep(all.at(i), first, i, all.count()))
                current << all.at(i);
        }
        for (int s = 1; s < list->count() && !current.isEmpty(); ++s) {
            const Vexal::Selector* step = list->at(s);
            QList<QWebElement> next;
            for (const QWebElement& e : qAsConst(current)) {
                switch (step->kind()) {
                case Vexal::Selector::KindParent: {
                    QList<QWebElement> up;
                    for (QWebElement p = e.parent(); !p.isNull(); p = p.parent())
                        up << p;
                    for (int i = 0; i < up.size(); ++i) {
                        if (matchesStep(up.at(i), step, i, up.size()))
                            next << up.at(i);
                    }
                    break;
                }
                case Vexal::Selector::KindChild: children(e.firstChild(), step, next); break;
                case Vexal::Selector::KindSibling: {
                    QWebElement from = e;
                    for (QWebElement p = e.previousSibling(); !p.isNull(); p = p.previousSibling())
                        from = p;
                    children(from, step, next);
                    break;
                }
                case Vexal::Selector::KindNext: {
                    const QWebElement found = findNext(e, step);
                    if (!found.isNull())
                        next << found;
                    break;
                }
                default: {
                    QWebElementCollection below;
                    if (e.tagName().compare(QLatin1String("IFRAME"), Qt::CaseInsensitive) == 0) {
                        QWebFrame* frame = frameOf(main, e);
                        if (frame)
                            below = frame->findAllElements(step->tag().toLower());
                    } else {
                        below = e.findAll(step->tag().toLower());
                    }
                    for (int i = 0; i < below.count(); ++i) {
                        if (matchesStep(below.at(i), step, i, below.count()))
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

    static bool matchesStep(const QWebElement& e, const Vexal::Selector* step, int pos, int count)
    {
        if (e.isNull())
            return false;
        if (step->attributeCount() == 0)
            return true;
        if (step->join() == Vexal::Selector::JoinAll) {
            for (int i = 0; i < step->attributeCount(); ++i) {
                if (!matches(e, step->attributeAt(i), pos, count))
                    return false;
            }
            return true;
        }
        if (step->join() == Vexal::Selector::JoinAny) {
            for (int i = 0; i < step->attributeCount(); ++i) {
                if (matches(e, step->attributeAt(i), pos, count))
                    return true;
            }
        }
        return false;
    }

    static bool matches(const QWebElement& e, const Vexal::SelectorAttribute* a, int pos, int count)
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
    static void children(QWebElement e, const Vexal::Selector* step, QList<QWebElement>& out)
    {
        int count = 0;
        for (QWebElement c = e; !c.isNull(); c = c.nextSibling())
            ++count;
        for (int pos = 0; !e.isNull(); e = e.nextSibling(), ++pos) {
            if (matchesStep(e, step, pos, count))
                out << e;
        }
    }

    // From the element, then from each of its ancestors: the start itself
    // and its subtree, then each following sibling and its subtree.
    static QWebElement findNext(const QWebElement& element, const Vexal::Selector* step)
    {
        for (QWebElement start = element; !start.isNull(); start = start.parent()) {
            for (QWebElement s = start; !s.isNull(); s = s.nextSibling()) {
                if (s != element && matchesStep(s, step, 0, -1))
                    return s;
                const QWebElementCollection below = s.findAll(QStringLiteral("*"));
                for (int i = 0; i < below.count(); ++i) {
                    if (below.at(i) != element && matchesStep(below.at(i), step, 0, -1))
                        return below.at(i);
                }
            }
        }
        return QWebElement();
    }

    static QWebFrame* frameOf(QWebFrame* main, const QWebElement& element)
    {
        for (QWebFrame* frame : main->childFrames()) {
            if (frame->ownerElement() == element)
                return frame;
        }
        return nullptr;
    }

    QWebView* m_view;
};
