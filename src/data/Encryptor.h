#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

namespace Vexal {

// Reversible scrambling of stored passwords. The stored form is Base64 of
// [version 3][flags][chained bytes], the chained bytes being a random byte, the
// integrity bytes and the payload, each XORed with the key and the previous
// scrambled byte.
class Encryptor : public QObject
{
    Q_OBJECT
public:
    enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
    enum ProtectionMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
    enum Error { ErrorNoError = 0, ErrorNoKeySet = 1, ErrorUnknownVersion = 2, ErrorIntegrityFailed = 3 };

    // The key of every password the program stores. Changing it makes every
    // stored password unreadable: it must never change.
    static constexpr quint64 programKey() { return Q_UINT64_C(0x6D2B9F0C47E183A5); }

    explicit Encryptor(QObject* parent = nullptr);
    explicit Encryptor(quint64 key, QObject* parent = nullptr);

    void setKey(quint64 key);
    quint64 key() const { return m_key; }

    void setCompressionMode(CompressionMode mode) { m_compressionMode = mode; }
    CompressionMode compressionMode() const { return m_compressionMode; }
    void setProtectionMode(ProtectionMode mode) { m_protectionMode = mode; }
    ProtectionMode protectionMode() const { return m_protectionMode; }
    Error lastError() const { return m_lastError; }

    QString encode(const QString& password);
    QString decode(const QString& stored);

    QString encryptToString(const QByteArray& plain);
    QByteArray encryptToByteArray(const QString& plain);
    QString decryptToString(const QByteArray& scrambled);
    QByteArray decryptToByteArray(const QString& stored);

    QByteArray encrypt(const QByteArray& plain);
    QByteArray decrypt(const QByteArray& scrambled);

protected:
    // The encryption with a given first byte (the public one draws it at random).
    QByteArray encryptWithRandomByte(const QByteArray& plain, quint8 randomByte);

private:
    quint64 m_key = 0;
    QVector<quint8> m_keyParts;
    CompressionMode m_compressionMode = CompressionNever;
    ProtectionMode m_protectionMode = ProtectionChecksum;
    Error m_lastError = ErrorNoError;
};

} // namespace Vexal
