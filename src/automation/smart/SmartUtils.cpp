#include "automation/smart/SmartUtils.h"

#include "automation/smart/ConstSmart.h"

#include <QRect>
#include <QRegularExpression>

#include <algorithm>

namespace Vexal {

bool SmartUtils::isControl(const PageElement& element)
{
    return isControlTag(element.tagName());
}

bool SmartUtils::isControlTag(const QString& tag)
{
    // Most tags of a page are none: their first letter or length tells.
    if (tag.size() < 5 || tag.size() > 8)
        return false;
    const char16_t first = tag.at(0).toUpper().unicode();
    if (first != u'I' && first != u'T' && first != u'S' && first != u'B')
        return false;
    return equalsNoCase(tag, ConstSmart::tagInput()) || equalsNoCase(tag, ConstSmart::tagTextArea())
        || equalsNoCase(tag, ConstSmart::tagSelect()) || equalsNoCase(tag, ConstSmart::tagButton())
        || equalsNoCase(tag, ConstSmart::tagIFrame());
}

bool SmartUtils::isHidden(const PageElement& element)
{
    return isHidden(element, element.attribute(ConstSmart::attrType()));
}

bool SmartUtils::isHidden(const PageElement& element, const QString& type)
{
    if (equalsNoCase(type, ConstSmart::typeHidden()))
        return true;
    return !element.isNull()
        && equalsNoCase(element.dom()->style(element, ConstSmart::cssVisibility(), PageDom::CascadedStyle),
                        ConstSmart::cssHidden());
}

bool SmartUtils::isDisplayNone(const PageElement& element, bool inherited)
{
    if (inherited)
        return true;
    return !element.isNull()
        && equalsNoCase(element.dom()->style(element, ConstSmart::cssDisplay(), PageDom::CascadedStyle),
                        ConstSmart::cssNone());
}

bool SmartUtils::equalsNoCase(const QString& a, const QString& b)
{
    // Case folds one character to one of the same length: texts of other
    // lengths differ, which most tag and type names asked about do.
    return a.size() == b.size() && QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

int SmartUtils::letterCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c.isLetter())
            ++count;
    }
    return count;
}

int SmartUtils::latinLetterCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (c.isLetter() && c.script() == QChar::Script_Latin)
            ++count;
    }
    return count;
}

bool SmartUtils::hasLetter(const QString& text)
{
    // Without a character reference the letters are the text's own.
    if (!text.contains(QLatin1Char('&')))
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    static const QRegularExpression reference(QStringLiteral("&#?\\w+;"));
    const QString bare = QString(text).remove(reference);
    for (const QChar c : bare) {
        if (c.isLetter())
            return true;
    }
    return false;
}

namespace {

bool clips(const PageElement& element)
{
    const QString overflow = element.dom()->style(element, QStringLiteral("overflow"), PageDom::ComputedStyle);
    return !overflow.isEmpty() && overflow.compare(QLatin1String("visible"), Qt::CaseInsensitive) != 0;
}

} // namespace

bool SmartUtils::isHoneypot(const PageElement& element)
{
    if (element.isNull())
        return false;
    PageDom* dom = element.dom();
    // Out of sight and out of reach: no reader announces it, no Tab reaches it.
    if (element.attribute(QStringLiteral("tabindex")).trimmed() == QLatin1String("-1")) {
        for (PageElement e = element; !e.isNull(); e = e.parent()) {
            if (equalsNoCase(e.attribute(QStringLiteral("aria-hidden")), QStringLiteral("true")))
                return true;
        }
    }
    const QRect box = dom->geometry(element);
    if (box.width() <= 5 || box.height() <= 5)
        return true;
    // Far to the left or above the page (negative offsets), or pushed far
    // beyond its right edge.
    if (box.right() < 0 || box.bottom() < 0 || box.left() >= 4000)
        return true;
    // A box of no size that clips what it holds.
    // A box of no size that clips what it holds: the wrapper of a trap sits
    // right around it.
    int level = 0;
    for (PageElement e = element.parent(); !e.isNull() && level < 4; e = e.parent(), ++level) {
        if (equalsNoCase(e.tagName(), ConstSmart::tagForm()) || equalsNoCase(e.tagName(), ConstSmart::tagBody()))
            break;
        const QRect outer = dom->geometry(e);
        if (!outer.isNull() && (outer.width() <= 5 || outer.height() <= 5) && clips(e))
            return true;
    }
    // A parent that hides its children keeps them hidden, whatever their own
    // style says, unless a child asks to be seen again.
    return equalsNoCase(dom->style(element, ConstSmart::cssVisibility(), PageDom::ComputedStyle),
                        ConstSmart::cssHidden());
}

