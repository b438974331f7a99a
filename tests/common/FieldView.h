#pragma once

#include <QLineEdit>
#include <QPoint>
#include <QString>

// Whether a shown field shows the whole text at once: with the cursor at
// its end (the field scrolls to it while painting), the first character
// still stands at the field's left edge (a text too long by less than half a
// character passes).
inline bool showsWholeText(QLineEdit* edit, const QString& text)
{
    edit->setText(text);
    edit->end(false);
    edit->repaint();
    const QRect inside = edit->contentsRect();
    return edit->cursorPositionAt(QPoint(inside.left() + 3, inside.center().y())) == 0;
}
