#include "exchange/XmlReader.h"

#include "exchange/XmlSyntax.h"

#include <algorithm>
#include <climits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <iterator>

// The reader's buffer and error positions, and the document: the prolog, the
// root, its items and their fields. The tokens and values it is made of are
// read in XmlReaderTokens.cpp and XmlReaderValues.cpp; the text comes from an
// XmlSource (XmlSource.cpp), which decides the encoding.

namespace Vexal {

using namespace XmlSyntax;

namespace {

constexpr int compactAfter = 1 << 18;   // consumed characters kept before the buffer is compacted

// The line ends in a stretch of text. Every character the reader drops
// passes here once, so it goes eight at a time where the processor can.
qint64 countLineEnds(const ushort* text, const ushort* end)
{
    qint64 count = 0;
#if defined(__SSE2__)
    const __m128i lineEnd = _mm_set1_epi16('\n');
    while (end - text >= 8 * 4096) {
        // Each 16-bit lane counts up to 4096 matches, well below its limit.
        __m128i lanes = _mm_setzero_si128();
        for (const ushort* block = text + 8 * 4096; text < block; text += 8) {
            const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
            lanes = _mm_sub_epi16(lanes, _mm_cmpeq_epi16(chars, lineEnd));
        }
        alignas(16) ushort sums[8];
        _mm_store_si128(reinterpret_cast<__m128i*>(sums), lanes);
        for (const ushort sum : sums)
            count += sum;
    }
#endif
    return count + std::count(text, end, ushort('\n'));
}

} // namespace

// ---------------------------------------------------------------------------
// XmlReader: buffer handling

XmlReader::XmlReader(XmlSource* source)
    : m_source(source)
{
}

// Drops the consumed text, counting its line ends for error positions. Only
// called from fill(), where no parser function holds a position.
void XmlReader::compact()
{
    const ushort* text = reinterpret_cast<const ushort*>(m_data);
    m_linesBefore += countLineEnds(text, text + m_pos);
    const ushort* last = std::find(std::make_reverse_iterator(text + m_pos), std::make_reverse_iterator(text),
                                   ushort('\n')).base();
    if (last != text)
        m_lastLineStart = m_dropped + (last - text);
    m_buffer.remove(0, m_pos);
    m_dropped += m_pos;
    m_end -= m_pos;
    m_pos = 0;
    m_data = m_buffer.constData();
}

bool XmlReader::fill()
{
    if (m_atEnd)
        return false;
    // Small pieces are compacted as often: the buffer holds about two.
    if (m_pos >= qMin(compactAfter, m_source->pieceSize()))
        compact();
    const int before = m_buffer.size();
    while (m_buffer.size() == before) {
        if (!m_source->read(m_buffer)) {
            m_atEnd = true;
            break;
        }
    }
    m_data = m_buffer.constData();
    m_end = m_buffer.size();
    return m_end > before;
}

bool XmlReader::ensureMore(int count)
{
    while (m_end - m_pos < count) {
        if (!fill())
            return false;
    }
    return true;
}

uint XmlReader::peekMore()
{
    if (m_pos >= m_end && !fill())
        return EndOfText;
    return m_data[m_pos].unicode();
}

bool XmlReader::startsWith(QLatin1String text)
{
    ensure(text.size());
    if (m_end - m_pos < text.size())
        return false;
    for (int i = 0; i < text.size(); ++i) {
        if (m_data[m_pos + i] != QLatin1Char(text.at(i)))
            return false;
    }
    return true;
}

bool XmlReader::expect(QLatin1String text)
{
    if (!startsWith(text))
        return fail(m_end - m_pos < text.size() && m_atEnd ? unexpectedEnd : unexpectedCharacter);
    m_pos += text.size();
    return true;
}

bool XmlReader::fail(const char* message)
{
    if (!m_error.isEmpty())
        return false;
    m_error = QString::fromLatin1(message);
    if (m_source->failed())
        m_error = m_source->errorText();
    else
        m_source->settle();
    qint64 lines = m_linesBefore;
    qint64 lineStart = m_lastLineStart;
    const int upTo = qMin(m_pos, m_end);
    for (int i = 0; i < upTo; ++i) {
        if (m_data[i] == QLatin1Char('\n')) {
            ++lines;
            lineStart = m_dropped + i + 1;
        }
    }
    m_errorLine = int(qMin<qint64>(lines + 1, INT_MAX));
    m_errorColumn = int(qMin<qint64>(m_dropped + upTo - lineStart + 1, INT_MAX));
    return false;
}

// White space, comments, processing instructions and (inside an item, where
// the format reads only elements) any text up to the next element tag or end
// tag. Outside an item non-blank text is refused. What is passed over is
// kept nowhere, however long it runs.
bool XmlReader::parseMisc(bool allowText)
{
    for (;;) {
        // Mostly only white space stands between elements: passed over as it
        // is, without a look at each character for markup.
        while (m_pos < m_end && isSpace(m_data[m_pos].unicode()))
            ++m_pos;
        bool text = false;
        if ((m_pos >= m_end || m_data[m_pos] != QLatin1Char('<')) && !parseText(nullptr, allowText ? &text : nullptr))
            return false;
        if (!atMarkup())
            return true;
        if (startsWith(QLatin1String("<!--"))) {
            if (!parseComment())
                return false;
        } else if (startsWith(QLatin1String("<?"))) {
            if (!parseProcessingInstruction())
                return false;
        } else if (startsWith(QLatin1String("<![CDATA["))) {
            if (!parseCData(nullptr, &text))
                return false;
            if (!allowText && text)
                return fail(misplacedText);
        } else {
            return true;
        }
    }
}

// One child node of the root, as the import counts them: white space is no
// node; text, comments, CDATA sections and processing instructions are nodes
// that are not items (their tag names are the DOM's node names).
bool XmlReader::parseRootChild(XmlItem* item)
{
    // White space before an item is no node: passed over as it is.
    while (m_pos < m_end && isSpace(m_data[m_pos].unicode()))
        ++m_pos;
    bool text = false;
    if ((m_pos >= m_end || m_data[m_pos] != QLatin1Char('<')) && !parseText(nullptr, &text))
        return false;
    if (text) {
        item->setTagName(QStringLiteral("#text"));
        return true;
    }
    if (!atMarkup())
        return parseItem(item);
    if (startsWith(QLatin1String("<!--"))) {
        item->setTagName(QStringLiteral("#comment"));
        return parseComment();
    }
    if (startsWith(QLatin1String("<![CDATA["))) {
        item->setTagName(QStringLiteral("#cdata-section"));
        return parseCData(nullptr, &text);
    }
    if (startsWith(QLatin1String("<?"))) {
        item->setTagName(QStringLiteral("#processing-instruction"));
        return parseProcessingInstruction();
    }
    return parseItem(item);
}

// ---------------------------------------------------------------------------
// XmlReader: the document

bool XmlReader::open()
{
    if (peek() == 0xFEFF)
        ++m_pos;
    if (startsWith(QLatin1String("<?xml")) && ensure(6) && isSpace(m_data[m_pos + 5].unicode())) {
        if (!parseDeclaration())
            return false;
    }
    bool doctype = false;
    for (;;) {
        if (!skipSpace())
            return fail(m_source->failed() ? unexpectedEnd : missingRoot);
        if (m_data[m_pos] != QLatin1Char('<'))
            return fail(misplacedText);
        if (startsWith(QLatin1String("<!--"))) {
            if (!parseComment())
                return false;
        } else if (startsWith(QLatin1String("<!DOCTYPE"))) {
            if (doctype)
                return fail(misplacedDoctype);
            doctype = true;
            if (!parseDoctype())
                return false;
        } else if (startsWith(QLatin1String("<?"))) {
            if (!parseProcessingInstruction())
                return false;
        } else {
            break;
        }
    }
    ++m_pos; // '<'
    bool empty = false;
    if (!parseName(&m_rootName) || !parseAttributes(true, &empty))
        return false;
    m_rootClosed = empty;
    return true;
}

XmlReader::Result XmlReader::next(XmlItem* item)
{
    // The fields of the item before serve the next item's in the same
    // places: a name read again is already there, and a text nothing holds
    // any more lends its memory, so a field costs no allocation. Only small
    // texts are kept, so one huge field leaves no memory behind.
    std::swap(m_spare, item->children());
    if (m_spare.size() > int(maxSpareTexts))
        m_spare.resize(int(maxSpareTexts));
    for (XmlItem::Child& child : m_spare) {
        if (!child.text.isDetached() || child.text.capacity() > maxSpareText)
            child.text = QString();
    }
    item->clear();
    item->setTagName(QString());
    if (!m_error.isEmpty())
        return Error;
    if (!m_rootClosed) {
        if (!skipSpace()) {
            fail(unexpectedEnd);
            return Error;
        }
        ensure(2);
        if (m_end - m_pos >= 2 && m_data[m_pos] == QLatin1Char('<') && m_data[m_pos + 1] == QLatin1Char('/')) {
            if (!parseEndTag(m_rootName))
                return Error;
            m_rootClosed = true;
        } else {
            return parseRootChild(item) ? Item : Error;
        }
    }
    // After the root: nothing but white space, comments and processing
    // instructions.
    for (;;) {
        if (!skipSpace())
            return m_source->failed() || m_source->needsLegacy() ? (fail(unexpectedEnd), Error) : End;
        if (startsWith(QLatin1String("<!--"))) {
            if (!parseComment())
                return Error;
        } else if (startsWith(QLatin1String("<?"))) {
            if (!parseProcessingInstruction())
                return Error;
        } else {
            fail(extraContent);
            return Error;
        }
    }
}

// A field: an element holding character data only (text, references, CDATA,
// comments); an element inside it is one level deeper than the format goes.
bool XmlReader::parseField(XmlItem::Child* child)
{
    ++m_pos; // '<'
    bool empty = false;
    if (!parseName(&child->name) || !parseAttributes(false, &empty))
        return false;
    if (empty) {
        child->text = QString();
        return true;
    }
    if (!child->text.isNull())
        child->text.resize(0);
    for (;;) {
        if (!parseText(&child->text))
            return false;
        ensure(2);
        const QChar next = m_end - m_pos >= 2 ? m_data[m_pos + 1] : QChar();
        if (next == QLatin1Char('/')) {
            if (!parseEndTag(child->name))
                return false;
            child->hasChildNodes = !child->text.isEmpty();
            if (!child->hasChildNodes)
                child->text = QString(); // as for an element never given a text
            return true;
        }
        if (startsWith(QLatin1String("<!--"))) {
            if (!parseComment())
                return false;
        } else if (startsWith(QLatin1String("<![CDATA["))) {
            if (!parseCData(&child->text))
                return false;
        } else if (startsWith(QLatin1String("<?"))) {
            if (!parseProcessingInstruction())
                return false;
        } else if (next == QLatin1Char('!')) {
            return fail(unexpectedCharacter);
        } else {
            return fail(tooDeep);
        }
    }
}

// The field that files mostly hold, "<Name>text</Name>" with the name the
// reader expects next and text that needs nothing replaced, read in one go
// where it lies whole in the buffer: as parseField() reads it. False, with
// nothing read, for any other field.
bool XmlReader::parsePlainField(XmlItem::Child* child)
{
    const int count = m_names.size();
    if (count == 0)
        return false;
    const int before = m_lastName;
    const int follower = before >= 0 ? m_followers.at(before) : -1;
    const int next = follower >= 0 ? follower : before + 1 < count ? before + 1 : 0;
    const QString& name = m_names.at(next);
    const int length = name.size();
    const int textStart = m_pos + length + 2;
    if (m_end - m_pos < 2 * length + 5 || m_data[textStart - 1] != QLatin1Char('>')
        || !sameChars(m_data + m_pos + 1, name.constData(), length))
        return false;
    const int textEnd = int(skipPlain(m_data + textStart, m_data + m_end) - m_data);
    if (m_end - textEnd < length + 3 || m_data[textEnd] != QLatin1Char('<') || m_data[textEnd + 1] != QLatin1Char('/')
        || m_data[textEnd + length + 2] != QLatin1Char('>') || !sameChars(m_data + textEnd + 2, name.constData(), length))
        return false;
    knownName(before, next);
    if (child->name.constData() != name.constData())
        child->name = name;
    child->hasChildNodes = textEnd > textStart;
    if (child->hasChildNodes)
        child->text.setUnicode(m_data + textStart, textEnd - textStart);
    else
        child->text = QString(); // as for an element never given a text
    m_pos = textEnd + length + 3;
    return true;
}

bool XmlReader::parseItem(XmlItem* item)
{
    ++m_pos; // '<'
    QString tag;
    bool empty = false;
    if (!parseName(&tag) || !parseAttributes(false, &empty))
        return false;
    item->setTagName(tag);
    if (empty)
        return true;
    for (;;) {
        if (!parseMisc(true))
            return false;
        ensure(2);
        if (m_end - m_pos >= 2 && m_data[m_pos + 1] == QLatin1Char('/'))
            return parseEndTag(tag);
        XmlItem::Child child;
        const int place = item->children().size();
        if (place < m_spare.size()) {
            child.name = std::move(m_spare[place].name);
            child.text = std::move(m_spare[place].text);
        }
        if (!parsePlainField(&child) && !parseField(&child))
            return false;
        item->children().append(std::move(child));
    }
}

} // namespace Vexal
