#pragma once

#include "exchange/XmlItem.h"
#include "exchange/XmlSource.h"

#include <QString>
#include <QVector>

#include <climits>

namespace Vexal {

// Reads an exchange file as a stream of light items: open() reads up to the
// root's start tag, then next() parses one item at a time, so that items can
// be stored as they are read and memory stays flat whatever the file's size.
//
// The reader checks well-formedness itself and takes only what the format can
// hold: a root, its items and their fields, three levels and no deeper. It
// refuses, at once, anything a hostile file could use to exhaust the program:
// deeper nesting, entity declarations, elements with more attributes than the
// format has any use for, undefined entities, references to characters XML
// cannot carry, duplicate attributes and any other error of well-formedness.
// Nothing else is refused for its length: names, references, white space,
// declarations, comments, processing instructions and CDATA sections may run
// on as long as XML allows, and what is only passed over is never held whole.
// Comments, processing instructions, CDATA sections and references are read
// as XML defines them; line ends are normalised to "\n".
class XmlReader
{
public:
    explicit XmlReader(XmlSource* source);

    // Reads the prolog and the root's start tag; false with an error.
    bool open();
    QString rootName() const { return m_rootName; }
    bool hasTable() const { return m_hasTable; }
    QString table() const { return m_table; }

    enum Result { Item, End, Error };
    // The next item (Item), the end of a well-formed document (End), or an
    // error (Error, with errorText(), line() and column()).
    Result next(XmlItem* item);

    QString errorText() const { return m_error; }
    int line() const { return m_errorLine; }
    int column() const { return m_errorColumn; }
    // The source, not the text, failed (see XmlSource::needsLegacy()).
    bool sourceFailed() const { return m_source->failed() || m_source->needsLegacy(); }

    // Limits of the format; anything beyond is refused.
    static constexpr int maxDepth = 3;
    static constexpr int maxAttributes = 32;

private:
    enum : uint { EndOfText = 0x110000 };

    // The buffer and errors (XmlReader.cpp).
    // The character at the current position, EndOfText past the end.
    uint peek() { return m_pos < m_end ? m_data[m_pos].unicode() : peekMore(); }
    uint peekMore();
    // The current position counted from the start of the text.
    qint64 offset() const { return m_dropped + m_pos; }
    bool fill();
    // Whether `count` characters are at hand from the current position on.
    bool ensure(int count) { return m_end - m_pos >= count || ensureMore(count); }
    bool ensureMore(int count);
    bool fail(const char* message);
    bool expect(QLatin1String text);
    bool startsWith(QLatin1String text);
    void compact();

    // Tokens (XmlReaderTokens.cpp).
    bool skipSpace();
    bool parseName(QString* name, int keep = INT_MAX);
    bool parseNewName(QString* name, int keep, int before);
    // The known name at `index` was read after the one at `before` (-1: after
    // none known).
    void knownName(int before, int index)
    {
        if (before >= 0 && m_followers.at(before) != index)
            m_followers[before] = index;
        m_lastName = index;
    }
    bool skipEquals(const char* message);
    bool parseAttributes(bool root, bool* empty);
    bool parseEndTag(const QString& name);
    bool skipMarkup(bool comment);
    bool parseComment();
    bool parseProcessingInstruction();
    bool parseDoctype();
    bool parseDeclaration();
    bool atMarkup();

    // Values and references (XmlReaderValues.cpp).
    void skipLineEnd();
    bool takePair(QString* out);
    bool parseReference(QString* out);
    bool parseAttributeValue(QString* value);
    bool parseCData(QString* out, bool* nonBlank = nullptr);
    bool parseText(QString* out, bool* nonBlank = nullptr);

    // The document (XmlReader.cpp).
    bool parseMisc(bool allowText);
    bool parseRootChild(XmlItem* item);
    bool parseField(XmlItem::Child* child);
    bool parsePlainField(XmlItem::Child* child);
    bool parseItem(XmlItem* item);

    XmlSource* m_source;
    QString m_buffer;
    const QChar* m_data = nullptr;
    int m_pos = 0;
    int m_end = 0;
    bool m_atEnd = false;
    qint64 m_linesBefore = 0; // line ends in the text dropped from the buffer
    qint64 m_lastLineStart = 0;
    qint64 m_dropped = 0;

    QString m_rootName;
    QString m_table;
    bool m_hasTable = false;
    bool m_rootClosed = false;

    QString m_error;
    int m_errorLine = 0;
    int m_errorColumn = 0;

    // Fields of the item read before, taken up again by the next item's.
    static constexpr std::size_t maxSpareTexts = 64;
    static constexpr int maxSpareText = 4096;
    QVector<XmlItem::Child> m_spare;

    // Field names repeat on every item: one shared copy each, of the names
    // no longer than this.
    static constexpr int maxKnownName = 256;
    QVector<QString> m_names;
    // Per known name: the one read after it last time (-1: none yet).
    QVector<int> m_followers;
    int m_lastName = -1;
};

} // namespace Vexal
