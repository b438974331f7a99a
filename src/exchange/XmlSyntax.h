#pragma once

#include <QChar>
#include <QString>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The characters and messages of the exchange reader, shared by its parts
// (XmlReader.cpp, XmlReaderTokens.cpp, XmlReaderValues.cpp). Every character
// of a file passes one of these tests: they are inline and look ASCII up.

namespace Vexal {
namespace XmlSyntax {

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
inline constexpr PlainTable plainTable;

inline bool isPlain(ushort c)
{
    if (c < 128)
        return plainTable.plain[c];
    return c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD);
}

// The first character at or after p that character data does not carry as
// it stands (or end). Runs of ASCII go eight at a time where the processor
// can; anything else is looked at one by one.
inline const QChar* skipPlain(const QChar* p, const QChar* end)
{
    for (;;) {
#if defined(__SSE2__)
        const __m128i below = _mm_set1_epi16(0x20);
        const __m128i above = _mm_set1_epi16(0x7F);
        const __m128i less = _mm_set1_epi16('<');
        const __m128i amp = _mm_set1_epi16('&');
        const __m128i bracket = _mm_set1_epi16(']');
        while (end - p >= 8) {
            // Signed: units from 0x8000 on count as below the blank.
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i special =
                _mm_or_si128(_mm_or_si128(_mm_cmplt_epi16(c, below), _mm_cmpgt_epi16(c, above)),
                             _mm_or_si128(_mm_cmpeq_epi16(c, less),
                                          _mm_or_si128(_mm_cmpeq_epi16(c, amp), _mm_cmpeq_epi16(c, bracket))));
            const int mask = _mm_movemask_epi8(special);
            if (mask) {
                p += __builtin_ctz(unsigned(mask)) / 2;
                break;
            }
            p += 8;
        }
#endif
        const QChar* const stop = end - p > 8 ? p + 8 : end;
        while (p < stop && isPlain(p->unicode()))
            ++p;
        if (p < stop || p == end)
            return p;
    }
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
inline constexpr NameTable nameTable;

// Beyond ASCII, as the UTF-16 unit comes: a high surrogate may start a
// character of the planes that names may hold (up to U+EFFFF); the name's
// reader checks its pair.
inline bool isNameStart(uint c)
{
    if (c < 128)
        return nameTable.kind[c] & NameTable::Start;
    return (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0xD800) || (c >= 0xF900 && c <= 0xFFFD)
           || (c >= 0xD800 && c <= 0xDB7F);
}

inline bool isNameChar(uint c)
{
    if (c < 128)
        return nameTable.kind[c] & NameTable::Char;
    return isNameStart(c) || c == 0xB7;
}

// Names compared in place, as blocks of bytes: a loop over their characters
// ends at a length that varies from name to name, which the processor
// mispredicts.
inline bool sameChars(const QChar* a, const QChar* b, int count)
{
    return std::memcmp(a, b, std::size_t(count) * sizeof(QChar)) == 0;
}

// A character XML 1.0 can carry, given as a code point.
inline bool isXmlChar(uint c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c < 0xD800) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

inline bool isBlank(const QChar* text, const QChar* end)
{
    for (; text < end; ++text) {
        if (!isSpace(text->unicode()))
            return false;
    }
    return true;
}

inline bool isBlank(const QString& text)
{
    return isBlank(text.constData(), text.constData() + text.size());
}

inline bool isHighSurrogate(uint c)
{
    return c >= 0xD800 && c < 0xDC00;
}

// Messages of the reader, in the style of the XML parsers' own.
constexpr const char* unexpectedEnd = "unexpected end of file";
constexpr const char* unexpectedCharacter = "unexpected character";
constexpr const char* invalidCharacter = "character not allowed in XML";
constexpr const char* invalidName = "invalid name";
constexpr const char* tooDeep = "elements nested deeper than the format allows";
constexpr const char* tooManyAttributes = "more attributes than the format allows";
constexpr const char* duplicateAttribute = "attribute given twice";
constexpr const char* undefinedEntity = "undefined entity";
constexpr const char* invalidReference = "reference to a character that XML cannot carry";
constexpr const char* entityDeclaration = "entity declarations are not supported";
constexpr const char* dtdDeclaration = "declarations in the document type are not supported";
constexpr const char* misplacedText = "text outside a field";
constexpr const char* cdataEnd = "\"]]>\" in character data";
constexpr const char* tagMismatch = "opening and ending tag mismatch";
constexpr const char* extraContent = "extra content at the end of the document";
constexpr const char* misplacedDoctype = "misplaced document type";
constexpr const char* misplacedDeclaration = "misplaced XML declaration";
constexpr const char* invalidDeclaration = "invalid XML declaration";
constexpr const char* invalidComment = "\"--\" inside a comment";
constexpr const char* missingRoot = "no root element";

} // namespace XmlSyntax
} // namespace Vexal
