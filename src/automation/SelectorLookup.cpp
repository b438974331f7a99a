#include "automation/SelectorLookup.h"

#include "automation/ConstSelector.h"
#include "automation/Selector.h"
#include "automation/SelectorAttribute.h"
#include "automation/SelectorList.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

#include <QElapsedTimer>
#include <QStringList>
#include <QVarLengthArray>
#include <QVariant>
#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

namespace Vexal {

namespace {

// Type selectors are written in lower case: HTML documents ignore the case
// of element names, XHTML documents hold them in lower case.
QString cssTag(const Selector* step)
{
    return step->tag().toLower();
}

bool compareText(const QString& subject, const QString& value, int comparison)
{
    switch (comparison) {
    case SelectorAttribute::Equal: return subject.compare(value, Qt::CaseInsensitive) == 0;
    case SelectorAttribute::NotEqual: return subject.compare(value, Qt::CaseInsensitive) != 0;
    case SelectorAttribute::Contains: return subject.contains(value, Qt::CaseInsensitive);
    case SelectorAttribute::StartsWith: return subject.startsWith(value, Qt::CaseInsensitive);
    case SelectorAttribute::EndsWith: return subject.endsWith(value, Qt::CaseInsensitive);
    default: return false;
    }
}

bool compareNumber(int subject, int value, int comparison)
{
    if (comparison == SelectorAttribute::Equal)
        return subject == value;
    if (comparison == SelectorAttribute::NotEqual)
        return subject != value;
    return false;
}

// Characters a CSS attribute selector with the "i" flag compares exactly as
// QString does ignoring case. QString folds U+017F to "s" and U+212A to "k",
// which the ASCII-only "i" flag does not; quotes and backslashes are left out
// to keep the CSS string plain.
bool cssSafe(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x20 || u > 0x7E || u == '"' || u == '\\')
        return false;
    const ushort lower = u | 0x20;
    return lower != 's' && lower != 'k';
}

bool cssName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (int i = 0; i < name.size(); ++i) {
        const ushort u = name.at(i).unicode();
        const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
        const bool digit = u >= '0' && u <= '9';
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}

QString cssAttribute(const QString& name, const char* op, const QString& value)
{
    return QStringLiteral("[") + name + QLatin1String(op) + QStringLiteral("\"") + value + QStringLiteral("\" i]");
}

// A CSS filter that every element matching the condition passes. "exact" is
// set when the filter passes exactly the matching elements, "always" when the
// condition holds for every element.
QString conditionFilter(const SelectorAttribute* attribute, bool& exact, bool& always)
{
    exact = false;
    always = false;
    if (attribute->keyword() != SelectorAttribute::KeywordAttribute || !cssName(attribute->name()))
        return QString();
    const QString name = attribute->name();
    const QString value = attribute->value();
    const int comparison = attribute->comparison();
    const bool anchoredStart = comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::StartsWith;
    const bool anchoredEnd = comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::EndsWith;
    switch (comparison) {
    case SelectorAttribute::NotEqual:
        if (value.isEmpty()) {
            exact = true;
            return QStringLiteral("[") + name + QStringLiteral("]:not([") + name + QStringLiteral("=\"\"])");
        }
        for (const QChar c : value) {
            if (!cssSafe(c))
                return QString();
        }
        exact = true;
        return QStringLiteral(":not(") + cssAttribute(name, "=", value) + QStringLiteral(")");
    case SelectorAttribute::Equal:
    case SelectorAttribute::Contains:
    case SelectorAttribute::StartsWith:
    case SelectorAttribute::EndsWith:
        break;
    default:
        return QString();
    }
    if (value.isEmpty()) {
        // A missing attribute reads as empty, which CSS cannot express.
        if (comparison == SelectorAttribute::Equal)
            return QString();
        exact = true;
        always = true;
        return QString();
    }
    // Every maximal run of safe characters must stand in the attribute as it
    // stands in the value; when one run is the whole value the filter is exact.
    QString out;
    const int size = value.size();
    int i = 0;
    while (i < size) {
        if (!cssSafe(value.at(i))) {
            ++i;
            continue;
        }
        int end = i;
        while (end < size && cssSafe(value.at(end)))
            ++end;
        const QString run = value.mid(i, end - i);
        const bool atStart = anchoredStart && i == 0;
        const bool atEnd = anchoredEnd && end == size;
        if (atStart && atEnd)
            out += cssAttribute(name, "=", run);
        else if (atStart)
            out += cssAttribute(name, "^=", run);
        else if (atEnd)
            out += cssAttribute(name, "$=", run);
        else
            out += cssAttribute(name, "*=", run);
        if (i == 0 && end == size)
            exact = true;
        i = end;
    }
    if (out.isEmpty())
        out = QStringLiteral("[") + name + QStringLiteral("]");
    return out;
}

bool isTextual(const SelectorAttribute* attribute)
{
    return attribute && (attribute->keyword() == SelectorAttribute::KeywordText
                         || attribute->keyword() == SelectorAttribute::KeywordTrimmed);
}

bool isPositional(const SelectorAttribute* attribute)
{
    return attribute->keyword() == SelectorAttribute::KeywordFirst
        || attribute->keyword() == SelectorAttribute::KeywordLast;
}

// The length of a text from its first character that is not white space on.
int lengthFromFirstVisible(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    return text.size() - i;
}

// Whether the markup of an element proves that its plain text fails a text
// condition, without the layout work of reading that text. Only for content
// that is plain printable ASCII text: the page shows its letters, digits and
// signs in the same order, white space collapsed, kept or added, letters
// possibly restyled in case (to ASCII of the same letter, or to a non-ASCII
// letter), or shows none of them (hidden, masked). So a value whose characters
// other than white space are printable ASCII cannot match a text whose markup
// does not hold them the same way.
bool markupRules(const QString& markup, const SelectorAttribute* attribute, bool& result)
{
    // Both sides in lower case without white space; ASCII folds like QString.
    // Every element of a page may come here: the folded characters are
    // written straight into buffers sized beforehand.
    const QString& written = attribute->value();
    QVarLengthArray<char, 64> value(written.size());
    int n = 0;
    for (const QChar c : written) {
        const ushort u = c.unicode();
        if (c.isSpace())
            continue;
        if (u < 0x21 || u > 0x7E)
            return false;
        value.data()[n++] = char(u >= 'A' && u <= 'Z' ? u + 32 : u);
    }
    if (n == 0)
        return false;
    // For each ASCII character: its lower case, 0 for white space, -1 for a
    // character that markup of plain printable text does not hold.
    static const struct Fold {
        signed char map[128];
        Fold()
        {
            for (int u = 0; u < 128; ++u) {
                const bool space = u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
                const bool plain = u > 0x20 && u < 0x7F && u != '<' && u != '&';
                map[u] = space ? 0 : !plain ? -1 : char(u >= 'A' && u <= 'Z' ? u + 32 : u);
            }
        }
    } fold;
    QVarLengthArray<char, 256> shown(markup.size());
    int size = 0;
    const ushort* in = markup.utf16();
    for (const ushort* end = in + markup.size(); in != end; ++in) {
        const signed char c = *in < 128 ? fold.map[*in] : -1;
        if (c < 0)
            return false;
        if (c > 0)
            shown.data()[size++] = char(c);
    }
    const auto at = [&](int offset) { return offset >= 0 && offset + n <= size
                                          && std::memcmp(value.data(), shown.data() + offset, size_t(n)) == 0; };
    bool possible = false;
    switch (attribute->comparison()) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: possible = size == n && at(0); break;
    case SelectorAttribute::StartsWith: possible = at(0); break;
    case SelectorAttribute::EndsWith: possible = at(size - n); break;
    case SelectorAttribute::Contains:
        for (int offset = 0; !possible && offset + n <= size; ++offset)
            possible = at(offset);
        break;
    default: return false;
    }
    if (possible)
        return false;
    result = attribute->comparison() == SelectorAttribute::NotEqual;
    return true;
}

// What the text of an element inside another tells about the outer one. The
// outer text holds the inner text whole, but for white space before the inner
// text's first visible character (written there as a line break or a space,
// or not at all), so:
// - an inner text longer than the value from its first visible character on
//   (or trimmed, for a trimmed text) makes the outer text differ from it;
// - an inner text holding the value holds it in the outer text too, where the
//   value does not start with white space (the inner text may start with a
//   line break or space that the outer text writes otherwise); a trimmed text
//   holds it in any case.
// Only texts of elements on the page's layout tell this: an element outside it
// (hidden by "display: none", an option of a list) gives all its markup's text.
enum class Evidence { None, TooLong, Holds };

