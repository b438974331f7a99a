#include "exchange/XmlReader.h"

#include "core/DBSql.h"
#include "exchange/XmlSyntax.h"

#include <QRegularExpression>
#include <QVarLengthArray>

// The tokens of a file: white space, names, tags and their attributes,
// comments, processing instructions, the document type and the XML
// declaration.

namespace Vexal {

using namespace XmlSyntax;

bool XmlReader::skipSpace()
{
    for (;;) {
        while (m_pos < m_end && isSpace(m_data[m_pos].unicode()))
            ++m_pos;
        if (m_pos < m_end)
            return true;
        if (!fill())
            return false;
    }
}

bool XmlReader::parseName(QString* name)
{
    ensure(maxNameLength + 1);
    // Names mostly come in the same order: the one after the last is tried
    // first, in place. Known names are valid ones, so only where the name
    // ends needs a look.
    const int count = m_names.size();
    if (count > 0) {
        const int next = m_lastName + 1 < count ? m_lastName + 1 : 0;
        const QString& guess = m_names.at(next);
        const int length = guess.size();
        if (m_end - m_pos > length && sameChars(m_data + m_pos, guess.constData(), length)
            && !isNameChar(m_data[m_pos + length].unicode())) {
            m_pos += length;
            m_lastName = next;
            if (name->constData() != guess.constData())
                *name = guess;
            return true;
        }
    }
    const int start = m_pos;
    if (m_pos >= m_end)
        return fail(unexpectedEnd);
    if (!isNameStart(m_data[m_pos].unicode()))
        return fail(invalidName);
    ++m_pos;
    while (m_pos < m_end && m_pos - start <= maxNameLength && isNameChar(m_data[m_pos].unicode()))
        ++m_pos;
    const int length = m_pos - start;
    if (length > maxNameLength)
        return fail(nameTooLong);
    if (m_pos >= m_end)
        return fail(unexpectedEnd);
    int index = m_lastName;
    for (int i = 0; i < count; ++i) {
        if (++index >= count)
            index = 0;
        const QString& known = m_names.at(index);
        if (known.size() == length && sameChars(known.constData(), m_data + start, length)) {
            m_lastName = index;
            if (name->constData() != known.constData())
                *name = known;
            return true;
        }
    }
    *name = QString(m_data + start, length);
    if (m_names.size() < 512) {
        m_names.append(*name);
        m_lastName = m_names.size() - 1;
    }
    return true;
}

// The rest of a comment or processing instruction, up to "-->" or "?>",
// every character checked; "--" may not stand inside a comment.
bool XmlReader::skipMarkup(bool comment)
{
    const int need = comment ? 3 : 2;
    const QLatin1Char first(comment ? '-' : '?');
    const QLatin1Char second(comment ? '-' : '>');
    for (;;) {
        if (!ensure(need) && m_end - m_pos < need)
            return fail(unexpectedEnd);
        const uint c = m_data[m_pos].unicode();
        if (c == uint(first.unicode()) && m_data[m_pos + 1] == second) {
            if (comment && m_data[m_pos + 2] != QLatin1Char('>'))
                return fail(invalidComment);
            m_pos += need;
            return true;
        }
        if (isHighSurrogate(c)) {
            if (!QChar::isLowSurrogate(m_data[m_pos + 1].unicode()))
                return fail(invalidCharacter);
            m_pos += 2;
            continue;
        }
        if (!isPlain(ushort(c)) && c != '<' && c != '&' && c != ']' && c != '\r')
            return fail(invalidCharacter);
        ++m_pos;
    }
}

bool XmlReader::parseComment()
{
    m_pos += 4; // "<!--"
    return skipMarkup(true);
}

bool XmlReader::parseProcessingInstruction()
{
    m_pos += 2; // "<?"
    QString target;
    if (!parseName(&target))
        return false;
    if (target.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0)
        return fail(misplacedDeclaration);
    return skipMarkup(false);
}

// Attributes up to ">" or "/>". The root's "Table" is kept; the others are
// checked and read over. Their number is bounded: the format has one.
bool XmlReader::parseAttributes(bool root, bool* empty)
{
    // Most tags have none.
    if (m_pos < m_end && m_data[m_pos] == QLatin1Char('>')) {
        ++m_pos;
        *empty = false;
        return true;
    }
    QVarLengthArray<QString, 4> names;
    int count = 0;
    for (;;) {
        // Where the reader stood in the text, not in the buffer: skipping
        // white space may refill, and so move, the buffer.
        const qint64 before = offset();
        if (!skipSpace())
            return fail(unexpectedEnd);
        const uint c = m_data[m_pos].unicode();
        if (c == '>') {
            ++m_pos;
            *empty = false;
            return true;
        }
        if (c == '/') {
            if (!expect(QLatin1String("/>")))
                return false;
            *empty = true;
            return true;
        }
        if (offset() == before) // attributes are separated by white space
            return fail(unexpectedCharacter);
        if (count == maxAttributes)
            return fail(tooManyAttributes);
        QString name;
        if (!parseName(&name))
            return false;
        for (int i = 0; i < count; ++i) {
            if (names[i] == name)
                return fail(duplicateAttribute);
        }
        names.append(name);
        ++count;
        if (!skipSpace())
            return fail(unexpectedEnd);
        if (m_data[m_pos] != QLatin1Char('='))
            return fail(unexpectedCharacter);
        ++m_pos;
        if (!skipSpace())
            return fail(unexpectedEnd);
        QString value;
        if (!parseAttributeValue(&value))
            return false;
        if (root && name == ConstXML::tableAttribute()) {
            m_table = value;
            m_hasTable = true;
        }
    }
}

bool XmlReader::parseEndTag(const QString& name)
{
    m_pos += 2; // "</"
    // Mostly the name stands there as expected: compared in place, with no
    // look-up of the name read.
    const int length = name.size();
    ensure(length + 1);
    bool named = false;
    if (m_end - m_pos > length && sameChars(m_data + m_pos, name.constData(), length)) {
        const uint after = m_data[m_pos + length].unicode();
        if (after == '>') {
            m_pos += length + 1;
            return true;
        }
        named = !isNameChar(after);
        if (named)
            m_pos += length;
    }
    if (!named) {
        QString closing;
        if (!parseName(&closing))
            return false;
        if (closing != name)
            return fail(tagMismatch);
    }
    if (!skipSpace())
        return fail(unexpectedEnd);
    if (m_data[m_pos] != QLatin1Char('>'))
        return fail(unexpectedCharacter);
    ++m_pos;
    return true;
}

// "<!DOCTYPE name [external id] [internal subset]>": only a name and an
// external id (never fetched); declarations, and so entities, are refused.
bool XmlReader::parseDoctype()
{
    m_pos += 9; // "<!DOCTYPE"
    const uint after = peek();
    if (!isSpace(after))
        return fail(after == EndOfText ? unexpectedEnd : unexpectedCharacter);
    skipSpace();
    QString name;
    if (!parseName(&name))
        return false;
    for (;;) {
        if (!skipSpace())
            return fail(unexpectedEnd);
        const uint c = m_data[m_pos].unicode();
        if (c == '>') {
            ++m_pos;
            return true;
        }
        if (c == '"' || c == '\'') {
            QString literal;
            if (!parseAttributeValue(&literal))
                return false;
            continue;
        }
        if (c == '[') {
            ++m_pos;
            if (!skipSpace())
                return fail(unexpectedEnd);
            if (m_data[m_pos] == QLatin1Char(']')) {
                ++m_pos;
                continue;
            }
            return fail(startsWith(QLatin1String("<!ENTITY")) ? entityDeclaration : dtdDeclaration);
        }
        if (isNameStart(c)) {
            QString keyword;
            if (!parseName(&keyword))
                return false;
            if (keyword != QLatin1String("SYSTEM") && keyword != QLatin1String("PUBLIC"))
                return fail(unexpectedCharacter);
            continue;
        }
        return fail(unexpectedCharacter);
    }
}

bool XmlReader::parseDeclaration()
{
    ensure(300);
    const QString head = QString::fromRawData(m_data + m_pos, qMin(m_end - m_pos, 300));
    static const QRegularExpression declaration(QStringLiteral(
        "^<\\?xml[ \\t\\r\\n]+version[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])1\\.[0-9]+\\1"
        "([ \\t\\r\\n]+encoding[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])[A-Za-z][A-Za-z0-9._-]*\\3)?"
        "([ \\t\\r\\n]+standalone[ \\t\\r\\n]*=[ \\t\\r\\n]*([\"'])(yes|no)\\5)?[ \\t\\r\\n]*\\?>"));
    const QRegularExpressionMatch match = declaration.match(head);
    if (!match.hasMatch())
        return fail(invalidDeclaration);
    m_pos += match.capturedLength();
    return true;
}

// Whether the "<" at the current position starts a comment, CDATA section,
// processing instruction or declaration rather than a tag.
bool XmlReader::atMarkup()
{
    ensure(2);
    if (m_end - m_pos < 2)
        return false;
    const QChar after = m_data[m_pos + 1];
    return after == QLatin1Char('!') || after == QLatin1Char('?');
}

} // namespace Vexal
