#include "automation/smart/SmartCaptions.h"

#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelSteps.h"

#include <QRect>

#include <algorithm>

namespace Vexal {

namespace SmartCaptions {

namespace Steps = SmartLabelSteps;

namespace {

bool overlapsAcross(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && b.left() <= a.right();
}

int overlapAcross(const QRect& a, const QRect& b)
{
    return qMin(a.right(), b.right()) - qMax(a.left(), b.left()) + 1;
}

// A row of boxes: the control entries from first to last, with nothing but
// separators between them; before is the control entry before the row (-1
// for none).
struct BoxRow {
    int first;
    int last;
    int before;
};

// One column of a line of captions: the texts over one stretch of the line.
// A LABEL's column belongs to the control it names.
struct CaptionColumn {
    QRect span;
    PageElement target;
    QList<const SmartLabel*> texts;
};

// The row of boxes the box at index stands in: controls that take a value,
// a few of them, with nothing but separators between. Most boxes have a
// label of their own between them and their neighbours; one box alone is
// no row.
bool rowAround(const QList<SmartLabel*>& labels, int index, int previous, BoxRow* row)
{
    int first = index;
    int boxes = 1;
    while (previous >= 0 && Steps::onlySeparatorsBetween(labels, previous, first)) {
        if (++boxes > MaxRow)
            return false;
        first = previous;
        previous = Steps::previousControl(labels, first);
    }
    int last = index;
    for (int next = Steps::afterEnd(labels, last); next < labels.size() && Steps::onlySeparatorsBetween(labels, last, next);
         next = Steps::afterEnd(labels, last)) {
        if (++boxes > MaxRow)
            return false;
        last = next;
    }
    if (first == last)
        return false;
    for (int i = first; i <= last; i = Steps::afterEnd(labels, i)) {
        if (!Steps::takesValue(labels.at(i)))
            return false;
    }
    *row = BoxRow{first, last, previous};
    return true;
}

// The line of captions in the texts above a row, nearest first: the texts
// that share the height of the nearest, down to the first that does not,
// gathered into columns. used counts the texts the line takes (marks of
// punctuation among them too). Two columns at least make a line.
bool readLine(const QList<const SmartLabel*>& above, QList<CaptionColumn>* columns, int* used)
{
    QRect line;
    for (const SmartLabel* text : above) {
        const QRect& rect = text->rect();
        if (text->wordCount() == 0) {
            ++*used;
            continue;
        }
        if (rect.isEmpty() || (!line.isNull() && (rect.top() > line.bottom() || line.top() > rect.bottom())))
            break;
        line = line.isNull() ? rect : line;
        auto column = std::find_if(columns->begin(), columns->end(),
                                   [&](const CaptionColumn& c) { return overlapsAcross(c.span, rect); });
        if (column == columns->end())
            column = columns->insert(columns->end(), CaptionColumn{rect, text->labelTarget(), {}});
        column->span |= rect;
        column->texts << text;
        ++*used;
    }
    return columns->size() >= 2;
}

// Each caption stands over a box of the row, below the whole line.
bool standsOver(const QList<SmartLabel*>& labels, const BoxRow& row, const QList<CaptionColumn>& columns)
{
    int bottom = columns.first().span.bottom();
    for (const CaptionColumn& column : columns)
        bottom = qMax(bottom, column.span.bottom());
    for (const CaptionColumn& column : columns) {
        bool over = false;
        for (int i = row.first; i <= row.last && !over; i = Steps::afterEnd(labels, i)) {
            const QRect& box = labels.at(i)->rect();
            over = box.top() >= bottom - 1 && overlapsAcross(column.span, box);
        }
        if (!over)
            return false;
    }
    return true;
}

// The box's own column: the one a LABEL of it names, else the one over
// most of its width; null for none.
const CaptionColumn* ownColumn(const SmartLabel* self, const QList<CaptionColumn>& columns)
{
    const QRect& box = self->rect();
    const CaptionColumn* own = nullptr;
    int most = 0;
    for (const CaptionColumn& column : columns) {
        if (!column.target.isNull()) {
            if (column.target == self->element())
                return &column;
        } else if (overlapAcross(column.span, box) > most) {
            most = overlapAcross(column.span, box);
            own = &column;
        }
    }
    return own;
}

// The box at index stands in a row of boxes under a line of captions set
// side by side: its texts before are the caption in its own column and, for
// the row's first box, the texts before the captions. Otherwise the texts
// stay as they are.
int reads = 0;

bool readCaption(const QList<SmartLabel*>& labels, int index, int previous, TextsAbove textsAbove,
                 QList<const SmartLabel*>* texts)
{
    ++reads;
    BoxRow row;
    if (!rowAround(labels, index, previous, &row))
        return false;
    const QList<const SmartLabel*> above = textsAbove(labels, row.first, row.before, row.last);
    if (above.size() < 2)
        return false;
    QList<CaptionColumn> columns;
    int used = 0;
    if (!readLine(above, &columns, &used) || !standsOver(labels, row, columns))
        return false;
    const CaptionColumn* own = ownColumn(labels.at(index), columns);
    if (!own)
        return false;
    *texts = own->texts;
    if (index == row.first && row.before >= 0)
        *texts += above.mid(used);
    return true;
}

} // namespace

bool captionOver(const QList<SmartLabel*>& labels, int index, int previous, TextsAbove above,
                 QList<const SmartLabel*>* texts)
{
    const SmartLabel* box = labels.at(index);
    if (box->captionState() == SmartLabel::CaptionUnread) {
        QList<const SmartLabel*> caption;
        const bool over = readCaption(labels, index, previous, above, &caption);
        box->keepCaption(over ? SmartLabel::CaptionOver : SmartLabel::CaptionNone, caption);
    }
    if (box->captionState() != SmartLabel::CaptionOver)
        return false;
    *texts = box->caption();
    return true;
}

int readsForTests()
{
    return reads;
}

} // namespace SmartCaptions

} // namespace Vexal
