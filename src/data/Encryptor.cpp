#include "data/Encryptor.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace Vexal {

namespace {

const char formatVersion = 3;
const char flagCompressed = 0x01;
const char flagChecksum = 0x02;
const char flagHash = 0x04;
const int checksumSize = 2;
const int hashSize = 20;

QByteArray checksumBytes(const QByteArray& data)
{
    const quint16 sum = qChecksum(data.constData(), uint(data.size()));
    QByteArray bytes(checksumSize, '\0');
    bytes[0] = char(sum >> 8);
    bytes[1] = char(sum & 0xFF);
    return bytes;
}

} // namespace

Encryptor::Encryptor(QObject* parent)
    : QObject(parent)
{
}

Encryptor::Encryptor(quint64 key, QObject* parent)
    : QObject(parent)
{
    setKey(key);
}

void Encryptor::setKey(quint64 key)
{
    m_key = key;
    m_keyParts.clear();
    for (int i = 0; i < 8; ++i)
        m_keyParts.append(quint8((key >> (8 * i)) & 0xFF));
}

QString Encryptor::encode(const QString& password)
{
    return encryptToString(password.toUtf8());
}

QString Encryptor::decode(const QString& stored)
{
    const QByteArray bytes = decryptToByteArray(stored);
    return QString::fromUtf8(bytes.constData(), bytes.size());
}

QString Encryptor::encryptToString(const QByteArray& plain)
{
    return QString::fromLatin1(encrypt(plain).toBase64());
}

QByteArray Encryptor::encryptToByteArray(const QString& plain)
{
    return encrypt(plain.toUtf8());
}

QString Encryptor::decryptToString(const QByteArray& scrambled)
{
    const QByteArray bytes = decrypt(scrambled);
    return QString::fromUtf8(bytes.constData(), bytes.size());
}

QByteArray Encryptor::decryptToByteArray(const QString& stored)
{
    return decrypt(QByteArray::fromBase64(stored.toLatin1()));
}

QByteArray Encryptor::encrypt(const QByteArray& plain)
{
    // The byte only varies the stored text; a shared generator is never reseeded.
    return encryptWithRandomByte(plain, quint8(QRandomGenerator::global()->bounded(256)));
}

QByteArray Encryptor::encryptWithRandomByte(const QByteArray& plain, quint8 randomByte)
{
    if (m_keyParts.isEmpty()) {
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }

    char flags = 0;
    QByteArray payload = plain;
    if (m_compressionMode == CompressionAlways || m_compressionMode == CompressionAuto) {
        const QByteArray compressed = qCompress(plain, 9);
        if (m_compressionMode == CompressionAlways || compressed.size() < plain.size()) {
            payload = compressed;
            flags |= flagCompressed;
        }
    }

    QByteArray integrity;
    if (m_protectionMode == ProtectionChecksum) {
        flags |= flagChecksum;
        integrity = checksumBytes(payload);
    } else if (m_protectionMode == ProtectionHash) {
        flags |= flagHash;
        integrity = QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
    }

    QByteArray chained;
    chained.reserve(1 + integrity.size() + payload.size());
    chained.append(char(randomByte));
    chained.append(integrity);
    chained.append(payload);

    quint8 last = 0;
    for (int i = 0; i < chained.size(); ++i) {
        const quint8 c = quint8(chained.at(i)) ^ m_keyParts.at(i % 8) ^ last;
        chained[i] = char(c);
        last = c;
    }

    QByteArray result;
    result.reserve(2 + chained.size());
    result.append(formatVersion);
    result.append(flags);
    result.append(chained);
    m_lastError = ErrorNoError;
    return result;
}

QByteArray Encryptor::decrypt(const QByteArray& scrambled)
{
    if (m_keyParts.isEmpty()) {
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }
    if (scrambled.isEmpty() || scrambled.at(0) != formatVersion) {
        m_lastError = ErrorUnknownVersion;
        return QByteArray();
    }

    // Every text this format produces holds at least the random byte.
    if (scrambled.size() < 3) {
        m_lastError = ErrorIntegrityFailed;
        return QByteArray();
    }

    const char flags = scrambled.at(1);
    QByteArray data = scrambled.mid(2);

    quint8 last = 0;
    for (int i = 0; i < data.size(); ++i) {
        const quint8 c = quint8(data.at(i));
        data[i] = char(c ^ last ^ m_keyParts.at(i % 8));
        last = c;
    }
    data.remove(0, 1); // the random byte

    if (flags & flagChecksum) {
        if (data.size() < checksumSize) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const QByteArray stored = data.left(checksumSize);
        data.remove(0, checksumSize);
        if (checksumBytes(data) != stored) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    } else if (flags & flagHash) {
        if (data.size() < hashSize) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const QByteArray stored = data.left(hashSize);
        data.remove(0, hashSize);
        if (QCryptographicHash::hash(data, QCryptographicHash::Sha1) != stored) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    }

    if (flags & flagCompressed)
        data = qUncompress(data);

    m_lastError = ErrorNoError;
    return data;
}

} // namespace Vexal
