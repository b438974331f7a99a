#include "automation/selector/SelectorLookupShapes.h"

#include "automation/selector/Selector.h"
#include "automation/selector/SelectorAttribute.h"
#include "automation/selector/SelectorLookupText.h"

#include <algorithm>

namespace Vexal {
namespace lookup {

static bool startsWithText(const QString& text, const QString& prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

static bool endsWithText(const QString& text, const QString& suffix)
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

// A text without its white space, in folded case. Texts of whole pages come
// here: ASCII, white space and letters alike, takes no call per character.
static QString bareFolded(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 128) {
            if (u != ' ' && (u < '\t' || u > '\r'))
                *to++ = QChar(ushort(u >= 'A' && u <= 'Z' ? u + 32 : u));
        } else if (!c.isSpace()) {
            *to++ = c.toCaseFolded();
        }
    }
    out.truncate(int(to - out.constData()));
    return out;
}

// The value of a condition as bareFolded gives it, where an element's own
// text in printable ASCII, shown as it stands, hidden or masked, holds the
// value only where its markup does. The page shows such a text in other
// characters only masked (bullets, circles or squares) or, in some languages,
// with "i" and "I" restyled as dotted or dotless letters: values holding those
// are left out. So are values holding characters outside the basic plane, which
// case folding takes as pairs of halves.
static QString needleOf(const SelectorAttribute* attribute)
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
void subtreeInOrder(const PageElement& root, std::vector<PageElement>& order, std::vector<int>& parents)
{
    order.push_back(root);
    parents.push_back(-1);
    int parent = 0;
    PageElement e = root.firstChild();
    while (!e.isNull()) {
        const int index = int(order.size());
        order.push_back(e);
        parents.push_back(parent);
        PageElement child = e.firstChild();
        if (!child.isNull()) {
            parent = index;
            e = child;
            continue;
        }
        PageElement next = e.nextSibling();
        while (next.isNull() && parent > 0) {
            next = order[size_t(parent)].nextSibling();
            parent = parents[size_t(parent)];
        }
        e = next;
    }
}

const TextShape* ShapeWalk::shapeOf(size_t j)
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
            m_shapes[m_done] = std::move(read->second);
            m_reads.erase(read);
        }
    }
    return &m_shapes[j];
}

void ShapeWalk::noteRead(size_t j, const QString& text)
{
    if (!m_started)
        m_early[j] = shapeOfText(text);
    else if (!m_described.isEmpty() && indexOf(j) >= m_done)
        m_shapes[indexOf(j)] = shapeOfText(text);
}

void ShapeWalk::prepare()
{
    for (int i = 0; i < m_step->attributeCount(); ++i) {
        const SelectorAttribute* attribute = m_step->attributeAt(i);
        if (isTextual(attribute))
            m_keep = std::max(m_keep, int(attribute->value().size()) + 1);
        if (i < 32)
            m_needles << needleOf(attribute);
    }
}

void ShapeWalk::start()
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
    m_flows.assign(size, Apart);
    bool pieces = false;
    for (const QString& needle : qAsConst(m_needles))
        pieces = pieces || !needle.isEmpty();
    for (size_t j = 1; j < size; ++j) {
        const size_t parent = size_t(m_parents[j]);
        if (m_first[parent] < 0)
            m_first[parent] = int(j);
        else
            m_next[size_t(m_last[parent])] = int(j);
        m_last[parent] = int(j);
    }
    const PageElement& root = m_order.front();
    const qint64 started = TextBudget::now();
    m_described = root.dom()->describeTexts(root, limit, pieces, laidOut(root));
    TextBudget::workedOut(TextBudget::now() - started, size);
    if (m_described.size() != int(size))
        m_described.clear();
}

void ShapeWalk::derive(size_t j)
{
    const QString& d = m_described.at(int(j));
    if (d.size() < 4)
        return;
    // Inner elements come first. An element out of the layout writes
    // nothing: its text, where one was read, tells nothing of the texts
    // around it. Nor does a box that clips all it holds away, where nothing
    // inside it stands apart (is positioned out of it).
    bool flows = d.at(3) != QLatin1Char('0');
    for (int child = m_first[j]; flows && child >= 0; child = m_next[size_t(child)])
        flows = m_flows[size_t(child)] != Apart;
    m_flows[j] = !flows ? Apart : d.at(3) == QLatin1Char('2') || d.at(3) == QLatin1Char('3') ? Unwritten : Written;
    if (d.at(0) != QLatin1Char('1'))
        return;
    m_plain[j] = 1;
    const QVector<QStringRef> fields = d.midRef(4).split(QChar(2));
    const QStringRef opening = fields.value(0);
    const QStringRef closing = fields.value(1);
    TextShape& shape = m_shapes[j];
    // The page shows the element's own text as it stands, but for the case
    // of its letters, unless it hides or masks it.
    const bool ownTextShown = d.at(2) == QLatin1Char('1');
    const int first = m_first[j];
    const int last = m_last[j];
    if (opening == QLatin1String("E")) {
        if (first >= 0 && m_flows[size_t(first)] == Written) {
            shape.head = m_shapes[size_t(first)].head;
            shape.follow = m_shapes[size_t(first)].follow;
        }
    } else if ((opening.startsWith(QLatin1Char('T')) || opening.startsWith(QLatin1Char('U'))) && opening.size() > 1
               && ownTextShown) {
        shape.head = opening.mid(1).toString();
        // The whole text, then an element: its first visible character follows.
        if (opening.at(0) == QLatin1Char('U') && first >= 0 && m_flows[size_t(first)] == Written) {
            const QString inner = m_shapes[size_t(first)].trimmedHead();
            if (!inner.isEmpty())
                shape.follow = inner.at(0);
        }
    }
    // A block whose text ends with a line break adds nothing when it closes.
    if (closing == QLatin1String("F") && last >= 0 && m_flows[size_t(last)] == Written) {
        const QString& tail = m_shapes[size_t(last)].tail;
        if (tail.endsWith(QLatin1Char('\n')) && !tail.trimmed().isEmpty())
            shape.tail = tail;
    }
    if (closing == QLatin1String("E") || closing == QLatin1String("F")) {
        if (last >= 0 && m_flows[size_t(last)] == Written && !m_shapes[size_t(last)].core.isEmpty()) {
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

TextShape ShapeWalk::shapeOfText(const QString& text) const
{
    TextShape shape = TextShape::of(text, m_keep);
    QString bare;
    bool folded = false;
    for (int i = 0; i < m_needles.size(); ++i) {
        if (m_needles.at(i).isEmpty())
            continue;
        if (!folded) {
            bare = bareFolded(text);
            folded = true;
        }
        if (!bare.contains(m_needles.at(i)))
            shape.lacks |= quint32(1) << i;
    }
    return shape;
}

bool ShapeWalk::lacks(size_t j, const QVector<QStringRef>& pieces, int index) const
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
        // A child out of the layout writes nothing: the texts on either
        // side of it meet.
        if (kind == QLatin1Char('B') || m_flows[k] == Unwritten)
            continue;
        const TextShape& inner = m_shapes[k];
        if (m_flows[k] != Written || !(inner.lacks & bit))
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

} // namespace lookup
} // namespace Vexal