bool SmartUtils::isFormOrBody(const PageElement& element)
{
    return equalsNoCase(element.tagName(), ConstSmart::tagForm()) || equalsNoCase(element.tagName(), ConstSmart::tagBody());
}

namespace {

bool isPictureTag(const QString& tag)
{
    return SmartUtils::equalsNoCase(tag, QStringLiteral("IMG")) || SmartUtils::equalsNoCase(tag, QStringLiteral("CANVAS"))
        || SmartUtils::equalsNoCase(tag, QStringLiteral("OBJECT")) || SmartUtils::equalsNoCase(tag, QStringLiteral("EMBED"));
}

// The element if it is a picture, else the first picture inside it; null
// when it holds none.
PageElement pictureIn(const PageElement& element)
{
    if (isPictureTag(element.tagName()))
        return element;
    PageDom* dom = element.dom();
    for (const char* tag : {"img", "canvas", "object", "embed"}) {
        const PageElement picture = dom->selectFirst(element, QLatin1String(tag));
        if (!picture.isNull())
            return picture;
    }
    return PageElement();
}

} // namespace

bool SmartUtils::holdsControl(const PageElement& element)
{
    if (isControl(element))
        return !equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeHidden());
    for (const PageElement& control : element.dom()->select(element, ConstSmart::controlSelector())) {
        if (!equalsNoCase(control.attribute(ConstSmart::attrType()), ConstSmart::typeHidden()))
            return true;
    }
    return false;
}

PageElement SmartUtils::pictureBeside(const PageElement& control)
{
    // Out from the control a level at a time, its siblings nearest first on
    // either side, until a side meets another control.
    bool before = true;
    bool after = true;
    int level = 0;
    for (PageElement e = control; !e.isNull() && (before || after) && level < 8; e = e.parent(), ++level) {
        if (isFormOrBody(e))
            break;
        for (PageElement s = e.previousSibling(); before && !s.isNull(); s = s.previousSibling()) {
            before = !holdsControl(s);
            const PageElement picture = before ? pictureIn(s) : PageElement();
            if (!picture.isNull())
                return picture;
        }
        for (PageElement s = e.nextSibling(); after && !s.isNull(); s = s.nextSibling()) {
            after = !holdsControl(s);
            const PageElement picture = after ? pictureIn(s) : PageElement();
            if (!picture.isNull())
                return picture;
        }
    }
    return PageElement();
}

bool SmartUtils::showsPicture(const PageElement& control)
{
    return !pictureBeside(control).isNull();
}

QString SmartUtils::pictureNames(const PageElement& control)
{
    const PageElement picture = pictureBeside(control);
    QString names;
    if (!picture.isNull()) {
        for (const char* attribute : {"src", "id", "class", "alt"})
            names += picture.attribute(QLatin1String(attribute)) + QLatin1Char(' ');
    }
    return names;
}

int SmartUtils::commonDepth(const PageElements& a, const PageElements& b)
{
    const int n = qMin(a.size(), b.size());
    int depth = -1;
    while (depth + 1 < n && a.at(depth + 1) == b.at(depth + 1))
        ++depth;
    return depth;
}

} // namespace Vexal
