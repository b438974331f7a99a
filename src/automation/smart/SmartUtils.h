#pragma once

#include "shell/PageDom.h"

#include <QList>
#include <QObject>
#include <QString>

namespace Vexal {

// Element tests and list searches shared by the recognition lookups.
namespace SmartUtils {

bool isControl(const PageElement& element);
// The same by a tag name already read.
bool isControlTag(const QString& tag);
bool isHidden(const PageElement& element);
// The same by the element's type attribute already read.
bool isHidden(const PageElement& element, const QString& type);
bool isDisplayNone(const PageElement& element, bool inherited);
bool equalsNoCase(const QString& a, const QString& b);
int letterCount(const QString& text);
// The letters of the Latin script: a label that gives its English word
// beside its own script's ("姓名 Name") counts as that word.
int latinLetterCount(const QString& text);
// A letter outside character references: "&nbsp;" and "&#8211;" are marks.
bool hasLetter(const QString& text);

// A text field that is laid out but never seen: placed far outside the
// page, drawn with no width or height (or inside such a clipped box), or
// kept from screen readers and the keyboard alike. Sites set such fields
// as traps and refuse the sign-up when they come back filled.
bool isHoneypot(const PageElement& element);

// A FORM or the BODY: where the walks up from a control stop.
bool isFormOrBody(const PageElement& element);
// The element is or holds a control a user fills (no hidden field).
bool holdsControl(const PageElement& element);
// The picture that stands beside the control: in the stretch of the page
// between it and its neighbouring controls (hidden fields aside), within its
// form, nearest first; null when none does.
PageElement pictureBeside(const PageElement& control);
bool showsPicture(const PageElement& control);
// The names the picture beside the control gives itself (its source, id,
// class and alternative text: "/captcha/show.php"), which say what it is
// whatever language the page's words are in; "" when no picture stands
// beside it.
QString pictureNames(const PageElement& control);

// Depth (from the document root) of the lowest element that two chains
// of ancestors (each from the root down) share, -1 when none.
int commonDepth(const PageElements& a, const PageElements& b);

} // namespace SmartUtils

} // namespace Vexal
