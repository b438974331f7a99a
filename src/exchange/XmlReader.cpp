#include "exchange/XmlReader.h"

#include "core/DBSql.h"
#include "texts/LocaleMessage.h"

#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDecoder>

#include <QVarLengthArray>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <iterator>

namespace Vexal {

namespace {

constexpr int compactAfter = 1 << 18;   // consumed characters kept before the buffer is compacted

// Characters that character data carries as they stand: everything XML allows
// but markup ("<", "&"), "]" (which may start "]]>"), carriage returns (line
// ends are normalised) and surrogates (checked in pairs).
struct PlainTable
{
    bool plain[128];
    constexpr PlainTable()
        : plain()
    {
        for (int c = 0; c < 128; ++c)
            plain[c] = c >= 0x20 || c == '\t' || c == '\n';
        plain[int('<')] = false;
        plain[int('&')] = false;
        plain[int(']')] = false;
    }
};
constexpr PlainTable plainTable;

inline bool isPlain(ushort c)
{
    if (c < 128)
        return plainTable.plain[c];
    return c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD);
}

inline bool isSpace(uint c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

// ASCII name characters, looked up: every tag's name passes here.
struct NameTable
{
    enum : unsigned char { Start = 1, Char = 2 };
    unsigned char kind[128];
    constexpr NameTable()
        : kind()
    {
        for (int c = 0; c < 128; ++c) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':')
                kind[c] = Start | Char;
            else if ((c >= '0' && c <= '9') || c == '-' || c == '.')
                kind[c] = Char;
        }
    }
};
constexpr NameTable nameTable;

inline bool isNameStart(uint c)
{
    if (c < 128)
        return nameTable.kind[c] & NameTable::Start;
    return (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0xD800) || (c >= 0xF900 && c <= 0xFFFD);
}

inline bool isNameChar(uint c)
{
    if (c < 128)
        return nameTable.kind[c] & NameTable::Char;
    return isNameStart(c) || c == 0xB7;
}

