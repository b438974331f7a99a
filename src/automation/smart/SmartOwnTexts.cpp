#include "automation/smart/SmartOwnTexts.h"

#include "automation/smart/ConstSmart.h"
#include "automation/smart/SmartCaptions.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartUtils.h"

#include <QRegularExpression>

#include <algorithm>

namespace Vexal {

namespace SmartOwnTexts {

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

// The text holds a mark that ends a sentence, outside character references
// (the ";" of "First &amp; last name" ends none).
bool holdsSentenceEnd(const QString& text)
{
    bool reference = false;
    for (const QChar c : text) {
        if (reference && (c.isLetterOrNumber() || c == QLatin1Char('#')))
            continue;
        if (reference && c == QLatin1Char(';')) {
            reference = false;
            continue;
        }
        reference = c == QLatin1Char('&');
        if (c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QLatin1Char(';'))
            return true;
    }
    return false;
}

} // namespace

QString captionPart(const QString& text)
{
    // The hint words are the word table's (its Hint rows).
    const SmartKeywords& keywords = SmartKeywords::standard();
    const SmartKeywords::Hits hits = keywords.scan(text);
    const bool hint = keywords.holdsAny(SmartKeywords::Hint, hits);
    const int open = text.indexOf(QLatin1Char('('));
    if (!hint && open <= 0)
        return text;
    int cut = -1;
    if (open > 0) {
        const int close = text.indexOf(QLatin1Char(')'), open);
        const QString inside = text.mid(open + 1, close < 0 ? -1 : close - open - 1);
        if (SmartLabel::countWords(inside) >= 3 || (hint && keywords.firstAt(SmartKeywords::Hint, inside) >= 0))
            cut = open;
    }
    // A hint outside brackets follows a caption of a label's few words
    // ("Nickname, e.g. your first name"); after more it is part of a
    // sentence.
    if (cut < 0 && hint) {
        cut = keywords.firstAt(SmartKeywords::Hint, text);
        if (SmartLabel::countWords(text.left(cut)) > LabelWords)
            cut = -1;
    }
    // A sentence keeps its hint ("Enter words you'd like in your ID, such as
    // your first name.", "Shown to others. Use a name such as ..."): it is a
    // notice, not a caption.
    const QString caption = cut > 0 && !holdsSentenceEnd(text.left(cut)) && !holdsSentenceEnd(text.right(1))
        ? text.left(cut).trimmed() : QString();
    return hasLetter(caption) ? caption : text;
}

namespace {

// The words of a text that gives a hint are those of its caption.
bool labelLikeWords(const QString& text, int words)
{
    return words > 0 && ((words <= LabelWords && text.size() <= LabelLength) || text.endsWith(QLatin1Char(':')));
}

} // namespace

bool labelLike(const SmartLabel* text)
{
    if (labelLikeWords(text->text(), text->wordCount()))
        return true;
    const QString caption = text->wordCount() > LabelWords ? captionPart(text->text()) : text->text();
    return caption.size() < text->text().size() && labelLikeWords(caption, SmartLabel::countWords(caption));
}

bool labelLike(const QString& text)
{
    const QString trimmed = text.trimmed();
    const int words = SmartLabel::countWords(trimmed);
    if (labelLikeWords(trimmed, words))
        return true;
    const QString caption = words > LabelWords ? captionPart(trimmed) : trimmed;
    return caption.size() < trimmed.size() && labelLikeWords(caption, SmartLabel::countWords(caption));
}

bool takesValue(const SmartLabel* entry)
{
    if (entry->isText())
        return false;
    const int type = SmartElement::typeOf(entry->element());
    return type == SmartElement::TypeText || type == SmartElement::TypePassword || type == SmartElement::TypeSelect
        || type == SmartElement::TypeTextArea;
}

bool captionBeside(const QList<SmartLabel*>& labels, int index, const SmartLabel* text)
{
    if (text->wordCount() == 0 || index < 0 || !text->labelTarget().isNull() || !takesValue(labels.at(index)))
        return false;
    int nearest = index - 1;
    while (nearest >= 0 && labels.at(nearest)->isText() && labels.at(nearest)->wordCount() == 0)
        --nearest;
    if (nearest < 0 || labels.at(nearest) != text)
        return false;
    // A caption that gives a hint is read without it.
    if (text->wordCount() > CaptionWords || text->text().size() > CaptionLength || holdsSentenceEnd(text->text())) {
        const QString caption = captionPart(text->text());
        if (caption.size() == text->text().size() || SmartLabel::countWords(caption) > CaptionWords
            || caption.size() > CaptionLength || holdsSentenceEnd(caption))
            return false;
    }
    // On the box's line: the text's box shares rows with the control's.
    const QRect& box = labels.at(index)->rect();
    const QRect& rect = text->rect();
    return !box.isEmpty() && !rect.isEmpty() && rect.top() <= box.bottom() && box.top() <= rect.bottom();
}

bool within(const SmartLabel* text, const PageElement& element)
{
    return !element.isNull() && chainHolds(text->ancestors(), element);
}

int previousControl(const QList<SmartLabel*>& labels, int index)
{
    int previous = index - 1;
    while (previous >= 0 && labels.at(previous)->isText())
        --previous;
    return previous;
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
        if (text->isText() && text->labelTarget().isNull() && labelOf(labels, index, text))
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

int afterEnd(const QList<SmartLabel*>& labels, int index)
{
    int end = index + 1;
    while (end < labels.size() && labels.at(end)->isText())
        ++end;
    return end;
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

QList<const SmartLabel*> textsBefore(const QList<SmartLabel*>& labels, int index)
{
    const int previous = previousControl(labels, index);
    QList<const SmartLabel*> texts =
        previous < 0 ? leadingLabel(labels, index) : textsBetween(labels, index, previous);
    SmartCaptions::captionOver(labels, index, previous, &texts);
    return texts;
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
        if (target.isNull() ? labelOf(labels, index, text) && within(text, container) : target == control)
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
        if (labelOf(labels, index, text) || !text->labelTarget().isNull()) {
            own << text;
            break;
        }
    }
    return own;
}

bool hasLetter(const QString& text)
{
    // Without a character reference the letters are the text's own.
    if (!text.contains(QLatin1Char('&')))
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    static const QRegularExpression reference(QStringLiteral("&#?\\w+;"));
    const QString bare = QString(text).remove(reference);
    for (const QChar c : bare) {
        if (c.isLetter())
            return true;
    }
    return false;
}

namespace {

// The text as the page shows it, for the few character references that
// stand around an "@" (texts are read from the markup).
QString shownText(QString raw)
{
    raw.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    raw.replace(QLatin1String("&#64;"), QLatin1String("@"));
    raw.replace(QLatin1String("&#x40;"), QLatin1String("@"));
    raw.replace(QLatin1String("&commat;"), QLatin1String("@"));
    return raw.trimmed();
}

bool isTag(const PageElement& element, const QString& tag)
{
    return SmartUtils::equalsNoCase(element.tagName(), tag);
}

// A box the user fills with a few characters: "maxlength" or else "size" of
// at most five.
bool isShortBox(const PageElement& box)
{
    const int length = boxLength(box);
    return length > 0 && length <= 5;
}

} // namespace

int boxLength(const PageElement& box)
{
    bool ok = false;
    int length = box.attribute(QStringLiteral("maxlength")).toInt(&ok);
    if (!ok || length <= 0)
        length = box.attribute(QStringLiteral("size")).toInt(&ok);
    return ok && length > 0 ? length : -1;
}

bool followedByDomain(const QList<SmartLabel*>& labels, int index)
{
    static const QRegularExpression domain(QStringLiteral("^@\\s*[\\w-]+(\\.[\\w-]+)+"));
    static const QRegularExpression wholeDomain(QStringLiteral("^@\\s*[\\w-]+(\\.[\\w-]+)+$"));
    if (index < 0)
        return false;
    const int next = afterEnd(labels, index);
    const PageElement list = next < labels.size() && isTag(labels.at(next)->element(), ConstSmart::tagSelect())
        ? labels.at(next)->element() : PageElement();
    // Without a choice list after it, only an "@" among the texts up to the
    // next control (or a character reference, which may write one) tells.
    bool at = false;
    for (int i = index + 1; i < next && !at; ++i)
        at = labels.at(i)->text().contains(QLatin1Char('@')) || labels.at(i)->text().contains(QLatin1Char('&'));
    if (!at && list.isNull())
        return false;
    // The text that runs on from the box in its parent, else its own text
    // after it (the next cell of its row).
    QList<const SmartLabel*> after = ownTextsAfter(labels, index);
    if (index + 1 < next && within(labels.at(index + 1), labels.at(index)->element().parent()))
        after.prepend(labels.at(index + 1));
    if (!after.isEmpty()) {
        const QString text = shownText(after.first()->text());
        if (domain.match(text).hasMatch() || (text == QLatin1String("@") && !list.isNull()))
            return true;
    }
    if (list.isNull())
        return false;
    for (const PageElement& option : list.dom()->select(list, ConstSmart::tagOption())) {
        if (wholeDomain.match(option.toPlainText().trimmed()).hasMatch())
            return true;
    }
    return false;
}

QString withoutRequiredWords(const QString& text, const SmartKeywords& keywords)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*[(\\[]([^()\\[\\]]*)[)\\]]"));
    QString out = text;
    if (!text.contains(QLatin1Char('(')) && !text.contains(QLatin1Char('[')))
        return out;
    for (auto it = bracketed.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString inside = match.captured(1);
        if (SmartLabel::countWords(inside) <= 2 && keywords.holdsAny(SmartKeywords::RequiredNote, keywords.scan(inside)))
            out.replace(match.captured(0), QString());
    }
    return out;
}

bool required(const PageElement& box, const QList<SmartLabel*>& labels, int index, const SmartKeywords& keywords)
{
    if (box.hasAttribute(QStringLiteral("required"))
        || SmartUtils::equalsNoCase(box.attribute(QStringLiteral("aria-required")).trimmed(), QStringLiteral("true")))
        return true;
    if (index < 0)
        return false;
    const int next = afterEnd(labels, index);
    const bool nextTakesText = next < labels.size() && labels.at(next)->element().parent() == box.parent()
        && SmartElement::typeOf(labels.at(next)->element()) != SmartElement::TypeCheckBox
        && SmartElement::typeOf(labels.at(next)->element()) != SmartElement::TypeRadio;
    for (const SmartLabel* text : ownTexts(labels, index)) {
        const QString trimmed = text->text().trimmed();
        if (trimmed.endsWith(QLatin1Char('*'))) {
            // A star alone may end the note before it ("Required field <span>*</span>").
            const int at = labels.indexOf(const_cast<SmartLabel*>(text));
            const QString note = !hasLetter(trimmed) && at > 0 && labels.at(at - 1)->isText()
                ? labels.at(at - 1)->text() + trimmed : trimmed;
            if (!keywords.holdsAny(SmartKeywords::RequiredNote, keywords.scan(note))
                && !(nextTakesText && text == labels.at(next - 1)))
                return true;
            continue;
        }
        if (withoutRequiredWords(trimmed, keywords) != trimmed)
            return true;
    }
    return false;
}

bool continuesNumber(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    const PageElement& first = labels.at(from)->element();
    const PageElement& second = labels.at(to)->element();
    return isShortBox(first) && isShortBox(second) && first.parent() == second.parent()
        && onlySeparatorsBetween(labels, from, to);
}

bool suffixOf(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    const PageElement& first = labels.at(from)->element();
    const PageElement& second = labels.at(to)->element();
    const int whole = boxLength(first);
    const int part = boxLength(second);
    return part > 0 && (whole < 0 || part < whole) && first.parent() == second.parent()
        && onlySeparatorsBetween(labels, from, to);
}

bool onlySeparatorsBetween(const QList<SmartLabel*>& labels, int from, int to)
{
    if (from < 0 || to <= from)
        return false;
    for (int j = from + 1; j < to; ++j) {
        if (!labels.at(j)->isText() || hasLetter(labels.at(j)->text()))
            return false;
    }
    return true;
}

} // namespace SmartOwnTexts

} // namespace Vexal
