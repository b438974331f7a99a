#pragma once

#include <QChar>
#include <QString>

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

inline bool isBlank(const QString& text)
{
    for (const QChar c : text) {
        if (!isSpace(c.unicode()))
            return false;
    }
    return true;
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
constexpr const char* nameTooLong = "name too long";
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