Evidence evidenceKind(const SelectorAttribute* attribute)
{
    if (!isTextual(attribute) || attribute->value().isEmpty())
        return Evidence::None;
    switch (attribute->comparison()) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: return Evidence::TooLong;
    case SelectorAttribute::Contains:
        if (attribute->keyword() == SelectorAttribute::KeywordTrimmed || !attribute->value().at(0).isSpace())
            return Evidence::Holds;
        return Evidence::None;
    default: return Evidence::None;
    }
}

// Whether the text of an element inside another may decide some text
// condition of a step for the outer one.
bool hasEvidence(const Selector* step)
{
    for (int i = 0; i < step->attributeCount() && i < 32; ++i) {
        if (evidenceKind(step->attributeAt(i)) != Evidence::None)
            return true;
    }
    return false;
}

bool laidOut(const QWebElement& element)
{
    return !element.geometry().isEmpty();
}

bool isHtml(const QWebElement& element)
{
    return element.namespaceUri() == QLatin1String("http://www.w3.org/1999/xhtml");
}

// What is known of an element's plain text without reading it: a prefix of
// the text, a suffix of the trimmed text and whether the text ends with white
// space. The page writes the text of an element on its layout as one stream,
// the texts of the elements inside it included: an inner element's text
// stands in it whole, but for the white space before the inner text's first
// visible character and the white space that closing the inner element adds.
// So the text of an element opens with the text of an element that opens it,
// and its trimmed text closes with the trimmed text of an element that closes
// it.
struct TextShape {
    QString head;
    // The head is the whole text.
    bool whole = false;
    // A suffix of the trimmed text.
    QString core;
    // The core is the whole trimmed text.
    bool coreWhole = false;
    enum Trail { TrailUnknown, TrailSpace, TrailVisible };
    Trail trail = TrailUnknown;
    // Conditions (by index) whose value the text does not hold, white space
    // and case aside.
    quint32 lacks = 0;
    // A suffix of the text, white space included.
    QString tail;
    // The first visible character after the head, where only white space
    // comes between them.
    QChar follow;

    static TextShape of(const QString& text)
    {
        TextShape shape;
        shape.head = text;
        shape.whole = true;
        shape.core = text.trimmed();
        shape.coreWhole = true;
        shape.tail = text;
        if (!text.isEmpty())
            shape.trail = text.at(text.size() - 1).isSpace() ? TrailSpace : TrailVisible;
        return shape;
    }

    // A prefix of the trimmed text: the head from its first to its last visible
    // character, which trimming the whole text keeps.
    QString trimmedHead() const
    {
        if (whole)
            return head.trimmed();
        int first = 0;
        while (first < head.size() && head.at(first).isSpace())
            ++first;
        int last = head.size();
        while (last > first && head.at(last - 1).isSpace())
            --last;
        return head.mid(first, last - first);
    }

    // How many characters the text has at least from its first visible one on
    // (of the trimmed text, for a trimmed condition).
    int knownLength(bool trimmed) const
    {
        const int fromHead = trimmed ? trimmedHead().size() : lengthFromFirstVisible(head);
        return std::max(fromHead, int(core.size()));
    }
};

bool startsWithText(const QString& text, const QString& prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

bool endsWithText(const QString& text, const QString& suffix)
{
    return text.endsWith(suffix, Qt::CaseInsensitive);
}

// Answers a text condition from the shape of the text, when the shape is
// enough. Case folding keeps the length of a text, so a known prefix longer
// than the value tells the texts apart.
bool decideFromShape(const TextShape& shape, const SelectorAttribute* attribute, int index, bool& result)
{
    const bool trimmed = attribute->keyword() == SelectorAttribute::KeywordTrimmed;
    const QString& value = attribute->value();
    const int comparison = attribute->comparison();
    if (shape.whole || (trimmed && shape.coreWhole)) {
        result = compareText(shape.whole ? (trimmed ? shape.head.trimmed() : shape.head) : shape.core, value,
                             comparison);
        return true;
    }
    // A text that does not hold the value neither is, starts nor ends with it.
    if (index < 32 && (shape.lacks & (quint32(1) << index))) {
        result = comparison == SelectorAttribute::NotEqual;
        return true;
    }
    // White space around the trimmed text is all the text adds to it.
    const bool valueBare = !value.isEmpty() && !value.at(0).isSpace() && !value.at(value.size() - 1).isSpace();
    if (shape.coreWhole && valueBare && comparison == SelectorAttribute::Contains) {
        result = shape.core.contains(value, Qt::CaseInsensitive);
        return true;
    }
    if (shape.coreWhole && (comparison == SelectorAttribute::Equal || comparison == SelectorAttribute::NotEqual)
        && value.trimmed().compare(shape.core, Qt::CaseInsensitive) != 0) {
        result = comparison == SelectorAttribute::NotEqual;
        return true;
    }
    const QString head = trimmed ? shape.trimmedHead() : shape.head;
    const QString& core = shape.core;
    const bool valueEndsInSpace = !value.isEmpty() && value.at(value.size() - 1).isSpace();
    switch (comparison) {
    case SelectorAttribute::Equal:
    case SelectorAttribute::NotEqual: {
        bool differs = head.size() > value.size() || !startsWithText(value, head);
        const QString trimmedValue = value.trimmed();
        differs = differs || core.size() > trimmedValue.size() || !endsWithText(trimmedValue, core);
        if (trimmed)
            differs = differs || (!value.isEmpty() && (value.at(0).isSpace() || valueEndsInSpace));
        else if (shape.trail != TextShape::TrailUnknown)
            differs = differs || value.isEmpty() || valueEndsInSpace != (shape.trail == TextShape::TrailSpace);
        if (!differs)
            return false;
        result = comparison == SelectorAttribute::NotEqual;
        return true;
    }
    case SelectorAttribute::StartsWith:
        if (head.size() >= value.size()) {
            result = startsWithText(head, value);
        } else if (!startsWithText(value, head)) {
            result = false;
        } else {
            // After the head comes white space or the character that follows.
            const QChar next = value.at(head.size());
            if (shape.follow.isNull() || head.isEmpty() || head.at(head.size() - 1).isSpace() || next.isSpace()
                || next.toCaseFolded() == shape.follow.toCaseFolded())
                return false;
            result = false;
        }
        return true;
    case SelectorAttribute::EndsWith:
        if (value.isEmpty()) {
            result = true;
            return true;
        }
        if (!trimmed && shape.tail.size() >= value.size()) {
            result = endsWithText(shape.tail, value);
            return true;
        }
        if (valueEndsInSpace) {
            // A trimmed text never ends in white space.
            if (!trimmed && shape.trail != TextShape::TrailVisible)
                return false;
            result = false;
            return true;
        }
        // The text ends with the value only where it ends visibly, with the core.
        if (!trimmed && shape.trail == TextShape::TrailSpace) {
            result = false;
            return true;
        }
        if (core.size() >= value.size()) {
            result = endsWithText(core, value);
            return !result || trimmed || shape.trail == TextShape::TrailVisible;
        }
        if (endsWithText(value, core))
            return false;
        result = false;
        return true;
    case SelectorAttribute::Contains:
        if (value.isEmpty() || head.contains(value, Qt::CaseInsensitive) || core.contains(value, Qt::CaseInsensitive)) {
            result = true;
            return true;
        }
        return false;
    default: return false;
    }
}

// Describes each element of a subtree, in the order of a walk through the
// element children, in one run of the page's script. Three flags: "1" for an
// element on the layout whose text the page writes as usual (an ordinary HTML
// element, not a form control, frame, media or table part, inside such
// elements or the body), "1" when it holds a single element and no other text
// but white space, "1" when its own text is shown (neither hidden nor masked).
// Then what opens its content: "E" an element, "T" and the start of a text up
// to the limit, where it stands as the page writes it (printable ASCII, one
// space between words), "U" and such a text whole with an element after it; a
// separator and what closes it: "E" an element (white space after it aside),
// "F" a block (not a paragraph or heading) with nothing after it, "T" and the
// end of such a text; when asked, a
// separator and its child nodes: "E" an element, "B" a line break, "T" and a
// text without white space in lower case, "?" anything else (white space and
// comments left out).
const char* const describeScript = R"((function (root, limit, pieces, rootShown) {
  var html = 'http://www.w3.org/1999/xhtml';
  var plain = {};
  ['div', 'span', 'p', 'li', 'ul', 'ol', 'dl', 'dt', 'dd', 'td', 'th', 'label', 'a', 'b', 'i', 'u', 's', 'em',
   'strong', 'small', 'big', 'font', 'code', 'tt', 'kbd', 'samp', 'var', 'cite', 'abbr', 'mark', 'sub', 'sup',
   'ins', 'del', 'h1', 'h2', 'h3', 'h4', 'h5', 'h6', 'section', 'article', 'aside', 'header', 'footer', 'nav',
   'main', 'address', 'blockquote', 'center', 'figure', 'figcaption', 'form', 'pre', 'nobr']
      .forEach(function (name) { plain[name] = 1; });
  function shown(c) { return c > 32 && c < 127; }
  function space(d) { return /^[ \t\n\r\f]*$/.test(d); }
  function opening(d) {
    var n = d.length, i = 1;
    if (!n || !shown(d.charCodeAt(0))) return '';
    while (i < n && i < limit) {
      if (shown(d.charCodeAt(i))) ++i;
      else if (d.charCodeAt(i) == 32 && i + 1 < n && shown(d.charCodeAt(i + 1))) i += 2;
      else break;
    }
    return d.substring(0, Math.min(i, limit));
  }
  function closing(d) {
    var n = d.length, start = n - 1;
    if (!n || !shown(d.charCodeAt(start))) return '';
    while (start > 0 && n - start < limit) {
      if (shown(d.charCodeAt(start - 1))) --start;
      else if (d.charCodeAt(start - 1) == 32 && start > 1 && shown(d.charCodeAt(start - 2))) start -= 2;
      else break;
    }
    return d.substring(Math.max(start, n - limit));
  }
  function silent(node) { return node.nodeType == 8 || node.nodeType == 7; }
  function isPlain(e) { return e.namespaceURI == html && plain[e.localName] === 1; }
  function describe(e, laid, style) {
    var ok = laid && isPlain(e);
    var single = ok && e.childElementCount == 1;
    for (var node = e.firstChild; single && node; node = node.nextSibling) {
      if (node.nodeType != 1 && !silent(node) && !(node.nodeType == 3 && space(node.data))) single = false;
    }
    var first = e.firstChild;
    while (first && silent(first)) first = first.nextSibling;
    var open = '';
    if (first && first.nodeType == 1) {
      open = 'E';
    } else if (first && first.nodeType == 3) {
      open = opening(first.data);
      var after = first.nextSibling;
      while (after && silent(after)) after = after.nextSibling;
      open = (open.length == first.data.length && after && after.nodeType == 1 ? 'U' : 'T') + open;
    }
    var last = e.lastChild;
    while (last && silent(last)) last = last.previousSibling;
    var close = '';
    if (last && last.nodeType == 3 && !space(last.data)) {
      close = 'T' + closing(last.data);
    } else {
      var bare = last && last.nodeType == 1;
      while (last && (silent(last) || (last.nodeType == 3 && space(last.data)))) last = last.previousSibling;
      if (last && last.nodeType == 1) {
        close = bare && !/^(p|h[1-6])$/.test(last.localName) && getComputedStyle(last).display == 'block' ? 'F' : 'E';
      }
    }
    var own = false;
    if (ok && (open.length > 1 || close.length > 1 || pieces)) {
      style = style || getComputedStyle(e);
      own = style.visibility == 'visible' && style.getPropertyValue('-webkit-text-security') == 'none';
    }
    var out = (ok ? '1' : '0') + (single ? '1' : '0') + (own ? '1' : '0') + open + '\u0002' + close;
    if (ok && pieces) {
      var parts = [];
      for (var node = e.firstChild; node; node = node.nextSibling) {
        if (node.nodeType == 1) {
          parts.push(node.localName == 'br' && node.namespaceURI == html ? 'B' : 'E');
        } else if (node.nodeType == 3) {
          if (/[^\x20-\x7e\t\n\r\f]/.test(node.data)) parts.push('?');
          else if (!space(node.data)) parts.push('T' + node.data.replace(/[ \t\n\r\f]+/g, '').toLowerCase());
        } else if (!silent(node)) {
          parts.push('?');
        }
      }
      out += '\u0002' + parts.join('\u0003');
    }
    return out;
  }
  // Whether the children of each element on the path may be on the layout:
  // those of ordinary elements and of the body, when not hidden by "display".
  var out = [];
  var path = [];
  var laid = rootShown;
  var style = null;
  for (var e = root; e;) {
    out.push(describe(e, laid, style));
    if (e.firstElementChild) {
      path.push(laid && (isPlain(e) || (e.namespaceURI == html && (e.localName == 'body' || e.localName == 'html'))));
      e = e.firstElementChild;
    } else {
      while (e !== root && !e.nextElementSibling) {
        e = e.parentNode;
        path.pop();
      }
      e = e === root ? null : e.nextElementSibling;
    }
    style = e && path[path.length - 1] ? getComputedStyle(e) : null;
    laid = !!style && style.display != 'none' && style.display != 'contents';
  }
  return out.join('\u0001');
})(this, %1, %2, %3))";

