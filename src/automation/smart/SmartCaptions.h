#pragma once

#include <QList>

namespace Vexal {

class SmartLabel;

// The captions of a row of boxes: a line of captions set side by side, in
// table cells, blocks or floats, over a row of boxes ("Postcode | Extension"
// over two boxes), each box taking the caption in its own column. Read from
// where the page draws the entries of a form's label sequence
// (SmartLabelLookup), below the readers of a control's own texts
// (SmartOwnTexts), which hand it the texts above a row.
namespace SmartCaptions {

// The most boxes a row under captions holds.
constexpr int MaxRow = 8;

// The texts above a row of boxes that may label them, nearest first: back
// from the entry of the row's first box (first) to the control entry before
// the row (before, -1 for none), without those that name a control outside
// the row (first to last) or are sub-labels of the control before it. The
// readers of a control's own texts give them (SmartOwnTexts).
using TextsAbove = QList<const SmartLabel*> (*)(const QList<SmartLabel*>& labels, int first, int before, int last);

// The caption over the box at the entry (the texts in its own column, and
// for the row's first box the texts before the captions), read once from the
// texts above its row and kept with the entry; false where it stands under
// none. previous is the control entry before it (-1 for none).
bool captionOver(const QList<SmartLabel*>& labels, int index, int previous, TextsAbove above,
                 QList<const SmartLabel*>* texts);
// How many times a caption was worked out, for tests: once an entry at most.
int readsForTests();

} // namespace SmartCaptions

} // namespace Vexal
