#pragma once

#include <QString>

class QLineEdit;

namespace Vexal {

// Widths of line edits sized for their content, in the field's own font and
// style, frame and margins included.
namespace UtilFieldWidth {

// Wide enough to show the whole text.
int forText(const QLineEdit* edit, const QString& text);
// Wide enough for a text of that many average characters.
int forLength(const QLineEdit* edit, int characters);
// The text with each character of the alphabet replaced by the widest of
// them: the widest text of that shape the alphabet can give.
QString widestOfShape(const QLineEdit* edit, const QString& text, const QString& alphabet);

} // namespace UtilFieldWidth

} // namespace Vexal