// How much of the start and end of texts the text conditions of a step look
// at: one character more than the longest value, so that a longer text shows.
int shapeLimit(const Selector* step)
{
    int limit = 0;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isTextual(attribute))
            limit = std::max(limit, int(attribute->value().size()) + 1);
    }
    return std::min(limit, 64);
}

// A text without its white space, in folded case.
QString bareFolded(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            out += c.toCaseFolded();
    }
    return out;
}

// The value of a condition as bareFolded gives it, where an element's own
// text in printable ASCII, shown as it stands, hidden or masked, holds the
// value only where its markup does. The page shows such a text in other
// characters only masked (bullets, circles or squares) or, in some languages,
// with "i" and "I" restyled as dotted or dotless letters: values holding those
// are left out. So are values holding characters outside the basic plane, which
// case folding takes as pairs of halves.
QString needleOf(const SelectorAttribute* attribute)
{
    if (!isTextual(attribute))
        return QString();
    const QString needle = bareFolded(attribute->value());
    const QString both = attribute->value() + needle;
    for (const QChar c : both) {
        const ushort u = c.unicode();
        if ((u < 0x20 && !c.isSpace()) || c.isSurrogate() || u == 0x130 || u == 0x131 || u == 0x307
            || u == 0x2022 || u == 0x25E6 || u == 0x25A0)
            return QString();
    }
    return needle;
}

// The subtree of a root in document order, each element with the index of
// its parent.
void subtreeInOrder(const QWebElement& root, std::vector<QWebElement>& order, std::vector<int>& parents)
{
    order.push_back(root);
    parents.push_back(-1);
    int parent = 0;
    QWebElement e = root.firstChild();
    while (!e.isNull()) {
        const int index = int(order.size());
        order.push_back(e);
        parents.push_back(parent);
        QWebElement child = e.firstChild();
        if (!child.isNull()) {
            parent = index;
            e = child;
            continue;
        }
        QWebElement next = e.nextSibling();
        while (next.isNull() && parent > 0) {
            next = order[size_t(parent)].nextSibling();
            parent = parents[size_t(parent)];
        }
        e = next;
    }
}

