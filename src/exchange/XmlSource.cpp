#include "exchange/XmlSource.h"

#include "texts/LocaleMessage.h"

#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDecoder>

#include <cerrno>
#include <emmintrin.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Vexal {

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

// A piece never reaches past the end of a piece of the usual size: smaller
// pieces read the bytes the usual ones would, and no byte beyond, wherever
// reading stops (see settle()).
bool XmlSource::readBytes(QByteArray& bytes, int count)
{
    count = int(qMin<qint64>(count, defaultPieceSize - m_offset % defaultPieceSize));
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

} // namespace Vexal