// Names are short: compared in place rather than through a call.
inline bool sameChars(const QChar* a, const QChar* b, int count)
{
    for (int i = 0; i < count; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// A character XML 1.0 can carry, given as a code point.
inline bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isBlank(const QString& text)
{
    for (const QChar c : text) {
        if (!isSpace(c.unicode()))
            return false;
    }
    return true;
}

// Messages of the reader, in the style of the XML parsers' own.
const char* const unexpectedEnd = "unexpected end of file";
const char* const unexpectedCharacter = "unexpected character";
const char* const invalidCharacter = "character not allowed in XML";
const char* const invalidName = "invalid name";
const char* const nameTooLong = "name too long";
const char* const tooDeep = "elements nested deeper than the format allows";
const char* const tooManyAttributes = "more attributes than the format allows";
const char* const duplicateAttribute = "attribute given twice";
const char* const undefinedEntity = "undefined entity";
const char* const invalidReference = "reference to a character that XML cannot carry";
const char* const entityDeclaration = "entity declarations are not supported";
const char* const dtdDeclaration = "declarations in the document type are not supported";
const char* const misplacedText = "text outside a field";
const char* const cdataEnd = "\"]]>\" in character data";
const char* const tagMismatch = "opening and ending tag mismatch";
const char* const extraContent = "extra content at the end of the document";
const char* const misplacedDoctype = "misplaced document type";
const char* const misplacedDeclaration = "misplaced XML declaration";
const char* const invalidDeclaration = "invalid XML declaration";
const char* const invalidComment = "\"--\" inside a comment";
const char* const missingRoot = "no root element";

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
// XmlSource

XmlSource::XmlSource() = default;
XmlSource::~XmlSource() = default;

// Only a regular file is read: a named pipe would hold the job until some
// writer came, and a device may never end. What the name stands for is asked
// before it is opened, and again of what was opened (without waiting), in case
// the name was given to another file meanwhile.
bool XmlSource::open(const QString& path, bool legacy)
{
    m_legacy = legacy;
    m_file.setFileName(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        m_errorText = LocaleMessage::notRegularFile();
        return false;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        m_errorText = qt_error_string(errno);
        return false;
    }
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        m_errorText = LocaleMessage::notRegularFile();
        return false;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!m_file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        m_errorText = m_file.errorString();
        return false;
    }
    return true;
}

void XmlSource::setBytes(const QByteArray& bytes, bool legacy)
{
    m_bytes = bytes;
    m_inMemory = true;
    m_legacy = legacy;
}

bool XmlSource::readBytes(QByteArray& bytes, int count)
{
    if (m_inMemory) {
        bytes = m_bytes.mid(int(m_offset), count);
    } else {
        bytes.resize(count);
        const qint64 got = m_file.read(bytes.data(), count);
        if (got < 0) {
            m_errorText = m_file.errorString();
            bytes.clear();
            return false;
        }
        bytes.resize(int(got));
    }
    m_offset += bytes.size();
    m_ended = bytes.size() < count || (m_inMemory ? m_offset >= m_bytes.size() : m_file.atEnd());
    return true;
}

// Reads on until `head` holds what tells the encoding, whatever the piece
// size: four bytes for a byte-order mark, and an XML declaration up to its
// end (looked for in the first piece of the usual size, as ever).
bool XmlSource::completeHead(QByteArray& head)
{
    static const QByteArray declaration("<?xml");
    QByteArray more;
    for (;;) {
        const bool decided = head.size() < declaration.size()
                                 ? head.size() >= 4 && !declaration.startsWith(head)
                                 : !head.startsWith(declaration) || head.indexOf("?>") >= 0
                                       || head.size() >= defaultPieceSize;
        if (decided || m_ended)
            return true;
        if (!readBytes(more, m_pieceSize))
            return false;
        head += more;
    }
}

// Whether a file is UTF-8 shows only as its bytes are decoded. When reading
// stops early, at a fault in the text, the rest of the piece of the usual size
// that holds the fault is decoded too (and the end of the file when it lies
// there), so that a file is read again as Windows-1252, or not, whatever the
// size of the pieces it was read in. A failure to read that rest changes
// nothing.
void XmlSource::settle()
{
    if (!m_checkUtf8 || m_needsLegacy || failed() || !m_decoder)
        return;
    const qint64 rest = (defaultPieceSize - m_offset % defaultPieceSize) % defaultPieceSize;
    if (rest > 0 && !m_ended) {
        QByteArray bytes;
        if (!readBytes(bytes, int(rest))) {
            m_errorText.clear();
            return;
        }
        m_decoder->toUnicode(bytes.constData(), bytes.size());
        m_needsLegacy = m_decoder->hasFailure();
    }
    if (m_ended && m_decoder->needsMoreData())
        m_needsLegacy = true;
}

void XmlSource::chooseCodec(const QByteArray& head)
{
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    m_codec = QTextCodec::codecForUtfText(head, nullptr);
    if (!m_codec && head.startsWith("<?xml")) {
        int end = head.indexOf("?>");
        if (end > defaultPieceSize - 2) // beyond where it was ever looked for
            end = -1;
        static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
        const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(head.left(end < 0 ? 0 : end)));
        if (match.hasMatch())
            m_codec = QTextCodec::codecForName(match.captured(1).toLatin1());
    }
    if (!m_codec || m_codec == utf8) {
        m_codec = m_legacy ? QTextCodec::codecForName("Windows-1252") : utf8;
        m_checkUtf8 = !m_legacy;
    }
    m_decoder.reset(m_codec->makeDecoder());
}