// The number of elements of a subtree, its root included, counted up to a
// cap: more than the cap gives cap + 1.
int countUpTo(const QWebElement& root, int cap)
{
    int count = 0;
    QWebElement e = root;
    while (!e.isNull() && count <= cap) {
        ++count;
        QWebElement next = e.firstChild();
        for (QWebElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return count;
}

// Weighs reading texts one at a time, as the rules read them, against working
// out the texts of a whole subtree at once. A read walks the element's whole
// subtree, so reading the texts of elements inside one another costs far
// more than the subtree holds; working the subtree out at once costs a few
// microseconds an element whatever it holds, and more than a read where
// elements do not nest or a match ends the search early. Texts are read until
// the reads have cost what working out the subtree would; from then on the
// subtree is worked out. So the whole never costs much more than twice what
// reading alone would have.
class TextBudget
{
public:
    // Working out a subtree costs one run of the page's script, some tens of
    // microseconds, and a few microseconds an element, more where the page
    // styles its elements much. Each run that works out a subtree tells what
    // its elements cost, and the next budget counts with that.
    static constexpr qint64 wholeRun = 60000;
    static void workedOut(qint64 ns, size_t elements)
    {
        if (elements >= 64)
            s_perElement = std::clamp<qint64>((s_perElement + (ns - wholeRun) / qint64(elements)) / 2, 2000, 50000);
    }

    void aboutToRead()
    {
        if (!m_timer.isValid())
            m_timer.start();
        m_readStart = m_timer.nsecsElapsed();
    }

    void doneReading()
    {
        m_previousRead = m_lastRead;
        m_lastRead = m_timer.nsecsElapsed() - m_readStart;
    }

    // After a read: whether working out the region at once now costs less
    // than the reads have cost so far together with those known to come:
    // "ahead" more reads of texts that hold the last one read. Each of those
    // costs at least what the last two reads did (the first read of a page
    // may cost more than its text).
    bool spentOn(const QWebElement& region, int ahead = 0)
    {
        if (!m_timer.isValid())
            return false;
        const qint64 spent = m_timer.nsecsElapsed() + qint64(ahead) * std::min(m_lastRead, m_previousRead);
        if (spent < m_nextCheck)
            return false;
        const qint64 affordable = std::min<qint64>((spent - wholeRun) / s_perElement, 1 << 30);
        if (countUpTo(region, int(affordable)) <= affordable)
            return true;
        m_nextCheck = spent * 2;
        return false;
    }

private:
    QElapsedTimer m_timer;
    qint64 m_readStart = 0;
    qint64 m_lastRead = 0;
    qint64 m_previousRead = 0;
    qint64 m_nextCheck = 2 * wholeRun;
    static qint64 s_perElement;
};

qint64 TextBudget::s_perElement = 6000;

// The shapes of the texts of a subtree's elements, listed in document order
// with the index of each one's parent, worked out innermost first as the
// candidates are tested: "shapeOf" is called for each element after every
// element inside it.
class ShapeWalk
{
public:
    ShapeWalk(const std::vector<QWebElement>& order, const std::vector<int>& parents, const Selector* step)
        : m_order(order)
        , m_parents(parents)
        , m_step(step)
        , m_done(order.size())
    {
    }

    // For the ancestors of an element, nearest first: the walk covers the
    // subtree of the outermost one, and elements are named by their number
    // in that list.
    ShapeWalk(const std::vector<QWebElement>& ancestors, const Selector* step)
        : m_order(m_ownOrder)
        , m_parents(m_ownParents)
        , m_step(step)
        , m_done(0)
        , m_ancestors(&ancestors)
    {
    }

    // The shape of an element's text; null when the page's script cannot tell.
    // The first call describes the subtree, and every call works out the
    // shapes of the elements after this one that are not known yet, innermost
    // first, with the texts read meanwhile.
    const TextShape* shapeOf(size_t j)
    {
        if (!m_started)
            start();
        if (m_described.isEmpty())
            return nullptr;
        j = indexOf(j);
        while (m_done > j) {
            --m_done;
            derive(m_done);
            const auto read = m_reads.find(m_done);
            if (read != m_reads.end()) {
                setText(m_done, read->second);
                m_reads.erase(read);
            }
        }
        return &m_shapes[j];
    }

    bool started() const { return m_started; }

    // On the layout, and written as usual; known once the shape is.
    bool plain(size_t j) const
    {
        j = indexOf(j);
        return j < m_plain.size() && m_plain[j] != 0;
    }

    // The text of an element was read: its shape is the text itself.
    void noteRead(size_t j, const QString& text)
    {
        if (!m_started)
            m_early[j] = text;
        else if (!m_described.isEmpty() && indexOf(j) >= m_done)
            setText(indexOf(j), text);
    }

private:
    size_t indexOf(size_t j) const { return m_ancestors ? (j < m_map.size() ? m_map[j] : m_order.size()) : j; }

    void start()
    {
        m_started = true;
        if (m_ancestors && !m_ancestors->empty()) {
            subtreeInOrder(m_ancestors->back(), m_ownOrder, m_ownParents);
            // The ancestors stand in the walk outermost first.
            m_map.assign(m_ancestors->size(), m_ownOrder.size());
            size_t k = m_ancestors->size();
            for (size_t j = 0; j < m_ownOrder.size() && k > 0; ++j) {
                if (m_ownOrder[j] == (*m_ancestors)[k - 1])
                    m_map[--k] = j;
            }
            m_done = m_ownOrder.size();
        }
        for (const auto& read : m_early)
            m_reads[indexOf(read.first)] = read.second;
        m_early.clear();
        const size_t size = m_order.size();
        const int limit = shapeLimit(m_step);
        if (limit <= 0 || size == 0)
            return;
        m_shapes.resize(size);
        m_first.assign(size, -1);
        m_last.assign(size, -1);
        m_next.assign(size, -1);
        m_plain.assign(size, 0);
        bool pieces = false;
        for (int i = 0; i < m_step->attributeCount() && i < 32; ++i) {
            m_needles << needleOf(m_step->attributeAt(i));
            pieces = pieces || !m_needles.last().isEmpty();
        }
        for (size_t j = 1; j < size; ++j) {
            const size_t parent = size_t(m_parents[j]);
            if (m_first[parent] < 0)
                m_first[parent] = int(j);
            else
                m_next[size_t(m_last[parent])] = int(j);
            m_last[parent] = int(j);
        }
        QWebElement root = m_order.front();
        const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
        QElapsedTimer timer;
        timer.start();
        const QVariant described = root.evaluateJavaScript(
            QString::fromLatin1(describeScript).arg(limit).arg(flag(pieces), flag(laidOut(root))));
        m_described = described.toString().split(QChar(1));
        TextBudget::workedOut(timer.nsecsElapsed(), size);
        if (m_described.size() != int(size))
            m_described.clear();
    }

    void derive(size_t j)
    {
        const QString& d = m_described.at(int(j));
        if (d.size() < 3 || d.at(0) != QLatin1Char('1'))
            return;
        m_plain[j] = 1;
        const QVector<QStringRef> fields = d.midRef(3).split(QChar(2));
        const QStringRef opening = fields.value(0);
        const QStringRef closing = fields.value(1);
        TextShape& shape = m_shapes[j];
        // The page shows the element's own text as it stands, but for the case
        // of its letters, unless it hides or masks it.
        const bool ownTextShown = d.at(2) == QLatin1Char('1');
        const int first = m_first[j];
        const int last = m_last[j];
        if (opening == QLatin1String("E")) {
            if (first >= 0 && m_plain[size_t(first)]) {
                shape.head = m_shapes[size_t(first)].head;
                shape.follow = m_shapes[size_t(first)].follow;
            }
        } else if ((opening.startsWith(QLatin1Char('T')) || opening.startsWith(QLatin1Char('U'))) && opening.size() > 1
                   && ownTextShown) {
            shape.head = opening.mid(1).toString();
            // The whole text, then an element: its first visible character follows.
            if (opening.at(0) == QLatin1Char('U') && first >= 0 && m_plain[size_t(first)]) {
                const QString inner = m_shapes[size_t(first)].trimmedHead();
                if (!inner.isEmpty())
                    shape.follow = inner.at(0);
            }
        }
        // A block whose text ends with a line break adds nothing when it closes.
        if (closing == QLatin1String("F") && last >= 0 && m_plain[size_t(last)]) {
            const QString& tail = m_shapes[size_t(last)].tail;
            if (tail.endsWith(QLatin1Char('\n')) && !tail.trimmed().isEmpty())
                shape.tail = tail;
        }
        if (closing == QLatin1String("E") || closing == QLatin1String("F")) {
            if (last >= 0 && m_plain[size_t(last)] && !m_shapes[size_t(last)].core.isEmpty()) {
                const TextShape& inner = m_shapes[size_t(last)];
                shape.core = inner.core;
                if (inner.trail == TextShape::TrailSpace)
                    shape.trail = TextShape::TrailSpace;
                // Nothing else shown: the trimmed texts are the same.
                if (d.at(1) == QLatin1Char('1') && inner.coreWhole)
                    shape.coreWhole = true;
            }
        } else if (closing.startsWith(QLatin1Char('T')) && closing.size() > 1 && ownTextShown) {
            shape.core = closing.mid(1).toString();
            shape.tail = shape.core;
            shape.trail = TextShape::TrailVisible;
        }
        if (fields.size() > 2) {
            const QVector<QStringRef> pieces = fields.at(2).split(QChar(3), Qt::SkipEmptyParts);
            for (int i = 0; i < m_needles.size(); ++i) {
                if (!m_needles.at(i).isEmpty() && lacks(j, pieces, i))
                    shape.lacks |= quint32(1) << i;
            }
        }
    }

    void setText(size_t j, const QString& text)
    {
        if (m_described.isEmpty())
            return;
        m_shapes[j] = TextShape::of(text);
        if (m_needles.isEmpty())
            return;
        const QString bare = bareFolded(text);
        for (int i = 0; i < m_needles.size(); ++i) {
            if (!m_needles.at(i).isEmpty() && !bare.contains(m_needles.at(i)))
                m_shapes[j].lacks |= quint32(1) << i;
        }
    }

    // Whether the text of an element can hold a value only where its child
    // nodes do not show it: within no own text, within no element inside,
    // across no seam between them, whether the own text is shown or not.
    bool lacks(size_t j, const QVector<QStringRef>& pieces, int index) const
    {
        const QString& needle = m_needles.at(index);
        const int seam = needle.size() - 1;
        const quint32 bit = quint32(1) << index;
        QString shown;
        QString hidden;
        int child = m_first[j];
        for (const QStringRef& piece : pieces) {
            const QChar kind = piece.at(0);
            if (kind == QLatin1Char('T')) {
                shown += piece.mid(1);
                continue;
            }
            if (kind == QLatin1Char('?') || child < 0)
                return false;
            const size_t k = size_t(child);
            child = m_next[k];
            if (kind == QLatin1Char('B'))
                continue;
            const TextShape& inner = m_shapes[k];
            if (!m_plain[k] || !(inner.lacks & bit))
                return false;
            // Only its ends can take part in a seam, unless it is short.
            QString part;
            if (inner.whole || inner.coreWhole) {
                part = bareFolded(inner.whole ? inner.head : inner.core);
            } else {
                const QString start = bareFolded(inner.head);
                const QString end = bareFolded(inner.core);
                if (start.size() < seam || end.size() < seam)
                    return false;
                part = start.left(seam) + QChar(1) + end.right(seam);
            }
            shown += part;
            hidden += part;
        }
        return !shown.contains(needle) && !hidden.contains(needle);
    }

    const std::vector<QWebElement>& m_order;
    const std::vector<int>& m_parents;
    const Selector* m_step;
    bool m_started = false;
    // The shapes from this index on are known.
    size_t m_done;
    // Texts read before the shapes were asked for, by walk index and as named.
    std::map<size_t, QString> m_reads;
    std::map<size_t, QString> m_early;
    const std::vector<QWebElement>* m_ancestors = nullptr;
    std::vector<size_t> m_map;
    std::vector<QWebElement> m_ownOrder;
    std::vector<int> m_ownParents;
    std::vector<TextShape> m_shapes;
    std::vector<int> m_first;
    std::vector<int> m_last;
    std::vector<int> m_next;
    // Elements on the layout whose text the page writes as usual.
    std::vector<char> m_plain;
    QStringList m_described;
    // The bare folded value of each condition, where own texts can rule it out.
    QStringList m_needles;
};

// Reads the text of one element at most once for all the text conditions of a
// step, and answers from what is known of the elements inside it when it can.
struct TextProbe {
    const QWebElement& element;
    // Conditions (by index) that an element inside this one decided.
    quint32 inner = 0;
    // Conditions whose answer this element passes on to those around it.
    quint32 outer = 0;
    // The element holds no child element, so its markup is its text.
    int leaf = -1;
    QString markup;
    bool markupRead = false;
    bool read = false;
    QString text;
    int laid = -1;
    int html = -1;
    // What is known of the text from the elements inside, asked for before a
    // text that holds elements is read.
    ShapeWalk* walk = nullptr;
    size_t at = 0;
    const TextShape* shape = nullptr;
    // Told of every text read.
    TextBudget* budget = nullptr;
    // Works out what its text tells the elements around it (which needs
    // their layout) and takes what the elements inside it told.
    bool passesOn = false;

    explicit TextProbe(const QWebElement& e, quint32 known = 0)
        : element(e)
        , inner(known)
    {
    }

    bool isLaidOut()
    {
        if (laid < 0)
            laid = laidOut(element) ? 1 : 0;
        return laid == 1;
    }

    bool test(const SelectorAttribute* attribute, int index)
    {
        const quint32 bit = index < 32 && passesOn ? (quint32(1) << index) : 0;
        const Evidence kind = bit ? evidenceKind(attribute) : Evidence::None;
        if (kind != Evidence::None && (inner & bit)) {
            if (html < 0)
                html = isHtml(element) ? 1 : 0;
            if (html == 1) {
                if (kind == Evidence::Holds)
                    return true;
                return attribute->comparison() == SelectorAttribute::NotEqual;
            }
        }
        if (!read) {
            if (leaf < 0)
                leaf = element.firstChild().isNull() ? 1 : 0;
            if (leaf == 1 && !markupRead) {
                markup = element.toInnerXml();
                markupRead = true;
            }
            bool result = false;
            // A void element writes none of its content into its markup: a
            // text that a script put into it shows only in its plain text.
            if (leaf == 1 && !markup.isEmpty() && markupRules(markup, attribute, result))
                return result;
            if (leaf == 0 && walk && !shape) {
                shape = walk->shapeOf(at);
                if (walk->plain(at))
                    laid = 1;
            }
            if (shape && decideFromShape(*shape, attribute, index, result)) {
                const bool trimmed = attribute->keyword() == SelectorAttribute::KeywordTrimmed;
                if (kind == Evidence::TooLong && shape->knownLength(trimmed) > attribute->value().size()
                    && isLaidOut())
                    outer |= bit;
                if (kind == Evidence::Holds && result && isLaidOut())
                    outer |= bit;
                return result;
            }
            if (budget)
                budget->aboutToRead();
            text = element.toPlainText();
            if (budget)
                budget->doneReading();
            read = true;
        }
        const QString subject = attribute->keyword() == SelectorAttribute::KeywordTrimmed ? text.trimmed() : text;
        const bool result = compareText(subject, attribute->value(), attribute->comparison());
        if (kind == Evidence::TooLong && lengthFromFirstVisible(subject) > attribute->value().size() && isLaidOut())
            outer |= bit;
        if (kind == Evidence::Holds && result && isLaidOut())
            outer |= bit;
        return result;
    }
};

// A step's conditions with the text ones answered through the probe.
bool probeStep(TextProbe& probe, const Selector* step, int pos, int count)
{
    const QWebElement& element = probe.element;
    if (element.isNull() || !step)
        return false;
    const int n = step->attributeCount();
    if (n == 0)
        return true;
    const int join = step->join();
    if (join != Selector::JoinAll && join != Selector::JoinAny)
        return false;
    // The conditions have no side effects, so their order does not change the
    // answer: the plain text, which needs the page's layout, is read last.
    const bool wanted = join == Selector::JoinAny;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            const SelectorAttribute* attribute = step->attributeAt(i);
            if (isTextual(attribute) != (pass == 1))
                continue;
            const bool result = pass == 1 ? probe.test(attribute, i)
                                          : SelectorLookup::matches(element, attribute, pos, count);
            if (result == wanted)
                return wanted;
        }
    }
    return !wanted;
}


