#pragma once

#include <QList>

namespace Vexal {

class SmartLabel;

// The captions of a row of boxes: a line of captions set side by side, in
// table cells, blocks or floats, over a row of boxes ("Postcode | Extension"
// over two boxes), each box taking the caption in its own column. Read from
// where the page draws the entries of a form's label sequence
// (SmartLabelLookup), beside the readers of a control's own texts
// (SmartOwnTexts).
namespace SmartCaptions {

// The most boxes a row under captions holds.
constexpr int MaxRow = 8;

// The caption over the box at the entry (the texts in its own column, and
// for the row's first box the texts before the captions), read once and kept
// with the entry; false where it stands under none. previous is the control
// entry before it (-1 for none).
bool captionOver(const QList<SmartLabel*>& labels, int index, int previous, QList<const SmartLabel*>* texts);
// Whether the box at the entry stands in a row under captions.
bool underCaptions(const QList<SmartLabel*>& labels, int index);
// How many times a caption was worked out, for tests: once an entry at most.
int readsForTests();

} // namespace SmartCaptions

} // namespace Vexal
