#include "exchange/XmlReader.h"

#include "exchange/XmlSyntax.h"

// The values of a file: character data, references, CDATA sections and
// attribute values, each as XML defines it.

namespace Vexal {

using namespace XmlSyntax;

// Past a "\r" or "\r\n" at the current position.
void XmlReader::skipLineEnd()
{
    ensure(2);
    m_pos += (m_end - m_pos >= 2 && m_data[m_pos + 1] == QLatin1Char('\n')) ? 2 : 1;
}

// The surrogate pair at the current position, appended to `out`; a high
// surrogate without its low one is refused.
bool XmlReader::takePair(QString* out)
{
    ensure(2);
    if (m_end - m_pos < 2 || !QChar::isLowSurrogate(m_data[m_pos + 1].unicode()))
        return fail(invalidCharacter);
    out->append(m_data + m_pos, 2);
    m_pos += 2;
    return true;
}

// "&...;" at the current position, its character appended to `out` (may be
// null). Only the predefined entities and character references exist here:
// the format declares no entities.
bool XmlReader::parseReference(QString* out)
{
    // A character reference may carry any number of leading zeros, so the
    // name runs on to its ";" over as many pieces as it takes; only letters,
    // digits and "#" belong to it, and a name longer than any sane reference
    // is refused before it can grow the buffer.
    static const int longestName = 1024;
    // Counted from m_pos: a refill may move the buffer's contents.
    int length = 1;
    for (;;) {
        if (!ensure(length + 1))
            return fail(undefinedEntity);
        const ushort u = m_data[m_pos + length].unicode();
        if (u == ';')
            break;
        const bool nameChar = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '#';
        if (!nameChar || length > longestName)
            return fail(undefinedEntity);
        ++length;
    }
    const int semicolon = m_pos + length;
    const QStringRef name(&m_buffer, m_pos + 1, semicolon - m_pos - 1);
    uint code = 0;
    if (name == QLatin1String("lt")) {
        code = '<';
    } else if (name == QLatin1String("gt")) {
        code = '>';
    } else if (name == QLatin1String("amp")) {
        code = '&';
    } else if (name == QLatin1String("quot")) {
        code = '"';
    } else if (name == QLatin1String("apos")) {
        code = '\'';
    } else if (name.size() > 1 && name.at(0) == QLatin1Char('#')) {
        const bool hex = name.at(1) == QLatin1Char('x');
        const QStringRef digits = name.mid(hex ? 2 : 1);
        if (digits.isEmpty())
            return fail(invalidReference);
        for (const QChar d : digits) {
            const ushort u = d.unicode();
            int digit = -1;
            if (u >= '0' && u <= '9')
                digit = u - '0';
            else if (hex && u >= 'a' && u <= 'f')
                digit = u - 'a' + 10;
            else if (hex && u >= 'A' && u <= 'F')
                digit = u - 'A' + 10;
            if (digit < 0)
                return fail(invalidReference);
            code = code * (hex ? 16 : 10) + uint(digit);
            if (code > 0x10FFFF)
                return fail(invalidReference);
        }
        if (!isXmlChar(code))
            return fail(invalidReference);
    } else {
        return fail(undefinedEntity);
    }
    if (out) {
        if (code >= 0x10000) {
            out->append(QChar(QChar::highSurrogate(code)));
            out->append(QChar(QChar::lowSurrogate(code)));
        } else {
            out->append(QChar(ushort(code)));
        }
    }
    m_pos = semicolon + 1;
    return true;
}

// Character data up to the next "<", with references replaced and line ends
// normalised; a "]]>", a lone surrogate or a character XML cannot carry is
// refused. With `out` null only white space may stand here.
bool XmlReader::parseText(QString* out)
{
    for (;;) {
        const int start = m_pos;
        const QChar* plain = m_data + m_pos;
        const QChar* const end = m_data + m_end;
        while (plain < end && isPlain(plain->unicode()))
            ++plain;
        m_pos = int(plain - m_data);
        if (m_pos > start) {
            if (out)
                out->append(m_data + start, m_pos - start);
            else if (!isBlank(QString::fromRawData(m_data + start, m_pos - start)))
                return fail(misplacedText);
        }
        // The piece ended: the text goes on in the next.
        if (m_pos >= m_end) {
            if (!fill())
                return fail(unexpectedEnd);
            continue;
        }
        const uint c = m_data[m_pos].unicode();
        if (c == '<')
            return true;
        if (!out && c != '\r')
            return fail(misplacedText);
        if (c == '&') {
            if (!parseReference(out))
                return false;
        } else if (c == ']') {
            ensure(3);
            if (m_end - m_pos >= 3 && m_data[m_pos + 1] == QLatin1Char(']') && m_data[m_pos + 2] == QLatin1Char('>'))
                return fail(cdataEnd);
            out->append(QLatin1Char(']'));
            ++m_pos;
        } else if (c == '\r') {
            if (out)
                out->append(QLatin1Char('\n'));
            skipLineEnd();
        } else if (isHighSurrogate(c)) {
            if (!takePair(out))
                return false;
        } else {
            return fail(invalidCharacter);
        }
    }
}

bool XmlReader::parseCData(QString* out)
{
    m_pos += 9; // "<![CDATA["
    for (;;) {
        if (!ensure(3)) {
            if (m_end - m_pos < 3)
                return fail(unexpectedEnd);
        }
        const uint c = m_data[m_pos].unicode();
        if (c == ']' && m_data[m_pos + 1] == QLatin1Char(']') && m_data[m_pos + 2] == QLatin1Char('>')) {
            m_pos += 3;
            return true;
        }
        if (c == '\r') {
            out->append(QLatin1Char('\n'));
            m_pos += m_data[m_pos + 1] == QLatin1Char('\n') ? 2 : 1;
            continue;
        }
        if (isHighSurrogate(c)) {
            if (!QChar::isLowSurrogate(m_data[m_pos + 1].unicode()))
                return fail(invalidCharacter);
            out->append(m_data + m_pos, 2);
            m_pos += 2;
            continue;
        }
        if (!isPlain(ushort(c)) && c != '<' && c != '&' && c != ']')
            return fail(invalidCharacter);
        out->append(m_data[m_pos]);
        ++m_pos;
    }
}

// Attribute value in quotes: references replaced, white space normalised to
// blanks, "<" refused.
bool XmlReader::parseAttributeValue(QString* value)
{
    const uint quote = peek();
    if (quote != '"' && quote != '\'')
        return fail(quote == EndOfText ? unexpectedEnd : unexpectedCharacter);
    ++m_pos;
    for (;;) {
        const int start = m_pos;
        while (m_pos < m_end) {
            const ushort c = m_data[m_pos].unicode();
            if (c == quote || !isPlain(c) || c == '\t' || c == '\n')
                break;
            ++m_pos;
        }
        value->append(m_data + start, m_pos - start);
        if (m_pos >= m_end) {
            if (!fill())
                return fail(unexpectedEnd);
            continue;
        }
        const uint c = m_data[m_pos].unicode();
        if (c == quote) {
            ++m_pos;
            return true;
        }
        if (c == '&') {
            if (!parseReference(value))
                return false;
        } else if (c == '\t' || c == '\n') {
            value->append(QLatin1Char(' '));
            ++m_pos;
        } else if (c == '\r') {
            value->append(QLatin1Char(' '));
            skipLineEnd();
        } else if (c == ']') {
            value->append(QLatin1Char(']'));
            ++m_pos;
        } else if (isHighSurrogate(c)) {
            if (!takePair(value))
                return false;
        } else if (c == '<') {
            return fail(unexpectedCharacter);
        } else {
            return fail(invalidCharacter);
        }
    }
}

} // namespace Vexal