// The position conditions of a join-all step: cheap to test before the
// element itself is looked at.
bool positionsHold(const Selector* step, int pos, int count)
{
    if (step->join() != Selector::JoinAll)
        return true;
    for (int i = 0; i < step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = step->attributeAt(i);
        if (isPositional(attribute) && !SelectorLookup::matches(QWebElement(), attribute, pos, count))
            return false;
    }
    return true;
}

// The elements of a subtree in document order, each with the index of its
// parent, of its first child and next sibling, and the size of its own subtree.
struct Subtree {
    std::vector<QWebElement> order;
    std::vector<int> parents;
    std::vector<int> sizes;
    std::vector<int> firstChild;
    std::vector<int> nextSibling;

    explicit Subtree(const QWebElement& root)
    {
        subtreeInOrder(root, order, parents);
        const size_t size = order.size();
        sizes.assign(size, 1);
        firstChild.assign(size, -1);
        nextSibling.assign(size, -1);
        for (size_t j = size; j-- > 1;) {
            const size_t parent = size_t(parents[j]);
            sizes[parent] += sizes[j];
            nextSibling[j] = firstChild[parent];
            firstChild[parent] = int(j);
        }
    }

    // Tests the candidates, given by their positions (-1 for none), innermost
    // first: what their texts prove about those around them spares reading
    // the outer texts, each of which holds all the inner ones. Texts are read
    // until working out the shapes of the whole subtree costs less, or from
    // the start when "whole" is set.
    std::vector<char> match(const std::vector<int>& candidate, const Selector* step, int count,
                            bool whole = false) const
    {
        std::vector<char> matched(order.size(), 0);
        std::vector<quint32> below(order.size(), 0);
        ShapeWalk shapes(order, parents, step);
        TextBudget budget;
        // The candidates around each element: every one of them is still to
        // be tested when the element is, and its text holds the element's.
        std::vector<int> around(order.size(), 0);
        const bool evidence = hasEvidence(step);
        for (size_t j = 1; j < order.size() && !evidence; ++j) {
            const size_t parent = size_t(parents[j]);
            around[j] = around[parent] + (candidate[parent] >= 0 ? 1 : 0);
        }
        for (size_t j = order.size(); j-- > 0;) {
            quint32 outer = 0;
            const int at = candidate[j];
            if (at >= 0 && positionsHold(step, at, count)) {
                TextProbe probe(order[j], below[j]);
                probe.budget = &budget;
                probe.passesOn = true;
                if (whole) {
                    probe.walk = &shapes;
                    probe.at = j;
                }
                matched[j] = probeStep(probe, step, at, count) ? 1 : 0;
                outer = probe.outer;
                if (probe.read) {
                    shapes.noteRead(j, probe.text);
                    // Unless texts decide those around them, those around it are read too.
                    whole = whole || budget.spentOn(order.front(), around[j]);
                }
            }
            if (parents[j] >= 0)
                below[size_t(parents[j])] |= below[j] | outer;
        }
        return matched;
    }
};

