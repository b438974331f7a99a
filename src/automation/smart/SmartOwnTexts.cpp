#include "automation/smart/SmartOwnTexts.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartCaptions.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelShape.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartUtils.h"

namespace Vexal {

namespace SmartOwnTexts {

using SmartLabelSteps::afterEnd;
using SmartLabelSteps::previousControl;

namespace {

bool isInlineTag(const QString& tag)
{
    static const char* const tags[] = {"A", "B", "STRONG", "EM", "I", "U", "SPAN", "FONT", "SMALL", "LABEL",
                                       "SUP", "SUB", "BIG", "ABBR", "CODE"};
    for (const char* name : tags) {
        if (tag.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool chainHolds(const PageElements& chain, const PageElement& element)
{
    for (int i = chain.size() - 1; i >= 0; --i) {
        if (chain.at(i) == element)
            return true;
    }
    return false;
}

// The text (its source and ancestors in chain) runs in the parent itself,
// or in an inline element of it.
bool runsIn(const PageElements& chain, const PageElement& parent)
{
    return !chain.isEmpty()
        && (chain.last() == parent
            || (chain.size() > 1 && chain.at(chain.size() - 2) == parent && isInlineTag(chain.last().tagName())));
}

} // namespace

bool within(const SmartLabel* text, const PageElement& element)
{
    return !element.isNull() && chainHolds(text->ancestors(), element);
}

PageElement ownContainer(const QList<SmartLabel*>& labels, int index)
{
    // The neighbouring controls in document order are the nearest others:
    // the container stops just below the first element that holds one.
    const PageElements& chain = labels.at(index)->ancestors();
    int shared = -1;
    for (int i = index - 1; i >= 0; --i) {
        if (!labels.at(i)->isText()) {
            shared = SmartUtils::commonDepth(chain, labels.at(i)->ancestors());
            break;
        }
    }
    for (int i = index + 1; i < labels.size(); ++i) {
        if (!labels.at(i)->isText()) {
            shared = qMax(shared, SmartUtils::commonDepth(chain, labels.at(i)->ancestors()));
            break;
        }
    }
    const int depth = shared + 1;
    if (shared < 0 || depth >= chain.size() - 1)
        return PageElement();
    const QString tag = chain.at(depth).tagName();
    if (SmartUtils::equalsNoCase(tag, ConstSmart::tagForm()) || SmartUtils::equalsNoCase(tag, ConstSmart::tagBody()))
        return PageElement();
    return chain.at(depth);
}

bool namesOther(const SmartLabel* text, const SmartLabel* control, const SmartLabel* other)
{
    const PageElement& target = text->labelTarget();
    if (!target.isNull())
        return !(target == control->element());
    if (!other || text->source().isNull())
        return false;
    const PageElements& chain = text->ancestors();
    return SmartUtils::commonDepth(chain, other->ancestors()) > SmartUtils::commonDepth(chain, control->ancestors());
}

bool labelsBelow(const QList<SmartLabel*>& labels, int index, int depth)
{
    const PageElements& own = labels.at(index)->ancestors();
    if (depth < 0 || depth >= own.size())
        return false;
    const PageElement block = own.at(depth);
    auto inside = [&](int i) {
        const PageElements& chain = labels.at(i)->ancestors();
        return chain.size() > depth && chain.at(depth) == block;
    };
    int first = index;
    int start = index;
    while (start - 1 >= 0 && inside(start - 1)) {
        --start;
        if (!labels.at(start)->isText())
            first = start;
    }
    int last = index;
    int end = index;
    while (end + 1 < labels.size() && inside(end + 1)) {
        ++end;
        if (!labels.at(end)->isText())
            last = end;
    }
    const bool textBeforeFirst = first > start;
    const bool textAfterLast = last < end;
    return textAfterLast && !textBeforeFirst;
}

bool subLabelOfPrevious(const QList<SmartLabel*>& labels, int index, int text, int previous)
{
    if (previous < 0 || !labels.at(text)->labelTarget().isNull())
        return false;
    const PageElements& chain = labels.at(text)->ancestors();
    const int depth = SmartUtils::commonDepth(chain, labels.at(index)->ancestors());
    return depth == SmartUtils::commonDepth(chain, labels.at(previous)->ancestors())
        && labelsBelow(labels, index, depth);
}

QList<const SmartLabel*> leadingLabel(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own = ownTextsBefore(labels, index);
    // A mark of punctuation alone (the ":" cell between a label and its box)
    // is passed over.
    int nearest = index - 1;
    while (own.isEmpty() && nearest >= 0 && labels.at(nearest)->isText() && labels.at(nearest)->wordCount() == 0)
        --nearest;
    if (own.isEmpty() && nearest >= 0) {
        const SmartLabel* text = labels.at(nearest);
        if (text->isText() && text->labelTarget().isNull() && SmartLabelShape::isLabelOf(labels, index, text))
            own << text;
    }
    return own;
}

QList<const SmartLabel*> ownTextsBefore(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    const PageElement self = labels.at(index)->element();
    const PageElement container = ownContainer(labels, index);
    // Without a container of its own: the texts running in its parent up to
    // the control.
    bool running = container.isNull();
    for (int i = index - 1; i >= 0 && labels.at(i)->isText(); --i) {
        const SmartLabel* text = labels.at(i);
        const PageElement& target = text->labelTarget();
        bool mine = false;
        if (!target.isNull())
            mine = target == self;
        else if (!container.isNull())
            mine = chainHolds(text->ancestors(), container);
        else
            mine = running = running && runsIn(text->ancestors(), self.parent());
        if (mine)
            own << text;
    }
    return own;
}

bool ownAfter(const QList<SmartLabel*>& labels, int index, int end, const SmartLabel* text,
                                PageElement* container, bool* containerRead)
{
    const SmartLabel* self = labels.at(index);
    const PageElement& target = text->labelTarget();
    if (!target.isNull())
        return target == self->element();
    const PageElements& chain = text->ancestors();
    if (end < labels.size()) {
        const int depth = SmartUtils::commonDepth(chain, self->ancestors());
        const int next = SmartUtils::commonDepth(chain, labels.at(end)->ancestors());
        // In one block, the side the texts keep to tells: sub-labels under
        // the fields belong to the field above them.
        return depth > next || (depth == next && labelsBelow(labels, index, depth));
    }
    if (!*containerRead) {
        *containerRead = true;
        *container = ownContainer(labels, index);
    }
    return !container->isNull() && chainHolds(chain, *container);
}

QList<const SmartLabel*> ownTextsAfter(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    const int end = afterEnd(labels, index);
    PageElement container;
    bool containerRead = false;
    for (int i = index + 1; i < end; ++i) {
        if (!ownAfter(labels, index, end, labels.at(i), &container, &containerRead))
            break;
        own << labels.at(i);
    }
    return own;
}

QList<const SmartLabel*> ownTexts(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    if (index < 0)
        return own;
    const PageElement self = labels.at(index)->element();
    const PageElement container = ownContainer(labels, index);
    const PageElement parent = self.parent();
    auto isOwn = [&](const SmartLabel* text, bool after) {
        const PageElement& target = text->labelTarget();
        if (!target.isNull())
            return target == self;
        const PageElements& chain = text->ancestors();
        if (chain.isEmpty())
            return false;
        if (!container.isNull())
            return chainHolds(chain, container);
        // Boxes side by side in one parent: only the text running on from
        // the box belongs to it.
        return after && runsIn(chain, parent);
    };
    for (int i = index + 1; i < labels.size() && labels.at(i)->isText(); ++i) {
        if (!isOwn(labels.at(i), true))
            break;
        own << labels.at(i);
    }
    for (int i = index - 1; i >= 0 && labels.at(i)->isText(); --i) {
        if (!isOwn(labels.at(i), false))
            break;
        own << labels.at(i);
    }
    return own;
}

QList<const SmartLabel*> textsBetween(const QList<SmartLabel*>& labels, int index, int previous, int from, int to)
{
    QList<const SmartLabel*> texts;
    for (int i = index - 1; i > previous; --i) {
        const SmartLabel* text = labels.at(i);
        const PageElement& target = text->labelTarget();
        bool names = false;
        for (int j = from; !target.isNull() && j >= 0 && j <= to && !names; ++j)
            names = target == labels.at(j)->element();
        // A sub-label under the previous field is that field's.
        if (names
            || (!namesOther(text, labels.at(index), previous < 0 ? nullptr : labels.at(previous))
                && !subLabelOfPrevious(labels, index, i, previous)))
            texts << text;
    }
    return texts;
}

namespace {

QList<const SmartLabel*> textsAbove(const QList<SmartLabel*>& labels, int first, int before, int last)
{
    return textsBetween(labels, first, before, first, last);
}

} // namespace

QList<const SmartLabel*> textsBefore(const QList<SmartLabel*>& labels, int index)
{
    const int previous = previousControl(labels, index);
    QList<const SmartLabel*> texts =
        previous < 0 ? leadingLabel(labels, index) : textsBetween(labels, index, previous);
    SmartCaptions::captionOver(labels, index, previous, textsAbove, &texts);
    return texts;
}

bool underCaptions(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> texts;
    return index >= 0 && SmartCaptions::captionOver(labels, index, previousControl(labels, index), textsAbove, &texts);
}

QList<const SmartLabel*> ownLabel(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own;
    if (index < 0)
        return own;
    // A text its parent shares with other controls ("Birthday" before the
    // day, month and year) labels the row, not the control.
    const PageElement container = ownContainer(labels, index);
    const PageElement& control = labels.at(index)->element();
    for (const SmartLabel* text : ownTextsBefore(labels, index) + ownTextsAfter(labels, index)) {
        const PageElement& target = text->labelTarget();
        if (target.isNull() ? SmartLabelShape::isLabelOf(labels, index, text) && within(text, container) : target == control)
            own << text;
    }
    return own;
}

QList<const SmartLabel*> visibleLabel(const QList<SmartLabel*>& labels, int index)
{
    QList<const SmartLabel*> own = ownLabel(labels, index);
    if (!own.isEmpty() || index < 0)
        return own;
    // Else the label the user reads above or before it, when there is one.
    for (const SmartLabel* text : textsBefore(labels, index)) {
        if (SmartLabelShape::isLabelOf(labels, index, text) || !text->labelTarget().isNull()) {
            own << text;
            break;
        }
    }
    return own;
}
} // namespace SmartOwnTexts

} // namespace Vexal
