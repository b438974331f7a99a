#pragma once

#include <QList>
#include <QString>

namespace Vexal {

class SmartLabel;

// What a label of a form's label sequence (SmartLabelLookup) looks like: a
// few words beside or above the box, or a caption with a hint about the
// answer after it.
namespace SmartLabelShape {

// A label is a few words, or a text that ends like one ("Please enter your
// e-mail:"); a longer text is a notice or a hint about the field. Where
// words are not set apart by blanks, its length tells. Punctuation alone
// (a ":" cell between a label and its box) is none.
constexpr int LabelWords = 4;
constexpr int LabelLength = 48;
bool labelLike(const SmartLabel* text);
bool labelLike(const QString& text);
// A caption may run to a few words more where it clearly is the box's own:
// the nearest text with words before a box that takes a value, whose element
// shares the box's rows (its own table cell, a block or float beside the
// box, or the box's parent it runs in), with no mark that ends a sentence
// ("Your first and last name" in the cell before the box). A longer text, a
// sentence, or a text in a block above the box stays a notice.
constexpr int CaptionWords = 7;
constexpr int CaptionLength = 64;
bool captionBeside(const QList<SmartLabel*>& labels, int index, const SmartLabel* text);
// The caption of a label without the hint it gives about the answer: the
// words from a hint word of the word table on ("e.g.", "for example", "such
// as": its Hint rows), after a caption of a label's few words, and words in
// brackets that give an example or run to a few words ("Other names (such
// as a nickname)", "Contact (your full name)"); brackets of a word or two
// ("(cont.)", "(line 2)") are the caption's own. The whole text where it
// gives no hint, or nothing before it, or is a sentence.
QString captionPart(const QString& text);
// Whether the text is a label of the box at the entry: label-like, or its
// caption beside it.
inline bool isLabelOf(const QList<SmartLabel*>& labels, int index, const SmartLabel* text)
{
    return labelLike(text) || captionBeside(labels, index, text);
}

} // namespace SmartLabelShape

} // namespace Vexal
