#pragma once

#include "shell/PageDom.h"

#include <QList>

namespace Vexal {

class SmartLabel;

// Which texts of a form's label sequence (SmartLabelLookup) belong to which
// control, by where they stand (SmartLabelSteps) and what they look like
// (SmartLabelShape). Each function takes the sequence and the index of a
// control's entry in it; the texts come nearest first unless said.
namespace SmartOwnTexts {

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
// Whether the box at the entry stands in a row of boxes under such a line of
// captions.
bool underCaptions(const QList<SmartLabel*>& labels, int index);
// The texts between the previous control and the control at index, nearest
// first, that may label it: without those that name another control, and
// those that are sub-labels of the previous one. A LABEL naming one of the
// controls from "from" to "to" is kept.
QList<const SmartLabel*> textsBetween(const QList<SmartLabel*>& labels, int index, int previous, int from = -1,
                                      int to = -1);
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
// The text after the control's entry (the next control at end) is the
// control's own: a LABEL names it, or it sits closer to it than to the next
// control, or, after the last control, in its own container (read once
// into container).
bool ownAfter(const QList<SmartLabel*>& labels, int index, int end, const SmartLabel* text,
              PageElement* container, bool* containerRead);
// Whether the text lies inside the element.
bool within(const SmartLabel* text, const PageElement& element);
// The largest element around the control that holds no other control of
// the form; null when the control's parent already holds another.
PageElement ownContainer(const QList<SmartLabel*>& labels, int index);

} // namespace SmartOwnTexts

} // namespace Vexal
