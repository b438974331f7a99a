#include "data/SqlStatement.h"

#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "data/DBField.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Vexal {

namespace {

// UTF-16 to UTF-8 into `out`, which only ever grows; returns the length. The
// reader lets no lone surrogate through; one from elsewhere becomes U+FFFD,
// as SQLite's own conversion would make something unreadable of it.
int toUtf8(const QString& text, QByteArray& out)
{
    const ushort* in = reinterpret_cast<const ushort*>(text.constData());
    const int size = text.size();
    if (out.size() < size * 3)
        out.resize(size * 3);
    unsigned char* o = reinterpret_cast<unsigned char*>(out.data());
    unsigned char* const start = o;
    for (int i = 0; i < size; ++i) {
        // Most text is ASCII: eight characters at a time while it lasts.
#if defined(__SSE2__)
        const __m128i nonAscii = _mm_set1_epi16(short(0xFF80));
        while (size - i >= 8) {
            const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(eight, nonAscii), _mm_setzero_si128())) != 0xFFFF)
                break;
            _mm_storel_epi64(reinterpret_cast<__m128i*>(o), _mm_packus_epi16(eight, eight));
            o += 8;
            i += 8;
        }
#endif
        while (size - i >= 4) {
            quint64 four;
            memcpy(&four, in + i, sizeof four);
            if (four & 0xFF80FF80FF80FF80ull)
                break;
            o[0] = uchar(in[i]);
            o[1] = uchar(in[i + 1]);
            o[2] = uchar(in[i + 2]);
            o[3] = uchar(in[i + 3]);
            o += 4;
            i += 4;
        }
        if (i == size)
            break;
        uint c = in[i];
        if (c < 0x80) {
            *o++ = uchar(c);
            continue;
        }
        if (c < 0x800) {
            *o++ = uchar(0xC0 | (c >> 6));
            *o++ = uchar(0x80 | (c & 0x3F));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            c = QChar::surrogateToUcs4(ushort(c), in[++i]);
            *o++ = uchar(0xF0 | (c >> 18));
            *o++ = uchar(0x80 | ((c >> 12) & 0x3F));
            *o++ = uchar(0x80 | ((c >> 6) & 0x3F));
            *o++ = uchar(0x80 | (c & 0x3F));
            continue;
        }
        if (QChar::isSurrogate(c))
            c = 0xFFFD;
        *o++ = uchar(0xE0 | (c >> 12));
        *o++ = uchar(0x80 | ((c >> 6) & 0x3F));
        *o++ = uchar(0x80 | (c & 0x3F));
    }
    return int(o - start);
}

} // namespace

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqlStatement::prepare(const QSqlDatabase& db, const QString& text)
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_text = text;
    m_error.clear();
    m_cause.clear();
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        m_db = nullptr;
        m_error = QStringLiteral("No SQLite connection");
        return false;
    }
    m_db = *static_cast<sqlite3* const*>(handle.constData());
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), utf8.size(), &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        return failed("Unable to execute statement");
    }
    m_texts.assign(std::size_t(sqlite3_bind_parameter_count(m_statement)), QByteArray());
    return true;
}

void SqlStatement::bindNull(int position)
{
    sqlite3_bind_null(m_statement, position + 1);
}

void SqlStatement::bindInt(int position, qint64 value)
{
    sqlite3_bind_int64(m_statement, position + 1, value);
}

void SqlStatement::bindText(int position, const QString& text)
{
    if (text.isNull() || std::size_t(position) >= m_texts.size()) {
        bindNull(position);
        return;
    }
    QByteArray& utf8 = m_texts[std::size_t(position)];
    const int length = toUtf8(text, utf8);
    sqlite3_bind_text(m_statement, position + 1, utf8.constData(), length, SQLITE_STATIC);
}

void SqlStatement::bindBytes(int position, const QByteArray& bytes)
{
    if (std::size_t(position) >= m_texts.size()) {
        sqlite3_bind_blob(m_statement, position + 1, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
        return;
    }
    // Held (shared, not copied) until the statement has run.
    QByteArray& held = m_texts[std::size_t(position)];
    held = bytes;
    sqlite3_bind_blob(m_statement, position + 1, held.constData(), held.size(), SQLITE_STATIC);
}

void SqlStatement::bindField(int position, const DBField& field, const DBBase* record)
{
    Binder to{this, position};
    field.bind(to, record);
}

void SqlStatement::bindRow(const DBBase* record)
{
    record->fields().bindRow(record, [this](std::size_t i) { return Binder{this, int(i)}; });
}

bool SqlStatement::exec(bool* gaveRow)
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (gaveRow)
        *gaveRow = result == SQLITE_ROW;
    if (result == SQLITE_DONE || result == SQLITE_ROW) {
        sqlite3_reset(m_statement);
        return true;
    }
    // The step's own error, before the reset can report it again.
    failed("Unable to fetch row");
    sqlite3_reset(m_statement);
    return false;
}

bool SqlStatement::next()
{
    if (!m_statement)
        return false;
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        failed("Unable to fetch row");
    sqlite3_reset(m_statement);
    return false;
}

qint64 SqlStatement::columnInt(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

int SqlStatement::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

QString SqlStatement::columnText(int column) const
{
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

namespace {

bool isAscii(const unsigned char* text, int size)
{
    int i = 0;
    for (; size - i >= 8; i += 8) {
        quint64 eight;
        memcpy(&eight, text + i, sizeof eight);
        if (eight & 0x8080808080808080ull)
            return false;
    }
    for (; i < size; ++i) {
        if (text[i] & 0x80)
            return false;
    }
    return true;
}

} // namespace

// An ASCII text is taken from the stored UTF-8 as it stands; any other through
// SQLite's UTF-16, as the driver takes every text (the two differ where a
// stored text is no valid UTF-8).
QVariant SqlStatement::columnValue(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_NULL:
        return QVariant(QVariant::String);
    default:
        break;
    }
    const unsigned char* text = sqlite3_column_text(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    if (text && isAscii(text, size))
        return QString::fromLatin1(reinterpret_cast<const char*>(text), size);
    return QString(static_cast<const QChar*>(sqlite3_column_text16(m_statement, column)),
                   sqlite3_column_bytes16(m_statement, column) / int(sizeof(QChar)));
}

qint64 SqlStatement::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : -1;
}

bool SqlStatement::failed(const char* what)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
    m_error = message + QLatin1Char(' ') + QLatin1String(what);
    m_cause = DBConnection::failureCause(m_db, sqlite3_extended_errcode(m_db), message);
    return false;
}

} // namespace Vexal
