#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Text helpers for menus, tabs and tooltips, and tag lists.
namespace Utils {

// An empty text becomes "Untitled"; a text of max - 2 characters or more
// becomes its first max - 3 characters and "..." (exactly max characters);
// a shorter one is padded with blanks to max when pad is set.
QString elideText(const QString& text, int max, bool pad);
// The text with every '&' doubled, for a text that is shown as written
// in a menu item, action, tab or button: there a single '&' marks the
// next letter as the keyboard accelerator and is not shown. Escape after
// eliding, so that no "&&" is cut in half.
QString escapeMnemonic(const QString& text);
// Both texts elided to 80 on two lines; the first alone when the second is
// empty.
QString elideTwoLines(const QString& first, const QString& second);
// Drops the empty tags of a comma-separated list (blanks stay as they are).
QString normalizeTags(const QString& tags);

} // namespace Utils

} // namespace Vexal
