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

// The surrogate pair at the current position, appended to `out` (may be
// null); a high surrogate without its low one is refused.
bool XmlReader::takePair(QString* out)
{
    ensure(2);
    if (m_end - m_pos < 2 || !QChar::isLowSurrogate(m_data[m_pos + 1].unicode()))
        return fail(invalidCharacter);
    if (out)
        out->append(m_data + m_pos, 2);
    m_pos += 2;
    return true;
}

// "&...;" at the current position, its character appended to `out` (may be
// null). Only the predefined entities and character references exist here:
// the format declares no entities. A character reference may carry any
// number of leading zeros: it is read as it comes, one character at a time,
// so that it never has to lie in the buffer whole.
bool XmlReader::parseReference(QString* out)
{
    ++m_pos; // '&'
    uint code = 0;
    if (peek() == '#') {
        ++m_pos;
        const bool hex = peek() == 'x';
        if (hex)
            ++m_pos;
        bool any = false;
        for (uint c = peek(); c != ';'; c = peek()) {
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = int(c - '0');
            else if (hex && c >= 'a' && c <= 'f')
                digit = int(c - 'a') + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = int(c - 'A') + 10;
            if (digit < 0) {
                const bool nameChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '#';
                return fail(nameChar ? invalidReference : undefinedEntity);
            }
            code = code * (hex ? 16 : 10) + uint(digit);
            if (code > 0x10FFFF)
                return fail(invalidReference);
            any = true;
            ++m_pos;
        }
        if (!any || !isXmlChar(code))
            return fail(invalidReference);
    } else {
        // The five predefined names, none longer than four letters.
        char name[5] = {};
        int length = 0;
        for (uint c = peek(); c != ';'; c = peek()) {
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!letter || length == 4)
                return fail(undefinedEntity);
            name[length++] = char(c);
            ++m_pos;
        }
        static const struct
        {
            const char* name;
            char character;
        } predefined[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& entity : predefined) {
            if (qstrcmp(name, entity.name) == 0)
                code = uint(uchar(entity.character));
        }
        if (code == 0)
            return fail(undefinedEntity);
    }
    ++m_pos; // ';'
    if (out) {
        if (code >= 0x10000) {
            out->append(QChar(QChar::highSurrogate(code)));
            out->append(QChar(QChar::lowSurrogate(code)));
        } else {
            out->append(QChar(ushort(code)));
        }
    }
    return true;
}

// Character data up to the next "<", with references replaced and line ends
// normalised; a "]]>", a lone surrogate or a character XML cannot carry is
// refused. With `out` null the text is kept nowhere: with `nonBlank` given it
// is only told whether the text was more than white space (as the DOM drops
// white space, a reference to a blank counts as one); without it only white
// space may stand here.
bool XmlReader::parseText(QString* out, bool* nonBlank)
{
    for (;;) {
        const int start = m_pos;
        m_pos = int(skipPlain(m_data + m_pos, m_data + m_end) - m_data);
        if (m_pos > start) {
            if (out)
                out->append(m_data + start, m_pos - start);
            else if (!isBlank(m_data + start, m_data + m_pos)) {
                if (!nonBlank)
                    return fail(misplacedText);
                *nonBlank = true;
            }
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
        if (!out && !nonBlank && c != '\r')
            return fail(misplacedText);
        if (c == '&') {
            QString character;
            if (!parseReference(out ? out : &character))
                return false;
            if (!out && !isBlank(character))
                *nonBlank = true;
        } else if (c == ']') {
            ensure(3);
            if (m_end - m_pos >= 3 && m_data[m_pos + 1] == QLatin1Char(']') && m_data[m_pos + 2] == QLatin1Char('>'))
                return fail(cdataEnd);
            if (out)
                out->append(QLatin1Char(']'));
            else
                *nonBlank = true;
            ++m_pos;
        } else if (c == '\r') {
            if (out)
                out->append(QLatin1Char('\n'));
            skipLineEnd();
        } else if (isHighSurrogate(c)) {
            if (!out)
                *nonBlank = true;
            if (!takePair(out))
                return false;
        } else {
            return fail(invalidCharacter);
        }
    }
}

// A CDATA section, its text appended to `out` with line ends normalised; with
// `out` null it is kept nowhere and `nonBlank` tells whether it held more
// than white space.
bool XmlReader::parseCData(QString* out, bool* nonBlank)
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
        if (!out && nonBlank && !isSpace(c))
            *nonBlank = true;
        if (c == '\r') {
            if (out)
                out->append(QLatin1Char('\n'));
            m_pos += m_data[m_pos + 1] == QLatin1Char('\n') ? 2 : 1;
            continue;
        }
        if (isHighSurrogate(c)) {
            if (!takePair(out))
                return false;
            continue;
        }
        if (!isPlain(ushort(c)) && c != '<' && c != '&' && c != ']')
            return fail(invalidCharacter);
        if (out)
            out->append(m_data[m_pos]);
        ++m_pos;
    }
}

// Attribute value in quotes: references replaced, white space normalised to
// blanks, "<" refused. With `value` null it is checked and kept nowhere.
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
        if (value)
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
            if (value)
                value->append(QLatin1Char(' '));
            ++m_pos;
        } else if (c == '\r') {
            if (value)
                value->append(QLatin1Char(' '));
            skipLineEnd();
        } else if (c == ']') {
            if (value)
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
