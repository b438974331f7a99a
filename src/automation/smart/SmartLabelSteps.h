#pragma once

#include <QList>

namespace Vexal {

class SmartLabel;

// Steps along a form's label sequence (SmartLabelLookup) from one entry to
// another, which the readers of a control's texts (SmartOwnTexts) and of a
// row's captions (SmartCaptions) both take.
namespace SmartLabelSteps {

// The index of the control entry before the entry at index; -1 for none.
int previousControl(const QList<SmartLabel*>& labels, int index);
// The index of the first control entry after the entry at index (the
// sequence's size for none).
int afterEnd(const QList<SmartLabel*>& labels, int index);
// Nothing but separators ("(", "-", "/") stands between the controls at the
// two entries: no text with a letter, no other control.
bool onlySeparatorsBetween(const QList<SmartLabel*>& labels, int from, int to);
// A control that takes a typed or chosen value: a box or a choice list, not
// a tick, a button or a frame.
bool takesValue(const SmartLabel* entry);

} // namespace SmartLabelSteps

} // namespace Vexal
