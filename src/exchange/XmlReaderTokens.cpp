#include "exchange/XmlReader.h"

#include "core/DBSql.h"
#include "exchange/XmlSyntax.h"

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

// A name at the current position, of any length: one that runs past the
// buffer is gathered piece by piece. With `keep` set, only that many of its
// characters are kept (a name that is only tested, never stored, so that
// memory stays bounded however long it runs).
bool XmlReader::parseName(QString* name, int keep)
{
    // Names mostly come in the same order: the one that followed the last
    // name before (or else the one known after it) is tried first, in place.
    // Known names are valid ones, so only where the name ends needs a look,
    // and a name merely starting with the known one ("TitleFinal" after
    // "Title") is no match.
    const int count = m_names.size();
    const int before = m_lastName;
    if (count > 0) {
        const int follower = before >= 0 ? m_followers.at(before) : -1;
        const int next = follower >= 0 ? follower : before + 1 < count ? before + 1 : 0;
        const QString& guess = m_names.at(next);
        const int length = guess.size();
        ensure(length + 1);
        if (length <= keep && m_end - m_pos > length && sameChars(m_data + m_pos, guess.constData(), length)
            && !isNameChar(m_data[m_pos + length].unicode())) {
            m_pos += length;
            knownName(before, next);
            if (name->constData() != guess.constData())
                *name = guess;
            return true;
        }
    }
    return parseNewName(name, keep, before);
}

// parseName() where the guess failed: the name read and looked up.
bool XmlReader::parseNewName(QString* name, int keep, int before)
{
    const int count = m_names.size();
    m_lastName = -1;
    const uint first = peek();
    if (first == EndOfText)
        return fail(unexpectedEnd);
    if (!isNameStart(first))
        return fail(invalidName);
    // The name's characters in the buffer from `start`; what a refill would
    // drop is kept in `gathered` first.
    QString gathered;
    int length = 0;
    int start = m_pos;
    for (;;) {
        while (m_pos < m_end) {
            const uint c = m_data[m_pos].unicode();
            if (isHighSurrogate(c)) {
                // A name may hold characters beyond the first plane, as pairs.
                if (m_pos + 1 >= m_end)
                    break;
                const uint code = QChar::surrogateToUcs4(ushort(c), m_data[m_pos + 1].unicode());
                if (!QChar::isLowSurrogate(m_data[m_pos + 1].unicode()) || code > 0xEFFFF)
                    return fail(invalidCharacter);
                m_pos += 2;
                length += 2;
                continue;
            }
            if (!isNameChar(c))
                break;
            ++m_pos;
            ++length;
        }
        if (m_pos < m_end && !isHighSurrogate(m_data[m_pos].unicode()))
            break;
        gathered.append(m_data + start, qMax(0, qMin(m_pos - start, keep - gathered.size())));
        if (!fill())
            return fail(unexpectedEnd);
        start = m_pos;
    }
    const QChar* chars = m_data + start;
    int inBuffer = m_pos - start;
    if (!gathered.isEmpty()) {
        gathered.append(chars, qMax(0, qMin(inBuffer, keep - gathered.size())));
        chars = gathered.constData();
        inBuffer = gathered.size();
    } else if (inBuffer > keep) {
        inBuffer = keep;
    }
    const bool whole = length <= keep;
    if (whole) {
        for (int index = 0; index < count; ++index) {
            const QString& known = m_names.at(index);
            if (known.size() == length && sameChars(known.constData(), chars, length)) {
                knownName(before, index);
                if (name->constData() != known.constData())
                    *name = known;
                return true;
            }
        }
    }
    *name = gathered.isEmpty() ? QString(chars, inBuffer) : gathered;
    // Only short names are remembered: the guess above compares in place.
    if (whole && length <= maxKnownName && m_names.size() < 512) {
        m_names.append(*name);
        m_followers.append(-1);
        knownName(before, m_names.size() - 1);
    }
    return true;
}

// "=" between white space, as it joins a name and its value; `message` says
// what stands there instead.
bool XmlReader::skipEquals(const char* message)
{
    if (!skipSpace())
        return fail(unexpectedEnd);
    if (m_data[m_pos] != QLatin1Char('='))
        return fail(message);
    ++m_pos;
    return skipSpace() || fail(unexpectedEnd);
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
    // Only whether the target is "xml" matters: four characters tell.
    QString target;
    if (!parseName(&target, 4))
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
        if (!skipEquals(unexpectedCharacter))
            return false;
        // Only the root's "Table" is kept; the other values are read over.
        const bool table = root && name == ConstXML::tableAttribute();
        if (!parseAttributeValue(table ? &m_table : nullptr))
            return false;
        m_hasTable = m_hasTable || table;
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
    if (!parseName(&name, 0))
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
            if (!parseAttributeValue(nullptr))
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
            if (!parseName(&keyword, 7))
                return false;
            if (keyword != QLatin1String("SYSTEM") && keyword != QLatin1String("PUBLIC"))
                return fail(unexpectedCharacter);
            continue;
        }
        return fail(unexpectedCharacter);
    }
}

// <?xml version="1.x" encoding="name" standalone="yes|no"?>, the last two
// optional, read as it comes: white space may run on where XML allows it, and
// the version and the encoding's name may be of any length.
bool XmlReader::parseDeclaration()
{
    static const QLatin1String names[] = {QLatin1String("version"), QLatin1String("encoding"),
                                          QLatin1String("standalone")};
    m_pos += 5; // "<?xml"
    int next = 0; // the pseudo-attributes come in this order
    for (;;) {
        const qint64 before = offset();
        if (!skipSpace())
            return fail(unexpectedEnd);
        const bool spaced = offset() > before;
        if (startsWith(QLatin1String("?>"))) {
            if (next == 0)
                return fail(invalidDeclaration);
            m_pos += 2;
            return true;
        }
        int which = next;
        while (which < 3 && !startsWith(names[which]))
            ++which;
        if (!spaced || which == 3 || (next == 0 && which != 0))
            return fail(invalidDeclaration);
        m_pos += names[which].size();
        next = which + 1;
        if (!skipEquals(invalidDeclaration))
            return false;
        const uint quote = m_data[m_pos].unicode();
        if (quote != '"' && quote != '\'')
            return fail(invalidDeclaration);
        ++m_pos;
        // Checked as it comes: version 1.digits, a name of letters, digits
        // and ._- that starts with a letter, or yes or no.
        QString value; // of standalone only
        int length = 0;
        for (;; ++length) {
            const uint c = peek();
            if (c == EndOfText)
                return fail(unexpectedEnd);
            ++m_pos;
            if (c == quote)
                break;
            const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            const bool digit = c >= '0' && c <= '9';
            bool ok = false;
            if (which == 0)
                ok = length == 0 ? c == '1' : length == 1 ? c == '.' : digit;
            else if (which == 1)
                ok = letter || (length > 0 && (digit || c == '.' || c == '_' || c == '-'));
            else
                ok = length < 3 && letter;
            if (!ok)
                return fail(invalidDeclaration);
            if (which == 2)
                value.append(QChar(ushort(c)));
        }
        const bool complete = which == 0   ? length > 2
                              : which == 1 ? length > 0
                                           : value == QLatin1String("yes") || value == QLatin1String("no");
        if (!complete)
            return fail(invalidDeclaration);
    }
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
