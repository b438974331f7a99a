#include "automation/SmartUtils.h"

#include "automation/ConstSmart.h"
#include "automation/SmartElement.h"
#include "automation/SmartLabel.h"

#include <QRect>

namespace Vexal {

bool SmartUtils::isControl(const PageElement& element)
{
    return isControlTag(element.tagName());
}

bool SmartUtils::isControlTag(const QString& tag)
{
    return equalsNoCase(tag, ConstSmart::tagInput()) || equalsNoCase(tag, ConstSmart::tagTextArea())
        || equalsNoCase(tag, ConstSmart::tagSelect()) || equalsNoCase(tag, ConstSmart::tagButton())
        || equalsNoCase(tag, ConstSmart::tagIFrame());
}

bool SmartUtils::isHidden(const PageElement& element)
{
    if (equalsNoCase(element.attribute(ConstSmart::attrType()), ConstSmart::typeHidden()))
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
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
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

bool SmartUtils::containsKind(const QList<SmartElement*>& list, int kind)
{
    for (const SmartElement* element : list) {
        if (element->kind() == kind)
            return true;
    }
    return false;
}

QList<SmartElement*> SmartUtils::elementsOfKind(const QList<SmartElement*>& list, int kind)
{
    QList<SmartElement*> result;
    for (SmartElement* element : list) {
        if (element->kind() == kind)
            result.append(element);
    }
    return result;
}

int SmartUtils::indexOfLabel(const QList<SmartLabel*>& labels, const PageElement& element)
{
    for (int i = 0; i < labels.size(); ++i) {
        if (!labels.at(i)->isText() && labels.at(i)->element() == element)
            return i;
    }
    return -1;
}

namespace {

enum Where { Anywhere = 0, AtStart = 1, AtEnd = 2, Either = AtStart | AtEnd, Whole = 4 };

// Short keywords that real labels and names hold inside other words, and
// where in a word a hit may sit. "res" (resource box) starts its word, not
// "press" or "address"; "tag" starts or ends one ("tags", "posttags", not
// "stage"); "text" is not "context"; "aim", "irc", "qq" and "kik" are
// words of their own, never "claim" or "circle". A hit at a word's end may
// carry a plural "s". A word listed as an exception never counts ("Mailing
// address" is no e-mail, though "emailaddress" is one). Every other keyword
// is found anywhere.
struct ShortKeyword {
    const char* keyword;
    int where;
    const char* exception;
};

const ShortKeyword shortKeywords[] = {
    {"res", AtStart, nullptr}, {"text", AtStart, nullptr},    {"tag", Either, nullptr},  {"url", Either, nullptr},
    {"day", Either, nullptr},  {"fax", Either, nullptr},      {"zip", Either, nullptr},  {"sex", Either, nullptr},
    {"body", Either, nullptr}, {"desc", Either, nullptr},     {"year", Either, nullptr}, {"city", Either, nullptr},
    {"term", Either, nullptr}, {"mail", Anywhere, "mailing"}, {"aim", Whole, nullptr},   {"irc", Whole, nullptr},
    {"qq", Whole, nullptr},    {"kik", Whole, nullptr},
};

const ShortKeyword* shortKeyword(const QString& keyword)
{
    for (const ShortKeyword& entry : shortKeywords) {
        if (keyword.compare(QLatin1String(entry.keyword), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

// A word boundary lies between text[i - 1] and text[i].
bool isBoundary(const QString& text, int i)
{
    if (i <= 0 || i >= text.size())
        return true;
    const QChar a = text.at(i - 1);
    const QChar b = text.at(i);
    if (!a.isLetterOrNumber() || !b.isLetterOrNumber())
        return true;
    if (a.isDigit() != b.isDigit())
        return true;
    if (a.isLower() && b.isUpper())
        return true;
    // "IDNumber": the last capital of a run starts the next word.
    return a.isUpper() && b.isUpper() && i + 1 < text.size() && text.at(i + 1).isLower();
}

// The word of the text that holds position i.
QString wordAt(const QString& text, int i)
{
    int start = i;
    while (!isBoundary(text, start))
        --start;
    int end = i + 1;
    while (!isBoundary(text, end))
        ++end;
    return text.mid(start, end - start);
}

// The words of the text, lower case, joined by single blanks and framed by
// blanks: " security code ".
QString wordLine(const QString& text)
{
    QString line(QLatin1Char(' '));
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i > 0 && isBoundary(text, i) && !line.endsWith(QLatin1Char(' ')))
            line += QLatin1Char(' ');
        if (c.isLetterOrNumber())
            line += c.toLower();
    }
    if (!line.endsWith(QLatin1Char(' ')))
        line += QLatin1Char(' ');
    return line;
}

} // namespace

bool SmartUtils::containsKeyword(const QString& text, const QString& keyword)
{
    if (keyword.isEmpty() || text.isEmpty())
        return false;
    // Most texts hold no keyword at all: the plain search rules them out.
    const int blank = keyword.indexOf(QLatin1Char(' '));
    const QStringRef first = blank < 0 ? QStringRef(&keyword) : keyword.leftRef(blank);
    int at = text.indexOf(first, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    if (blank >= 0)
        return wordLine(text).contains(QLatin1Char(' ') + keyword.toLower() + QLatin1Char(' '));
    const ShortKeyword* rule = shortKeyword(keyword);
    if (!rule)
        return true;
    const int length = keyword.size();
    for (; at >= 0; at = text.indexOf(keyword, at + 1, Qt::CaseInsensitive)) {
        const int after = at + length;
        const bool starts = isBoundary(text, at);
        const bool ends = isBoundary(text, after)
            || (after < text.size() && text.at(after).toLower() == QLatin1Char('s') && isBoundary(text, after + 1));
        if (rule->where != Anywhere && !(starts && ends) && !((rule->where & AtStart) && starts)
            && !((rule->where & AtEnd) && ends))
            continue;
        if (rule->exception
            && wordAt(text, at).compare(QLatin1String(rule->exception), Qt::CaseInsensitive) == 0)
            continue;
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

int SmartUtils::commonDepth(const PageElements& a, const PageElements& b)
{
    const int n = qMin(a.size(), b.size());
    int depth = -1;
    while (depth + 1 < n && a.at(depth + 1) == b.at(depth + 1))
        ++depth;
    return depth;
}

PageElement SmartUtils::labelTarget(const PageElement& label)
{
    if (label.isNull())
        return PageElement();
    PageDom* dom = label.dom();
    const QString target = label.attribute(QStringLiteral("for"));
    if (!target.isEmpty()) {
        const PageElement found = dom->selectFirst(
            dom->documentOf(label),
            QStringLiteral("[id=\"%1\"]").arg(QString(target).replace(QLatin1Char('"'), QStringLiteral("\\\""))));
        if (!found.isNull())
            return found;
    }
    return dom->selectFirst(label, ConstSmart::controlSelector());
}

} // namespace Vexal
