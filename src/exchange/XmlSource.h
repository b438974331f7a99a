#pragma once

#include <QFile>
#include <QString>

#include <memory>

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

} // namespace Vexal
