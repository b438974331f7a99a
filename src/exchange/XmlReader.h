#pragma once

#include "exchange/XmlItem.h"

#include <QFile>
#include <QString>

#include <memory>
#include <vector>

class QTextCodec;
class QTextDecoder;

namespace Vexal {

// The decoded text of an exchange file, handed out piece by piece so that no
// file is ever held whole. A byte-order mark or the XML declaration's encoding
// decides the encoding; otherwise the bytes are read as UTF-8, and a file that
// turns out not to be valid UTF-8 is read again as Windows-1252 (needsLegacy()
// tells the caller to start over with legacy set).
class XmlSource
{
public:
    XmlSource();
    ~XmlSource();

    // Opens a file; false with errorText() set.
    bool open(const QString& path, bool legacy);
    // A source over bytes already in memory (tests, fuzzing).
    void setBytes(const QByteArray& bytes, bool legacy);
    // The bytes read at a time; tests and fuzzing read in small pieces so
    // that every place of a file comes to lie at a piece's end.
    static constexpr int defaultPieceSize = 1 << 20;
    void setPieceSize(int bytes) { m_pieceSize = qMax(1, bytes); }
    int pieceSize() const { return m_pieceSize; }

    // Appends the next piece of text to `out`; false at the end or on failure.
    bool read(QString& out);
    bool failed() const { return !m_errorText.isEmpty(); }
    QString errorText() const { return m_errorText; }
    // The bytes were taken as UTF-8 and are not: read the file again as legacy.
    bool needsLegacy() const { return m_needsLegacy; }
    bool isEmpty() const { return m_empty; }
    // Reading stopped early: decides the encoding as reading on would have
    // (see needsLegacy()).
    void settle();

private:
    bool readBytes(QByteArray& bytes, int count);
    bool completeHead(QByteArray& head);
    void chooseCodec(const QByteArray& head);
    static bool widenAscii(const QByteArray& bytes, QString& out);

    QFile m_file;
    QByteArray m_bytes;     // the in-memory source
    QByteArray m_chunk;     // the bytes of the piece being decoded
    qint64 m_offset = 0;    // bytes read so far
    bool m_ended = false;   // the last read came short: no bytes follow
    int m_pieceSize = defaultPieceSize;
    bool m_inMemory = false;
    bool m_legacy = false;
    bool m_started = false;
    bool m_checkUtf8 = false;
    bool m_decoderStarted = false;
    bool m_needsLegacy = false;
    bool m_empty = true;
    QTextCodec* m_codec = nullptr;
    std::unique_ptr<QTextDecoder> m_decoder;
    QString m_errorText;
};

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
    static constexpr int maxNameLength = 256;

private:
    enum : uint { EndOfText = 0x110000 };

    // The character at the current position, EndOfText past the end.
    uint peek() { return m_pos < m_end ? m_data[m_pos].unicode() : peekMore(); }
    uint peekMore();
    // The current position counted from the start of the text.
    qint64 offset() const { return m_dropped + m_pos; }
    bool fill();
    // Whether `count` characters are at hand from the current position on.
    bool ensure(int count) { return m_end - m_pos >= count || ensureMore(count); }
    bool ensureMore(int count);
    void skipLineEnd();
    bool takePair(QString* out);
    bool fail(const char* message);
    bool expect(QLatin1String text);
    bool startsWith(QLatin1String text);

    bool skipSpace();
    bool parseName(QString* name);
    bool parseReference(QString* out);
    bool parseAttributeValue(QString* value);
    bool parseAttributes(bool root, bool* empty);
    bool parseEndTag(const QString& name);
    bool skipMarkup(bool comment);
    bool parseComment();
    bool parseProcessingInstruction();
    bool parseCData(QString* out);
    bool parseDoctype();
    bool parseDeclaration();
    bool parseText(QString* out);
    bool atMarkup();
    QString& skippedText();
    bool parseMisc(bool allowText);
    bool parseRootChild(XmlItem* item);
    bool parseField(XmlItem::Child* child);
    bool parseItem(XmlItem* item);

    void compact();

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

    // Text read only to be dropped (white space between elements), in one
    // buffer kept from item to item.
    QString m_skipped;

    // Fields of the item read before, taken up again by the next item's.
    static constexpr std::size_t maxSpareTexts = 64;
    static constexpr int maxSpareText = 4096;
    QVector<XmlItem::Child> m_spare;

    // Field names repeat on every item: one shared copy each.
    QVector<QString> m_names;
    int m_lastName = -1;
};

} // namespace Vexal