// The bytes, when all are ASCII, appended to `out` one character each;
// false, with `out` as it was, otherwise.
bool XmlSource::widenAscii(const QByteArray& bytes, QString& out)
{
    const int size = bytes.size();
    const uchar* in = reinterpret_cast<const uchar*>(bytes.constData());
    int i = 0;
    __m128i high = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16)
        high = _mm_or_si128(high, _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)));
    uchar rest = 0;
    for (int j = i; j < size; ++j)
        rest |= in[j];
    if (_mm_movemask_epi8(high) != 0 || (rest & 0x80) != 0)
        return false;
    const int before = out.size();
    out.resize(before + size);
    ushort* o = reinterpret_cast<ushort*>(out.data()) + before;
    const __m128i zero = _mm_setzero_si128();
    for (i = 0; i + 16 <= size; i += 16) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_unpacklo_epi8(chars, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i + 8), _mm_unpackhi_epi8(chars, zero));
    }
    for (; i < size; ++i)
        o[i] = in[i];
    return true;
}

bool XmlSource::read(QString& out)
{
    if (m_needsLegacy || failed())
        return false;
    // One buffer for every piece: no fresh megabyte of memory per read.
    QByteArray& bytes = m_chunk;
    if (!readBytes(bytes, m_pieceSize))
        return false;
    if (!m_started) {
        m_started = true;
        if (!completeHead(bytes))
            return false;
        chooseCodec(bytes);
    }
    if (bytes.isEmpty()) {
        if (m_checkUtf8 && m_decoder->needsMoreData())
            m_needsLegacy = true;
        return false;
    }
    const int before = out.size();
    // Mostly a piece is all ASCII: widened straight into `out`, with no
    // decoded copy to append. The decoder must then hold no part of a
    // character, and it has seen the start of the file (a byte-order mark
    // is only dropped there).
    if (m_checkUtf8 && m_decoderStarted && !m_decoder->needsMoreData() && widenAscii(bytes, out)) {
        m_empty = false;
        return true;
    }
    m_decoderStarted = true;
    out += m_decoder->toUnicode(bytes.constData(), bytes.size());
    if (m_checkUtf8 && m_decoder->hasFailure()) {
        m_needsLegacy = true;
        out.resize(before);
        return false;
    }
    if (out.size() > before)
        m_empty = false;
    return true;
}

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

// ---------------------------------------------------------------------------
// XmlReader: tokens

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

static inline bool isHighSurrogate(uint c)
{
    return c >= 0xD800 && c < 0xDC00;
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

// The buffer of dropped text, emptied; after a long text it starts afresh, so
// that no memory stays held for the rest of the file.
QString& XmlReader::skippedText()
{
    if (m_skipped.capacity() > maxSpareText)
        m_skipped = QString();
    else
        m_skipped.resize(0);
    return m_skipped;
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

// White space, comments, processing instructions and (inside an item, where
// the format reads only elements) any text up to the next element tag or end
// tag. Outside an item non-blank text is refused.
bool XmlReader::parseMisc(bool allowText)
{
    for (;;) {
        if (allowText) {
            // Mostly only white space stands between elements: passed over
            // as it is, without going through the buffer of dropped text.
            while (m_pos < m_end && isSpace(m_data[m_pos].unicode()))
                ++m_pos;
            if (m_pos >= m_end || m_data[m_pos] != QLatin1Char('<')) {
                if (!parseText(&skippedText()))
                    return false;
            }
        } else if (!parseText(nullptr)) {
            return false;
        }
        if (!atMarkup())
            return true;
        if (startsWith(QLatin1String("<!--"))) {
            if (!parseComment())
                return false;
        } else if (startsWith(QLatin1String("<?"))) {
            if (!parseProcessingInstruction())
                return false;
        } else if (startsWith(QLatin1String("<![CDATA["))) {
            QString data;
            if (!parseCData(&data))
                return false;
            if (!allowText && !isBlank(data))
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
    QString& text = skippedText();
    if ((m_pos >= m_end || m_data[m_pos] != QLatin1Char('<')) && !parseText(&text))
        return false;
    if (!isBlank(text)) {
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
        return parseCData(&text);
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
        if (!parseField(&child))
            return false;
        item->children().append(std::move(child));
    }
}

} // namespace Vexal