// Tests the ancestors of an element in turn, nearest first. Each holds the
// ones before it: their texts may decide its own. Far ones hold long texts:
// once reading them costs more, their shapes are worked out instead.
class AncestorTests
{
public:
    // "every": each ancestor is tested, not only those up to the first match.
    AncestorTests(const QWebElement& element, const Selector* step, bool every)
        : m_element(element)
        , m_step(step)
        , m_shapes(m_ancestors, step)
        , m_every(every)
    {
    }

    int count()
    {
        // Listed when first asked for: a scan that ends below them needs none.
        if (!m_element.isNull()) {
            for (QWebElement e = m_element.parent(); !e.isNull(); e = e.parent())
                m_ancestors.push_back(e);
            m_element = QWebElement();
        }
        return int(m_ancestors.size());
    }

    const QWebElement& at(int i) const { return m_ancestors[size_t(i)]; }

    // For each ancestor in turn, from the nearest one on.
    bool matches(int i, int pos, int count)
    {
        if (i >= this->count())
            return false;
        TextProbe probe(m_ancestors[size_t(i)], m_inner);
        probe.budget = &m_budget;
        probe.passesOn = true;
        if (m_whole) {
            probe.walk = &m_shapes;
            probe.at = size_t(i);
        }
        const bool result = probeStep(probe, m_step, pos, count);
        m_inner |= probe.outer;
        if (probe.read) {
            m_shapes.noteRead(size_t(i), probe.text);
            const int ahead = m_every && !hasEvidence(m_step) ? int(m_ancestors.size()) - i - 1 : 0;
            m_whole = m_whole || m_budget.spentOn(m_ancestors.back(), ahead);
        }
        return result;
    }

private:
    QWebElement m_element;
    const Selector* m_step;
    std::vector<QWebElement> m_ancestors;
    ShapeWalk m_shapes;
    TextBudget m_budget;
    bool m_every;
    // The shapes of the texts are worked out instead of read.
    bool m_whole = false;
    quint32 m_inner = 0;
};

// The children (or siblings) of one element, for a text step without
// positions, their texts read one by one.
void familyOf(const QWebElement& element, const Selector* step, bool siblings, TextBudget& budget,
              std::vector<QWebElement>& out)
{
    QWebElement e = siblings ? element.parent().firstChild() : element.firstChild();
    if (siblings && e.isNull()) {
        for (e = element; !e.previousSibling().isNull();)
            e = e.previousSibling();
    }
    for (; !e.isNull(); e = e.nextSibling()) {
        TextProbe probe(e);
        probe.budget = &budget;
        if (probeStep(probe, step, 0, 0))
            out.push_back(e);
    }
}

// The children (or siblings) of many elements at once, for a text step without
// positions. Where they hold one another, as the levels of a chain of elements
// one inside the next do, each text read would hold all the inner ones: tested
// together, innermost first, the inner texts decide the outer ones. Only for
// elements of one document in document order; false, having appended nothing,
// otherwise.
bool familyTogether(const std::vector<QWebElement>& current, const Selector* step, bool siblings,
                    std::vector<QWebElement>& out)
{
    if (current.empty())
        return false;
    QWebElement root = current.front();
    for (QWebElement up = root.parent(); !up.isNull(); up = up.parent())
        root = up;
    const Subtree tree(root);
    std::vector<int> families;
    families.reserve(current.size());
    for (size_t j = 0; j < tree.order.size() && families.size() < current.size(); ++j) {
        while (families.size() < current.size() && tree.order[j] == current[families.size()]) {
            const int family = siblings ? tree.parents[j] : int(j);
            if (family < 0)
                return false;
            families.push_back(family);
        }
    }
    if (families.size() < current.size())
        return false;
    std::vector<int> candidate(tree.order.size(), -1);
    for (const int family : families) {
        for (int c = tree.firstChild[size_t(family)]; c >= 0; c = tree.nextSibling[size_t(c)])
            candidate[size_t(c)] = 0;
    }
    const std::vector<char> matched = tree.match(candidate, step, 0, true);
    for (const int family : families) {
        for (int c = tree.firstChild[size_t(family)]; c >= 0; c = tree.nextSibling[size_t(c)]) {
            if (matched[size_t(c)])
                out.push_back(tree.order[size_t(c)]);
        }
    }
    return true;
}

// SVG element names written in mixed case. In an HTML document a type selector
// matches them differently from the case-blind comparison of element names.
bool mixedCaseForeignName(const QString& lower)
{
    static const QStringList names = {
        QStringLiteral("altglyph"),          QStringLiteral("altglyphdef"),       QStringLiteral("altglyphitem"),
        QStringLiteral("animatecolor"),      QStringLiteral("animatemotion"),     QStringLiteral("animatetransform"),
        QStringLiteral("clippath"),          QStringLiteral("foreignobject"),     QStringLiteral("glyphref"),
        QStringLiteral("lineargradient"),    QStringLiteral("radialgradient"),    QStringLiteral("textpath")};
    // Every filter primitive (feBlend, feGaussianBlur, ...) starts with "fe".
    return lower.startsWith(QLatin1String("fe")) || names.contains(lower);
}

// In an HTML document (not XHTML) a lower-case type selector matches an HTML
// element whatever the case of its name, as the name condition does.
bool isHtmlDocument(QWebFrame* frame)
{
    const QWebElement root = frame->documentElement();
    return root.tagName() == QLatin1String("HTML") && root.localName() == QLatin1String("html");
}

// A CSS compound selector passing exactly the elements that match a step's
// conditions: empty when CSS cannot say it exactly. Positions and texts have no
// CSS form; names only in an HTML document.
struct ExactFilter {
    // The type selector, "*" for any element.
    QString type;
    QString conditions;
    bool valid = false;

    ExactFilter(const Selector* step, bool htmlDocument)
    {
        type = QStringLiteral("*");
        if (!step)
            return;
        const int n = step->attributeCount();
        if (n > 0 && step->join() != Selector::JoinAll)
            return;
        bool named = false;
        for (int i = 0; i < n; ++i) {
            const SelectorAttribute* attribute = step->attributeAt(i);
            if (attribute->keyword() == SelectorAttribute::KeywordName) {
                const QString lower = attribute->value().toLower();
                if (!htmlDocument || named || attribute->comparison() != SelectorAttribute::Equal || !cssName(lower)
                    || mixedCaseForeignName(lower))
                    return;
                type = lower;
                named = true;
                continue;
            }
            bool exact = false;
            bool always = false;
            conditions += conditionFilter(attribute, exact, always);
            if (!exact)
                return;
        }
        valid = true;
    }

    QString compound() const { return type + conditions; }
};

} // namespace

// What one step searches for, worked out once per lookup.
struct SelectorLookup::Plan {
    // The CSS query for the candidates of a tag step: the tag alone when the
    // positions count every element of the tag, else the tag narrowed by the
    // conditions CSS can express.
    QString query;
    // Every element the query finds matches the step.
    bool exact = false;
    bool positional = false;
    // A step whose conditions are joined by neither rule matches nothing.
    bool never = false;
    // The query is one complex selector, not a list: it can be extended.
    bool single = true;
    // Texts of candidates inside others may decide the outer ones.
    bool evidence = false;
    // Finds an element of the tag inside another.
    QString nestQuery;

