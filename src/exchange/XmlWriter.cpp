#include "exchange/XmlWriter.h"

#include "core/DBSql.h"
#include "exchange/XmlItem.h"

#include <QIODevice>

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Vexal {

namespace {

constexpr int flushAfter = 1 << 18; // characters

// One escape as the DOM writes it: the character and what stands for it.
struct Escape
{
    ushort character;
    const char* text;
    int size;
    bool inText; // false: in attribute values only
};

template <int N>
constexpr Escape escape(char character, const char (&text)[N], bool inText)
{
    return {ushort(character), text, N - 1, inText};
}

// Every escape the writer writes. In character data: "<", "&", the ">" of
// "]]>" and carriage returns; in attribute values also quotes and white space
// other than blanks. The room an item is given follows from this list too
// (longestTextEscape), so what is written always fits.
constexpr Escape escapes[] = {
    escape('<', "&lt;", true),      escape('&', "&amp;", true),    escape('>', "&gt;", true),
    escape('\r', "&#xd;", true),    escape('"', "&quot;", false),  escape('\n', "&#xa;", false),
    escape('\t', "&#x9;", false),
};

constexpr int longestEscape(bool attribute)
{
    int longest = 1; // a character written as it stands
    for (const Escape& e : escapes) {
        if ((e.inText || attribute) && e.size > longest)
            longest = e.size;
    }
    return longest;
}

// The most characters one character of a text becomes.
constexpr int longestTextEscape = longestEscape(false);

// The escapes of character data or of attribute values, by character: every
// escaped character lies at or below ">".
struct EscapeTable
{
    const Escape* of['>' + 1];
    constexpr explicit EscapeTable(bool attribute)
        : of()
    {
        for (const Escape& e : escapes) {
            if (e.inText || attribute)
                of[e.character] = &e;
        }
    }
};
constexpr EscapeTable textEscapes(false);
constexpr EscapeTable attributeEscapes(true);

// The escape of the character at `i`, or null when it stands as it is: ">"
// is escaped only where it would close "]]>".
inline const Escape* escapeAt(const EscapeTable& table, const QChar* data, int i)
{
    const ushort c = data[i].unicode();
    if (c > '>')
        return nullptr;
    if (c == '>' && !(i >= 2 && data[i - 1] == QLatin1Char(']') && data[i - 2] == QLatin1Char(']')))
        return nullptr;
    return table.of[c];
}

QChar* put(QChar* out, const char* text, int size)
{
    for (int i = 0; i < size; ++i)
        *out++ = QLatin1Char(text[i]);
    return out;
}

QChar* put(QChar* out, const QString& text)
{
    memcpy(static_cast<void*>(out), text.constData(), size_t(text.size()) * sizeof(QChar));
    return out + text.size();
}

// Text content escaped as the DOM saves a text node; characters XML cannot
// carry are left out and counted in *dropped. Takes at most
// longestTextEscape characters per character of the text.
QChar* putEscaped(QChar* out, const QString& text, int* dropped)
{
    const QChar* data = text.constData();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
#if defined(__SSE2__)
        // Most characters stand as they are: eight at a time while none is a
        // control character, "<", "&", ">" or a surrogate or above.
        const __m128i flip = _mm_set1_epi16(short(0x8000)); // unsigned order as signed
        while (size - i >= 8) {
            const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i flipped = _mm_xor_si128(eight, flip);
            const __m128i special = _mm_or_si128(
                _mm_or_si128(_mm_cmplt_epi16(flipped, _mm_set1_epi16(short(0x20 ^ 0x8000))),
                             _mm_cmpgt_epi16(flipped, _mm_set1_epi16(short(0xD7FF ^ 0x8000)))),
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(eight, _mm_set1_epi16('<')),
                                          _mm_cmpeq_epi16(eight, _mm_set1_epi16('&'))),
                             _mm_cmpeq_epi16(eight, _mm_set1_epi16('>'))));
            if (_mm_movemask_epi8(special) != 0)
                break;
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), eight);
            out += 8;
            i += 8;
        }
        if (i == size)
            break;
#endif
        const QChar c = data[i];
        const ushort u = c.unicode();
        if (u > '>' && u < 0xD800) {
            *out++ = c;
            continue;
        }
        if (u >= 0xD800) {
            if (u >= 0xE000 && u <= 0xFFFD) {
                *out++ = c;
            } else if (QChar::isHighSurrogate(u) && i + 1 < size && data[i + 1].isLowSurrogate()) {
                *out++ = c;
                *out++ = data[++i];
            } else {
                ++*dropped;
            }
            continue;
        }
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            ++*dropped;
            continue;
        }
        if (const Escape* e = escapeAt(textEscapes, data, i))
            out = put(out, e->text, e->size);
        else
            *out++ = c;
    }
    return out;
}

