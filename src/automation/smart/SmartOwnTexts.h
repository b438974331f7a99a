#pragma once

#include "shell/PageDom.h"

#include <QList>

namespace Vexal {

class SmartKeywords;
class SmartLabel;

// Which texts of a form's label sequence (SmartLabelLookup) belong to which
// control. Each function takes the sequence and the index of a control's
// entry in it; the texts come nearest first unless said.
namespace SmartOwnTexts {

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
// A label of the box at the entry: label-like, or its caption beside it.
inline bool labelOf(const QList<SmartLabel*>& labels, int index, const SmartLabel* text)
{
    return labelLike(text) || captionBeside(labels, index, text);
}

// The index of the control entry before the entry at index; -1 for none.
int previousControl(const QList<SmartLabel*>& labels, int index);

// The texts that are the control's own label: first those after it, then
// those before it, within the stretch between its neighbouring controls.
// A text is the control's own when a LABEL names the control, or it lies
// in the control's own container (the largest element around the control
// that holds no other control), or, with no such container, it runs next
// to the control in the same parent. Reading stops at the first text that
// is not.
QList<const SmartLabel*> ownTexts(const QList<SmartLabel*>& labels, int index);
// The label of the form's first control, nearest text first: the texts
// before it that are its own (a LABEL for it, a text in its own container,
// or, when its parent holds other controls too, the texts that run in that
// parent right up to it). Without any, the nearest text before it when that
// is label-like (a term on the line or in the cell above). Headings and
// notices above the fields, which the texts back to the form's start hold,
// are no field's label.
QList<const SmartLabel*> leadingLabel(const QList<SmartLabel*>& labels, int index);
// The texts before the control's entry, back to the previous control, that
// are its own, as leadingLabel tells.
QList<const SmartLabel*> ownTextsBefore(const QList<SmartLabel*>& labels, int index);
// The texts after the control's entry that are its own, as ownAfter tells,
// up to the first that is not.
QList<const SmartLabel*> ownTextsAfter(const QList<SmartLabel*>& labels, int index);
// The texts that may label the control from before it: back to the previous
// control, without those that name another control or are sub-labels of
// the previous one; for the form's first control its leading label. A box
// in a row of boxes under a line of captions set side by side (table cells,
// blocks, floats: "Postcode | Extension") takes the caption in its own
// column instead, and the row's first box the texts before the captions
// after it (SmartCaptions).
QList<const SmartLabel*> textsBefore(const QList<SmartLabel*>& labels, int index);
// The texts between the previous control and the control at index, nearest
// first, that may label it: without those that name another control, and
// those that are sub-labels of the previous one. A LABEL naming one of the
// controls from "from" to "to" is kept.
QList<const SmartLabel*> textsBetween(const QList<SmartLabel*>& labels, int index, int previous, int from = -1,
                                      int to = -1);
// A control that takes a typed or chosen value: a box or a choice list, not
// a tick, a button or a frame.
bool takesValue(const SmartLabel* entry);
// The texts the page shows as the control's own label: LABEL elements
// naming it and its own label-like texts before and after it.
QList<const SmartLabel*> ownLabel(const QList<SmartLabel*>& labels, int index);
// What a user reads as the control's label: its own label, else the
// nearest label-like text before it (a label in the row above).
QList<const SmartLabel*> visibleLabel(const QList<SmartLabel*>& labels, int index);

// The text names another control than this one: a LABEL for it, or a text
// that sits closer to the other control in the page than to this.
bool namesOther(const SmartLabel* text, const SmartLabel* control, const SmartLabel* other);
// In the block at that depth around the control's entry, the texts follow
// the controls (sub-labels under the fields): the last control has a text
// after it, the first none before it.
bool labelsBelow(const QList<SmartLabel*>& labels, int index, int depth);
// The text entry between the previous control and this one, in the same
// block as both, is a sub-label of the previous one.
bool subLabelOfPrevious(const QList<SmartLabel*>& labels, int index, int text, int previous);
// The index of the first control entry after the entry at index.
int afterEnd(const QList<SmartLabel*>& labels, int index);
// The text after the control's entry (the next control at end) is the
// control's own: a LABEL names it, or it sits closer to it than to the next
// control, or, after the last control, in its own container (read once
// into container).
bool ownAfter(const QList<SmartLabel*>& labels, int index, int end, const SmartLabel* text,
              PageElement* container, bool* containerRead);
// Whether the text lies inside the element.
bool within(const SmartLabel* text, const PageElement& element);

// What the label sequence says of a box that the fill needs to know.
// The box at the entry asks for the part of an address before its "@": its
// own text right after it begins with "@" and a domain ("@post.example"), or
// is a lone "@" before a choice list, or the choice list right after it
// offers "@" and domains.
bool followedByDomain(const QList<SmartLabel*>& labels, int index);
// The box at entry "to" continues the number of the box at entry "from"
// (one number over boxes: "(555) 123-4567"): both short boxes (at most five
// characters) in one parent, with nothing but separators between.
bool continuesNumber(const QList<SmartLabel*>& labels, int from, int to);
// The box at entry "to" is the suffix of the number in the box at entry
// "from" (an extension, the four digits after a ZIP code): a shorter box in
// the same parent, with nothing but separators between.
bool suffixOf(const QList<SmartLabel*>& labels, int from, int to);
// The form must have the box (at the entry, -1 for none): the page says so
// ("required", aria-required="true"), or its own label bears the mark: a
// text of its own that ends with a star, or a word that says so in brackets
// ("(required)"); a note that says what the stars mean ("* Required
// fields", a row of the table's RequiredNote) is none. A star right before
// a text box that runs on in the box's parent marks that box ("Same as
// above", then "Street *" and its box).
bool required(const PageElement& box, const QList<SmartLabel*>& labels, int index, const SmartKeywords& keywords);
// The text without the words in brackets that say its box is required.
QString withoutRequiredWords(const QString& text, const SmartKeywords& keywords);
// The number of characters a box takes: its "maxlength", else its "size";
// -1 when it sets neither.
int boxLength(const PageElement& box);
// Nothing but separators ("(", "-", "/") stands between the controls at the
// two entries: no text with a letter, no other control.
bool onlySeparatorsBetween(const QList<SmartLabel*>& labels, int from, int to);
// A letter outside character references: "&nbsp;" and "&#8211;" are marks.
bool hasLetter(const QString& text);
// The largest element around the control that holds no other control of
// the form; null when the control's parent already holds another.
PageElement ownContainer(const QList<SmartLabel*>& labels, int index);

} // namespace SmartOwnTexts

} // namespace Vexal