    explicit Plan(const Selector* step)
    {
        evidence = shapeLimit(step) > 0;
        const QString tag = cssTag(step);
        query = tag;
        if (evidence && !tag.isEmpty())
            nestQuery = tag + QStringLiteral(" ") + tag;
        const int n = step->attributeCount();
        if (n == 0) {
            exact = true;
            return;
        }
        if (step->join() != Selector::JoinAll && step->join() != Selector::JoinAny) {
            never = true;
            return;
        }
        for (int i = 0; i < n; ++i) {
            if (isPositional(step->attributeAt(i)))
                positional = true;
        }
        // Without a tag the query finds nothing, and must go on finding nothing.
        if (positional || tag.isEmpty())
            return;
        if (step->join() == Selector::JoinAll) {
            QString filter;
            bool allExact = true;
            for (int i = 0; i < n; ++i) {
                bool conditionExact = false;
                bool always = false;
                filter += conditionFilter(step->attributeAt(i), conditionExact, always);
                allExact = allExact && conditionExact;
            }
            query = tag + filter;
            exact = allExact;
            return;
        }
        QStringList branches;
        bool allExact = true;
        for (int i = 0; i < n; ++i) {
            bool conditionExact = false;
            bool always = false;
            const QString filter = conditionFilter(step->attributeAt(i), conditionExact, always);
            if (always) {
                exact = true;
                return;
            }
            if (filter.isEmpty())
                return;
            branches << tag + filter;
            allExact = allExact && conditionExact;
        }
        query = branches.join(QStringLiteral(", "));
        exact = allExact;
        single = branches.size() == 1;
    }

    // Appends the elements of the collection that match the step, in order.
    // The collection lists elements of the root's subtree in document order.
    void collect(const QWebElementCollection& all, const Selector* step, const QWebElement& root,
                 Elements& out) const
    {
        const int count = all.count();
        if (exact && !positional) {
            if (out.empty())
                out.reserve(count);
            for (int i = 0; i < count; ++i)
                out.push_back(all.at(i));
            return;
        }
        // Candidates that hold no element cannot hold one another: the query
        // for nested candidates, which walks the whole page, waits for the
        // first candidate that holds one.
        int nesting = evidence && !nestQuery.isEmpty() ? -1 : 0;
        for (int i = 0; i < count; ++i) {
            const QWebElement element = all.at(i);
            TextProbe probe(element);
            if (evidence) {
                probe.leaf = element.firstChild().isNull() ? 1 : 0;
                if (!probe.leaf && nesting < 0)
                    nesting = root.isNull() || root.findFirst(nestQuery).isNull() ? 0 : 1;
                if (!probe.leaf && nesting > 0) {
                    const int end = collectInside(all, i, step, out);
                    if (end > i) {
                        i = end - 1;
                        continue;
                    }
                }
            }
            if (positional && !positionsHold(step, i, count))
                continue;
            if (probeStep(probe, step, i, count))
                out.push_back(element);
        }
    }

    // A candidate with candidates inside it: the innermost are tested first,
    // and what their texts prove about those around them spares reading the
    // outer texts, each of which holds all the inner ones. Returns the index
    // after the last candidate inside, having appended those that match; the
    // index of the candidate itself, having appended nothing, when it holds
    // none.
    static int collectInside(const QWebElementCollection& all, int index, const Selector* step, Elements& out)
    {
        const int count = all.count();
        if (index + 1 >= count)
            return index;
        const Subtree tree(all.at(index));
        std::vector<int> candidate(tree.order.size(), -1);
        candidate[0] = index;
        int k = index + 1;
        QWebElement wanted = all.at(k);
        for (size_t j = 1; j < tree.order.size() && k < count; ++j) {
            if (tree.order[j] == wanted) {
                candidate[j] = k++;
                if (k < count)
                    wanted = all.at(k);
            }
        }
        if (k == index + 1)
            return index;
        const std::vector<char> matched = tree.match(candidate, step, count);
        for (size_t j = 0; j < tree.order.size(); ++j) {
            if (candidate[j] >= 0 && matched[j])
                out.push_back(tree.order[j]);
        }
        return k;
    }
};

SelectorLookup::SelectorLookup(QWebView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
}

QWebFrame* SelectorLookup::mainFrame() const
{
    if (!m_view || !m_view->page())
        return nullptr;
    return m_view->page()->mainFrame();
}

QList<QWebElement> SelectorLookup::find(const SelectorList* list) const
{
    QWebFrame* frame = mainFrame();
    if (!frame || !list || list->count() == 0)
        return {};
    const Elements found = evaluate(frame, list);
    QList<QWebElement> out;
    out.reserve(int(found.size()));
    for (const QWebElement& element : found)
        out.append(element);
    return out;
}

SelectorLookup::Elements SelectorLookup::evaluate(QWebFrame* frame, const SelectorList* list) const
{
    const Selector* first = list->at(0);
    const Plan firstPlan(first);
    Elements current;
    if (!firstPlan.never)
        firstPlan.collect(frame->findAllElements(firstPlan.query), first, frame->documentElement(), current);
    // A CSS selector that finds exactly the current elements in document
    // order, while there is one, and the type its last part names.
    QString currentQuery;
    QString currentType;
    if (!firstPlan.never && firstPlan.exact && !firstPlan.positional && firstPlan.single
        && !firstPlan.query.isEmpty()) {
        currentQuery = firstPlan.query;
        currentType = cssTag(first);
    }
    int htmlDocument = -1;
    for (int i = 1; i < list->count() && !current.empty(); ++i) {
        const Selector* step = list->at(i);
        const bool css = !currentQuery.isEmpty()
            && (step->kind() == Selector::KindChild || step->kind() == Selector::KindNext);
        if (css && htmlDocument < 0)
            htmlDocument = isHtmlDocument(frame) ? 1 : 0;
        const ExactFilter filter = css ? ExactFilter(step, htmlDocument == 1) : ExactFilter(nullptr, false);
        if (filter.valid && step->kind() == Selector::KindChild) {
            const QString query = currentQuery + QStringLiteral(" > ") + filter.compound();
            Elements next;
            if (childrenInStepOrder(frame->findAllElements(query), current, next)) {
                current.swap(next);
                currentQuery = query;
                currentType = filter.type;
                continue;
            }
        }
        if (filter.valid && step->kind() == Selector::KindNext) {
            // An element has one name: when the two types differ no current
            // element is a candidate.
            const bool disjoint = currentType != filter.type && currentType != QLatin1String("*")
                && filter.type != QLatin1String("*");
            Elements next;
            nextInDocumentOrder(frame->findAllElements(currentQuery + QStringLiteral(", ") + filter.compound()),
                                current, step, disjoint, next);
            current.swap(next);
            currentQuery.clear();
            continue;
        }
        currentQuery.clear();
        const Plan plan(step);
        Elements next;
        const bool family = step->kind() == Selector::KindChild || step->kind() == Selector::KindSibling;
        if (family && plan.evidence && !plan.positional && !plan.never) {
            // One by one until reading the texts costs more than working out
            // those of the whole page; then the rest together.
            const bool siblings = step->kind() == Selector::KindSibling;
            QWebElement top = current.front();
            for (QWebElement up = top.parent(); !up.isNull(); up = up.parent())
                top = up;
            TextBudget budget;
            size_t done = 0;
            while (done < current.size()) {
                familyOf(current[done++], step, siblings, budget, next);
                if (budget.spentOn(top))
                    break;
            }
            const Elements rest(current.begin() + long(done), current.end());
            if (!rest.empty() && !familyTogether(rest, step, siblings, next)) {
                TextBudget unused;
                for (const QWebElement& element : rest)
                    familyOf(element, step, siblings, unused, next);
            }
            current.swap(next);
            continue;
        }
        if (!plan.never) {
            for (const QWebElement& element : qAsConst(current)) {
                switch (step->kind()) {
                case Selector::KindParent: stepParent(element, step, next); break;
                case Selector::KindChild: stepChild(element, step, plan, next); break;
                case Selector::KindSibling: stepSibling(element, step, plan, next); break;
                case Selector::KindNext: stepNext(element, step, next); break;
                default: stepDown(element, step, plan, next); break;
                }
            }
        }
        current.swap(next);
    }
    return current;
}

// The children found by one CSS query come in document order; the step lists
// them parent by parent in the order of the parents. The two agree unless one
// parent holds another: then the parents' children interleave, and the caller
// walks the parents itself.
bool SelectorLookup::childrenInStepOrder(const QWebElementCollection& children, const Elements& parents,
                                         Elements& out)
{
    const int count = children.count();
    out.reserve(size_t(count));
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const QWebElement child = children.at(i);
        const QWebElement parent = child.parent();
        while (at < parents.size() && parents[at] != parent)
            ++at;
        if (at == parents.size()) {
            out.clear();
            return false;
        }
        out.push_back(child);
    }
    return true;
}

