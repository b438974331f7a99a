#include "automation/smart/SmartLabelShape.h"

#include "automation/smart/SmartKeywords.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelSteps.h"
#include "automation/smart/SmartUtils.h"

#include <QRect>

namespace Vexal {

namespace SmartLabelShape {

namespace {

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
    return SmartUtils::hasLetter(caption) ? caption : text;
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

bool captionBeside(const QList<SmartLabel*>& labels, int index, const SmartLabel* text)
{
    if (text->wordCount() == 0 || index < 0 || !text->labelTarget().isNull()
        || !SmartLabelSteps::takesValue(labels.at(index)))
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

} // namespace SmartLabelShape

} // namespace Vexal