// An attribute value escaped as the DOM saves it.
void appendAttribute(QString& out, const QString& text)
{
    const QChar* data = text.constData();
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const Escape* e = escapeAt(attributeEscapes, data, i);
        if (!e)
            continue;
        out.append(data + start, i - start);
        out += QLatin1String(e->text, e->size);
        start = i + 1;
    }
    out.append(data + start, size - start);
}

// The room an item takes at most: markup as it stands, every character of a
// text as the longest escape.
struct Room
{
    int size = 0;
    void put(QLatin1String text) { size += text.size(); }
    void put(const QString& text) { size += text.size(); }
    void putText(const XmlItem::Child& child) { size += longestTextEscape * child.text.size(); }
};

// Writes an item into the room measured for it, noting the values that lost
// characters.
struct Cursor
{
    QChar* out;
    int droppedValues = 0;
    const XmlItem::Child* firstDropped = nullptr;
    void put(QLatin1String text) { out = Vexal::put(out, text.data(), text.size()); }
    void put(const QString& text) { out = Vexal::put(out, text); }
    void putText(const XmlItem::Child& child)
    {
        int dropped = 0;
        out = putEscaped(out, child.text, &dropped);
        if (dropped > 0 && droppedValues++ == 0)
            firstDropped = &child;
    }
};

// One item, laid out the same whether measured (Room) or written (Cursor).
// `openRoot`: the root's start tag is still to be closed.
template <class Out>
void layOut(Out& out, const XmlItem& item, const QString& tag, bool openRoot)
{
    if (openRoot)
        out.put(QLatin1String(">\n"));
    out.put(QLatin1String(" <"));
    out.put(tag);
    if (item.children().isEmpty()) {
        out.put(QLatin1String("/>\n"));
        return;
    }
    out.put(QLatin1String(">\n"));
    for (const XmlItem::Child& child : item.children()) {
        out.put(QLatin1String("  <"));
        out.put(child.name);
        if (child.hasChildNodes) {
            out.put(QLatin1String(">"));
            out.putText(child);
            out.put(QLatin1String("</"));
            out.put(child.name);
            out.put(QLatin1String(">\n"));
        } else {
            out.put(QLatin1String("/>\n"));
        }
    }
    out.put(QLatin1String(" </"));
    out.put(tag);
    out.put(QLatin1String(">\n"));
}

} // namespace

XmlWriter::XmlWriter(const QString& table, QIODevice* device)
    : m_device(device)
{
    m_text.reserve(device ? flushAfter + 4096 : 4096);
    m_text += QLatin1String("<!DOCTYPE ");
    m_text += ConstXML::docName();
    m_text += QLatin1String(">\n<");
    m_text += ConstXML::itemsTag();
    m_text += QLatin1Char(' ');
    m_text += ConstXML::tableAttribute();
    m_text += QLatin1String("=\"");
    appendAttribute(m_text, table);
    m_text += QLatin1Char('"');
}

bool XmlWriter::writeItem(const XmlItem& item)
{
    if (!m_errorText.isEmpty())
        return false;
    const QString& tag = item.tagName().isEmpty() ? ConstXML::itemTag() : item.tagName();
    Room room;
    layOut(room, item, tag, !m_open);
    const int start = m_text.size();
    m_text.resize(start + room.size);
    Cursor cursor{m_text.data() + start};
    layOut(cursor, item, tag, !m_open);
    Q_ASSERT(cursor.out <= m_text.constData() + start + room.size);
    m_open = true;
    m_text.resize(int(cursor.out - m_text.constData()));
    if (cursor.droppedValues > 0) {
        if (m_droppedValues == 0) {
            m_firstDroppedElement = cursor.firstDropped->name;
            m_firstDroppedItem = item.childText(DBSql::colID());
        }
        m_droppedValues += cursor.droppedValues;
    }
    if (m_device && m_text.size() >= flushAfter)
        return flush();
    return true;
}

// Items are whole in the text, so no surrogate pair is ever cut in two.
bool XmlWriter::flush()
{
    if (!m_errorText.isEmpty())
        return false;
    const QByteArray bytes = m_text.toUtf8();
    m_text.resize(0);
    qint64 written = 0;
    // A short write is tried again, so that a full disk is seen with the
    // system's reason rather than as a short count.
    while (written < bytes.size()) {
        const qint64 count = m_device->write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            m_errorText = m_device->errorString();
            return false;
        }
        written += count;
    }
    return true;
}

QString XmlWriter::finish()
{
    if (m_open) {
        m_text += QLatin1String("</");
        m_text += ConstXML::itemsTag();
        m_text += QLatin1String(">\n");
    } else {
        m_text += QLatin1String("/>\n");
    }
    m_open = false;
    QString text;
    text.swap(m_text);
    return text;
}

bool XmlWriter::close()
{
    if (!m_errorText.isEmpty())
        return false;
    m_text = finish();
    return flush();
}

} // namespace Vexal