// The next step of each current element, when the current elements are
// exactly those of a CSS query and "both" lists them and the step's candidates
// in document order. The first candidate after an element is its answer when it
// lies under the element's parent: the scan reaches it before anything else.
// Otherwise, and when no candidate follows, the element is scanned for.
void SelectorLookup::nextInDocumentOrder(const QWebElementCollection& both, const Elements& current,
                                         const Selector* step, bool disjoint, Elements& out) const
{
    std::vector<QWebElement> answers(current.size());
    std::vector<size_t> waiting;
    size_t at = 0;
    const int count = both.count();
    for (int k = 0; k < count; ++k) {
        const QWebElement element = both.at(k);
        const bool isCurrent = at < current.size() && element == current[at];
        const bool isCandidate = !isCurrent || (!disjoint && matchesStep(element, step, 0, -1));
        if (isCandidate) {
            for (size_t index : waiting) {
                const QWebElement parent = current[index].parent();
                bool under = parent.isNull();
                for (QWebElement e = element.parent(); !under && !e.isNull(); e = e.parent())
                    under = e == parent;
                answers[index] = under ? element : findNext(current[index], step);
            }
            waiting.clear();
        }
        if (isCurrent)
            waiting.push_back(at++);
    }
    for (size_t index : waiting)
        answers[index] = findNext(current[index], step);
    // Had the query missed a current element, candidates and current elements
    // could have been taken for one another: then every answer is scanned for.
    if (at < current.size()) {
        for (size_t index = 0; index < current.size(); ++index)
            answers[index] = findNext(current[index], step);
    }
    for (const QWebElement& answer : answers) {
        if (!answer.isNull())
            out.push_back(answer);
    }
}

void SelectorLookup::stepDown(const QWebElement& element, const Selector* step, const Plan& plan,
                              Elements& out) const
{
    if (element.isNull())
        return;
    if (element.tagName().compare(ConstSelector::tagIframe(), Qt::CaseInsensitive) == 0) {
        QWebFrame* child = frameOf(m_view, element);
        if (child)
            plan.collect(child->findAllElements(plan.query), step, child->documentElement(), out);
        return;
    }
    plan.collect(element.findAll(plan.query), step, element, out);
}

void SelectorLookup::stepParent(const QWebElement& element, const Selector* step, Elements& out) const
{
    if (element.isNull())
        return;
    AncestorTests ancestors(element, step, true);
    const int count = ancestors.count();
    for (int i = 0; i < count; ++i) {
        if (ancestors.matches(i, i, count))
            out.push_back(ancestors.at(i));
    }
}

void SelectorLookup::stepChild(const QWebElement& element, const Selector* step, const Plan& plan,
                               Elements& out) const
{
    if (element.isNull())
        return;
    int count = 0;
    if (plan.positional) {
        for (QWebElement e = element.firstChild(); !e.isNull(); e = e.nextSibling())
            ++count;
    }
    int pos = 0;
    for (QWebElement e = element.firstChild(); !e.isNull(); e = e.nextSibling(), ++pos) {
        if (plan.positional && !positionsHold(step, pos, count))
            continue;
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepSibling(const QWebElement& element, const Selector* step, const Plan& plan,
                                 Elements& out) const
{
    if (element.isNull())
        return;
    const QWebElement parent = element.parent();
    if (!parent.isNull()) {
        stepChild(parent, step, plan, out);
        return;
    }
    QWebElement first = element;
    for (QWebElement e = element.previousSibling(); !e.isNull(); e = e.previousSibling())
        first = e;
    int count = 0;
    for (QWebElement e = first; !e.isNull(); e = e.nextSibling())
        ++count;
    int pos = 0;
    for (QWebElement e = first; !e.isNull(); e = e.nextSibling(), ++pos) {
        if (matchesStep(e, step, pos, count))
            out.push_back(e);
    }
}

void SelectorLookup::stepNext(const QWebElement& element, const Selector* step, Elements& out) const
{
    if (element.isNull())
        return;
    const QWebElement next = findNext(element, step);
    if (!next.isNull())
        out.push_back(next);
}

// Scans from the element through its subtree and its following siblings with
// theirs, then from each ancestor: the ancestor, its subtree, its following
// siblings. Candidates have no position, so whatever a scan has tested fails
// again in a later one: an ancestor's scan skips the part from the previous
// start on and tests only the children before it.
QWebElement SelectorLookup::findNext(const QWebElement& element, const Selector* step) const
{
    // Ancestors are tested as the parent step tests them where texts count.
    const bool texts = shapeLimit(step) > 0;
    std::optional<AncestorTests> ancestors;
    QWebElement previous;
    int depth = 0;
    for (QWebElement start = element; !start.isNull(); previous = start, start = start.parent(), ++depth) {
        if (texts && start != element && !ancestors)
            ancestors.emplace(element, step, false);
        if (start != element && (texts ? ancestors->matches(depth - 1, 0, -1) : matchesStep(start, step, 0, -1)))
            return start;
        if (previous.isNull()) {
            const QWebElement found = scanTree(start, element, step);
            if (!found.isNull())
                return found;
        } else {
            for (QWebElement child = start.firstChild(); !child.isNull() && child != previous;
                 child = child.nextSibling()) {
                const QWebElement found = scanTree(child, element, step);
                if (!found.isNull())
                    return found;
            }
        }
        for (QWebElement sibling = start.nextSibling(); !sibling.isNull(); sibling = sibling.nextSibling()) {
            const QWebElement found = scanTree(sibling, element, step);
            if (!found.isNull())
                return found;
        }
    }
    return QWebElement();
}

// The first element of the root's subtree in document order that matches, the
// skipped element aside. Read one by one, the texts of elements inside one
// another would each hold all the inner ones: once reading them costs more
// than working out the texts of the subtree at once, the rest of it is tested
// that way.
QWebElement SelectorLookup::scanTree(const QWebElement& root, const QWebElement& skip, const Selector* step) const
{
    const bool texts = shapeLimit(step) > 0;
    TextBudget budget;
    for (QWebElement e = root; !e.isNull();) {
        if (e != skip) {
            TextProbe probe(e);
            if (texts)
                probe.budget = &budget;
            if (probeStep(probe, step, 0, -1))
                return e;
            if (probe.read && budget.spentOn(root)) {
                const Subtree tree(root);
                const std::vector<char> matched =
                    tree.match(std::vector<int>(tree.order.size(), 0), step, -1, true);
                for (size_t j = 0; j < tree.order.size(); ++j) {
                    if (matched[j] && tree.order[j] != skip)
                        return tree.order[j];
                }
                return QWebElement();
            }
        }
        QWebElement next = e.firstChild();
        for (QWebElement up = e; next.isNull() && up != root && !up.isNull(); up = up.parent())
            next = up.nextSibling();
        e = next;
    }
    return QWebElement();
}

QWebFrame* SelectorLookup::frameOf(QWebView* view, const QWebElement& element)
{
    if (!view || !view->page() || !view->page()->mainFrame() || element.isNull())
        return nullptr;
    // Frames are listed in the order they were created, which differs from
    // document order once a script adds one: match each by its owner element.
    const QList<QWebFrame*> frames = view->page()->mainFrame()->childFrames();
    for (QWebFrame* frame : frames) {
        if (frame && frame->ownerElement() == element)
            return frame;
    }
    return nullptr;
}

bool SelectorLookup::matchesStep(const QWebElement& element, const Selector* step, int pos, int count)
{
    TextProbe probe(element);
    return probeStep(probe, step, pos, count);
}

bool SelectorLookup::matches(const QWebElement& element, const SelectorAttribute* attribute, int pos, int count)
{
    if (!attribute)
        return false;
    switch (attribute->keyword()) {
    case SelectorAttribute::KeywordFirst:
        return compareNumber(pos, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordLast:
        return compareNumber(count - pos - 1, attribute->intValue(), attribute->comparison());
    case SelectorAttribute::KeywordName:
        return compareText(element.tagName(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordText:
        return compareText(element.toPlainText(), attribute->value(), attribute->comparison());
    case SelectorAttribute::KeywordTrimmed:
        return compareText(element.toPlainText().trimmed(), attribute->value(), attribute->comparison());
    default:
        return compareText(element.attribute(attribute->name()), attribute->value(), attribute->comparison());
    }
}

} // namespace Vexal
