#include "exchange/XmlReader.h"

#include "core/DBSql.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace Vexal {

namespace {

bool isSpace(ushort c)
{
    return c == ' ' || c == '\n' || c == '\t';
}

bool isNameStart(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isNameChar(ushort c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Characters the plain form carries as they stand. Control characters,
// carriage returns (kept raw by the DOM, normalised by other readers),
// non-characters and unpaired surrogates are left to the DOM.
bool isPlainChar(const QChar* data, int pos, int end)
{
    const ushort c = data[pos].unicode();
    if (c >= 0x20 && c < 0xD800)
        return true;
    if (c == '\n' || c == '\t')
        return true;
    if (c >= 0xE000)
        return c < 0xFFFE;
    if (c < 0xDC00) // a high surrogate needs its low half
        return pos + 1 < end && data[pos + 1].unicode() >= 0xDC00 && data[pos + 1].unicode() < 0xE000;
    return pos > 0 && data[pos - 1].unicode() >= 0xD800 && data[pos - 1].unicode() < 0xDC00;
}

// Whether the DOM drops a text: it keeps no node for whitespace-only text.
bool isBlank(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

} // namespace

bool XmlReader::read(const QString& text)
{
    m_offsets.clear();
    m_rootName.clear();
    m_table.clear();
    m_hasTable = false;
    m_names.clear();
    m_lastName = -1;
    m_text = text;
    m_data = m_text.constData();
    m_pos = 0;
    m_end = m_text.size();
    if (!parse()) {
        m_offsets.clear();
        m_text.clear();
        m_data = nullptr;
        m_end = 0;
        return false;
    }
    return true;
}

bool XmlReader::item(int index, XmlItem* item)
{
    item->clear();
    item->setTagName(QString());
    if (index < 0 || index >= m_offsets.size())
        return false;
    m_pos = m_offsets.at(index);
    return parseItem(item);
}

bool XmlReader::skipSpace()
{
    while (m_pos < m_end && isSpace(m_data[m_pos].unicode()))
        ++m_pos;
    return m_pos < m_end;
}

// Element and attribute names repeat on every item: one shared copy each.
bool XmlReader::parseName(QString* name)
{
    const int start = m_pos;
    if (atEnd() || !isNameStart(m_data[m_pos].unicode()))
        return false;
    ++m_pos;
    while (m_pos < m_end && isNameChar(m_data[m_pos].unicode()))
        ++m_pos;
    const int length = m_pos - start;
    const int count = m_names.size();
    for (int i = 0; i < count; ++i) {
        const int index = (m_lastName + 1 + i) % count; // names mostly come in the same order
        const QString& known = m_names.at(index);
        if (known.size() == length && memcmp(known.constData(), m_data + start, length * sizeof(QChar)) == 0) {
            m_lastName = index;
            *name = known;
            return true;
        }
    }
    m_names.append(QString(m_data + start, length));
    m_lastName = m_names.size() - 1;
    *name = m_names.last();
    return true;
}

// Text up to "<" (quote 0) or up to the quote, with references replaced.
bool XmlReader::parseText(QChar quote, QString* text)
{
    const int start = m_pos;
    while (m_pos < m_end) {
        const ushort c = m_data[m_pos].unicode();
        if (c == '<' || c == '&' || (c == quote.unicode() && c != 0))
            break;
        if (c == '>' && quote.isNull() && m_pos >= start + 2 && m_data[m_pos - 1] == QLatin1Char(']')
            && m_data[m_pos - 2] == QLatin1Char(']'))
            return false;
        if (!isPlainChar(m_data, m_pos, m_end))
            return false;
        ++m_pos;
    }
    if (m_pos < m_end && m_data[m_pos] != QLatin1Char('&')) {
        if (text)
            *text = QString(m_data + start, m_pos - start);
        return true;
    }

    // With references: built piece by piece.
    QString result;
    if (text)
        result = QString(m_data + start, m_pos - start);
    while (m_pos < m_end) {
        const ushort c = m_data[m_pos].unicode();
        if (c == '<' || (c == quote.unicode() && c != 0))
            break;
        if (c == '&') {
            const int limit = qMin(m_end, m_pos + 12); // the longest reference is "&#x10FFFF;"
            int semicolon = m_pos + 1;
            while (semicolon < limit && m_data[semicolon] != QLatin1Char(';'))
                ++semicolon;
            if (semicolon >= limit)
                return false;
            const QString name(m_data + m_pos + 1, semicolon - m_pos - 1);
            ushort value = 0;
            if (name == QLatin1String("lt"))
                value = '<';
            else if (name == QLatin1String("gt"))
                value = '>';
            else if (name == QLatin1String("amp"))
                value = '&';
            else if (name == QLatin1String("quot"))
                value = '"';
            else if (name == QLatin1String("apos"))
                value = '\'';
            else if (name.size() > 1 && name.at(0) == QLatin1Char('#')) {
                const bool hex = name.at(1) == QLatin1Char('x');
                const QStringRef digits = name.midRef(hex ? 2 : 1);
                if (digits.isEmpty() || digits.size() > 6)
                    return false;
                uint code = 0;
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
                        return false;
                    code = code * (hex ? 16 : 10) + uint(digit);
                }
                // Only characters within the BMP that XML allows: the DOM
                // cuts anything beyond.
                if (code > 0xFFFD || (code < 0x20 && code != 0x9 && code != 0xA && code != 0xD)
                    || (code >= 0xD800 && code < 0xE000))
                    return false;
                value = ushort(code);
            } else {
                return false;
            }
            if (text)
                result += QChar(value);
            m_pos = semicolon + 1;
            continue;
        }
        if (c == '>' && quote.isNull() && m_pos >= 2 && m_data[m_pos - 1] == QLatin1Char(']')
            && m_data[m_pos - 2] == QLatin1Char(']'))
            return false;
        if (!isPlainChar(m_data, m_pos, m_end))
            return false;
        if (text)
            result += m_data[m_pos];
        ++m_pos;
    }
    if (m_pos >= m_end)
        return false;
    if (text)
        *text = result;
    return true;
}

// Attributes up to ">" or "/>"; the root's "Table" is kept, the others are
// read over (the DOM ignores them for reading too).
bool XmlReader::parseAttributes(bool root, bool* empty)
{
    QStringList seen;
    for (;;) {
        const int before = m_pos;
        if (!skipSpace())
            return false;
        const ushort c = m_data[m_pos].unicode();
        if (c == '>') {
            ++m_pos;
            *empty = false;
            return true;
        }
        if (c == '/') {
            if (m_pos + 1 >= m_end || m_data[m_pos + 1] != QLatin1Char('>'))
                return false;
            m_pos += 2;
            *empty = true;
            return true;
        }
        if (m_pos == before) // attributes are separated by white space
            return false;
        QString name;
        if (!parseName(&name) || seen.contains(name))
            return false;
        seen.append(name);
        if (!skipSpace() || m_data[m_pos] != QLatin1Char('='))
            return false;
        ++m_pos;
        if (!skipSpace())
            return false;
        const QChar quote = m_data[m_pos];
        if (quote != QLatin1Char('"') && quote != QLatin1Char('\''))
            return false;
        ++m_pos;
        QString value;
        if (!parseText(quote, &value) || m_pos >= m_end || m_data[m_pos] != quote)
            return false;
        ++m_pos;
        // White space other than blanks is normalised in attribute values.
        if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\t')))
            return false;
        if (root && name == ConstXML::tableAttribute()) {
            m_table = value;
            m_hasTable = true;
        }
    }
}

bool XmlReader::parseEndTag(const QString& name)
{
    if (m_pos + 2 + name.size() > m_end || m_data[m_pos] != QLatin1Char('<') || m_data[m_pos + 1] != QLatin1Char('/'))
        return false;
    m_pos += 2;
    if (memcmp(m_data + m_pos, name.constData(), name.size() * sizeof(QChar)) != 0)
        return false;
    m_pos += name.size();
    if (m_pos < m_end && isNameChar(m_data[m_pos].unicode()))
        return false;
    if (!skipSpace() || m_data[m_pos] != QLatin1Char('>'))
        return false;
    ++m_pos;
    return true;
}

// One child of the root: an element whose children are elements holding text.
bool XmlReader::parseItem(XmlItem* item)
{
    ++m_pos; // '<'
    QString tag;
    bool empty = false;
    if (!parseName(&tag) || !parseAttributes(false, &empty))
        return false;
    if (item)
        item->setTagName(tag);
    if (empty)
        return true;
    for (;;) {
        if (!skipSpace() || m_data[m_pos] != QLatin1Char('<') || m_pos + 1 >= m_end)
            return false;
        if (m_data[m_pos + 1] == QLatin1Char('/'))
            return parseEndTag(tag);
        ++m_pos;
        XmlItem::Child child;
        if (!parseName(&child.name) || !parseAttributes(false, &empty))
            return false;
        if (!empty) {
            if (!parseText(QChar(), item ? &child.text : nullptr) || !parseEndTag(child.name))
                return false;
            if (isBlank(child.text))
                child.text = QString();
            else
                child.hasChildNodes = true;
        }
        if (item)
            item->children().append(std::move(child));
    }
}

bool XmlReader::parse()
{
    if (m_end == 0)
        return false;
    if (m_end > 5 && QString::fromRawData(m_data, 5) == QLatin1String("<?xml")) {
        const QString head = QString::fromRawData(m_data, qMin(m_end, 200));
        static const QRegularExpression declaration(QStringLiteral(
            "^<\\?xml[ \\t\\n]+version[ \\t\\n]*=[ \\t\\n]*([\"'])1\\.0\\1"
            "([ \\t\\n]+encoding[ \\t\\n]*=[ \\t\\n]*([\"'])[A-Za-z][A-Za-z0-9._-]*\\3)?"
            "([ \\t\\n]+standalone[ \\t\\n]*=[ \\t\\n]*([\"'])(yes|no)\\5)?[ \\t\\n]*\\?>"));
        const QRegularExpressionMatch match = declaration.match(head);
        if (!match.hasMatch())
            return false;
        m_pos = match.capturedLength();
    }
    if (!skipSpace() || m_data[m_pos] != QLatin1Char('<'))
        return false;
    if (m_pos + 1 < m_end && m_data[m_pos + 1] == QLatin1Char('!')) {
        const QString head = QString::fromRawData(m_data + m_pos, qMin(m_end - m_pos, 200));
        static const QRegularExpression doctype(
            QStringLiteral("^<!DOCTYPE[ \\t\\n]+[A-Za-z_][A-Za-z0-9._-]*[ \\t\\n]*>"));
        const QRegularExpressionMatch match = doctype.match(head);
        if (!match.hasMatch())
            return false;
        m_pos += match.capturedLength();
        if (!skipSpace() || m_data[m_pos] != QLatin1Char('<'))
            return false;
    }

    ++m_pos;
    bool empty = false;
    if (!parseName(&m_rootName) || !parseAttributes(true, &empty))
        return false;
    if (!empty) {
        m_offsets.reserve(m_end / 256);
        for (;;) {
            if (!skipSpace() || m_data[m_pos] != QLatin1Char('<') || m_pos + 1 >= m_end)
                return false;
            if (m_data[m_pos + 1] == QLatin1Char('/')) {
                if (!parseEndTag(m_rootName))
                    return false;
                break;
            }
            m_offsets.append(m_pos);
            if (!parseItem(nullptr))
                return false;
        }
    }
    skipSpace();
    return atEnd();
}

} // namespace Vexal
