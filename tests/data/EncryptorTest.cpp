#include "TestRows.h"
#include "TestRunner.h"

#include "data/Encryptor.h"

#include <QSet>
#include <QTest>

using Vexal::Encryptor;

namespace {

const quint64 vectorKey = Q_UINT64_C(0x0123456789ABCDEF);

class FixedByteEncryptor : public Encryptor
{
public:
    using Encryptor::Encryptor;
    QString encodeWith(const QString& password, quint8 randomByte)
    {
        return QString::fromLatin1(encryptWithRandomByte(password.toUtf8(), randomByte).toBase64());
    }
    QByteArray bytesWith(const QByteArray& plain, quint8 randomByte)
    {
        return encryptWithRandomByte(plain, randomByte);
    }
};

} // namespace

class EncryptorTest : public QObject
{
    Q_OBJECT
private slots:
    void knownVectors_data()
    {
        addColumns<quint64, int, QString, QString>("key", "randomByte", "password", "stored");
        QTest::newRow("abc") << vectorKey << 0x00 << QStringLiteral("abc") << QStringLiteral("AwLvvDLa3/k=");
        QTest::newRow("empty") << vectorKey << 0x5A << QString() << QStringLiteral("AwK1eNM=");
        QTest::newRow("umlauts") << vectorKey << 0x11 << QStringLiteral("p\u00e4ssw\u00f6rd")
                                 << QStringLiteral("AwL+EYlw1DVlF4+BnGdk");
        // Pins the program's own key: stored passwords depend on it.
        QTest::newRow("program key") << Encryptor::programKey() << 0x42 << QStringLiteral("secret")
                                     << QStringLiteral("AwLneoi81SlweKk=");
    }
    void knownVectors()
    {
        QFETCH(quint64, key);
        QFETCH(int, randomByte);
        QFETCH(QString, password);
        QFETCH(QString, stored);
        FixedByteEncryptor enc(key);
        QCOMPARE(enc.encodeWith(password, quint8(randomByte)), stored);
        QCOMPARE(enc.decode(stored), password);
        QCOMPARE(enc.lastError(), Encryptor::ErrorNoError);
    }

    void roundTrips_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("empty") << QString();
        QTest::newRow("1") << QStringLiteral("x");
        QTest::newRow("127") << QString(127, QLatin1Char('a'));
        QTest::newRow("128") << QString(128, QLatin1Char('b'));
        QTest::newRow("129") << QString(129, QLatin1Char('c'));
        QString longText;
        for (int i = 0; i < 10000; ++i)
            longText.append(QChar(0x21 + (i * 7) % 90));
        QTest::newRow("10000") << longText;
        QTest::newRow("cyrillic") << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
        QTest::newRow("cjk and emoji") << QString::fromUtf8("\xe5\xaf\x86\xe7\xa0\x81 \xf0\x9f\x94\x91");
        QTest::newRow("nul inside") << QString::fromUtf16(u"a\u0000b", 3);
    }
    void roundTrips()
    {
        QFETCH(QString, password);
        Encryptor enc(Encryptor::programKey());
        const QString stored = enc.encode(password);
        // 2 header bytes, the random byte and the checksum, then the UTF-8 payload.
        const int bytes = 5 + password.toUtf8().size();
        QCOMPARE(stored.size(), 4 * ((bytes + 2) / 3));
        Encryptor reader(Encryptor::programKey());
        QCOMPARE(reader.decode(stored), password);
        QCOMPARE(reader.lastError(), Encryptor::ErrorNoError);
        // The random first byte: equal passwords give different texts in general.
        QSet<QString> texts{stored};
        for (int i = 0; i < 16; ++i)
            texts.insert(enc.encode(password));
        QVERIFY(texts.size() > 1);
    }

    void readerHonoursTheFlagsOfOtherModes()
    {
        for (int compression = 0; compression < 3; ++compression) {
            for (int protection = 0; protection < 3; ++protection) {
                for (const QString& password : {QString(), QString(300, QLatin1Char('z'))}) {
                    Encryptor writer(vectorKey);
                    writer.setCompressionMode(Encryptor::CompressionMode(compression));
                    writer.setProtectionMode(Encryptor::ProtectionMode(protection));
                    Encryptor reader(vectorKey);
                    QCOMPARE(reader.decode(writer.encode(password)), password);
                    QCOMPARE(reader.lastError(), Encryptor::ErrorNoError);
                }
            }
        }
    }

    // Compression: "always" keeps the compressed payload even when longer,
    // "never" keeps none, and "automatic" keeps it only when strictly
    // shorter than the password's bytes (so not when just as long).
    void compressionRuleAtItsEdges_data()
    {
        addColumns<int, QByteArray>("mode", "plain");
        QTest::addColumn<int>("compressedGrowth"); // compressed size minus plain size
        QTest::addColumn<bool>("compressed");
        const int automatic = Encryptor::CompressionAuto;
        QTest::newRow("automatic, one byte longer") << automatic << QByteArray(14, 'a') << 1 << false;
        QTest::newRow("automatic, just as long") << automatic << QByteArray(15, 'a') << 0 << false;
        QTest::newRow("automatic, one byte shorter") << automatic << QByteArray(16, 'a') << -1 << true;
        QTest::newRow("automatic, far shorter") << automatic << QByteArray(300, 'a') << -283 << true;
        QTest::newRow("automatic, empty") << automatic << QByteArray() << 4 << false;
        QTest::newRow("always, longer") << int(Encryptor::CompressionAlways) << QByteArray(14, 'a') << 1 << true;
        QTest::newRow("always, empty") << int(Encryptor::CompressionAlways) << QByteArray() << 4 << true;
        QTest::newRow("never, far shorter")
            << int(Encryptor::CompressionNever) << QByteArray(300, 'a') << -283 << false;
    }
    void compressionRuleAtItsEdges()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, plain);
        QFETCH(int, compressedGrowth);
        QFETCH(bool, compressed);
        const QByteArray packed = qCompress(plain, 9);
        QCOMPARE(packed.size() - plain.size(), compressedGrowth); // the row's edge holds
        FixedByteEncryptor writer(vectorKey);
        writer.setCompressionMode(Encryptor::CompressionMode(mode));
        const QByteArray scrambled = writer.bytesWith(plain, 0x33);
        QCOMPARE(bool(scrambled.at(1) & 1), compressed);
        // Version, flags, random byte and checksum, then the payload.
        QCOMPARE(scrambled.size(), 5 + (compressed ? packed.size() : plain.size()));
        Encryptor reader(vectorKey);
        QCOMPARE(reader.decrypt(scrambled), plain);
        QCOMPARE(reader.lastError(), Encryptor::ErrorNoError);
    }

    void tamperedBytesAreRejected()
    {
        Encryptor enc(vectorKey);
        enc.setProtectionMode(Encryptor::ProtectionChecksum);
        const QByteArray good = QByteArray::fromBase64("AwL+EYlw1DVlF4+BnGdk");
        QCOMPARE(enc.decryptToString(good), QStringLiteral("p\u00e4ssw\u00f6rd"));
        // Byte 1 (the flags) is not protected; every other byte is.
        for (int pos = 0; pos < good.size(); ++pos) {
            if (pos == 1)
                continue;
            for (int mask : {0x01, 0x80, 0xFF}) {
                QByteArray bad = good;
                bad[pos] = char(bad.at(pos) ^ mask);
                QVERIFY2(enc.decrypt(bad).isEmpty(), qPrintable(QStringLiteral("position %1").arg(pos)));
                QCOMPARE(enc.lastError(), pos == 0 ? Encryptor::ErrorUnknownVersion : Encryptor::ErrorIntegrityFailed);
            }
        }
    }

    void undecodableStoredTexts_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString();
        QTest::newRow("clear password") << QStringLiteral("hunter2");
        QTest::newRow("not base64") << QStringLiteral("%%%***");
        QTest::newRow("non-Latin") << QStringLiteral("\u043f\u0430\u0440\u043e\u043b\u044c");
        QTest::newRow("version only") << QString::fromLatin1(QByteArray("\x03", 1).toBase64());
        QTest::newRow("header only") << QString::fromLatin1(QByteArray("\x03\x02", 2).toBase64());
        QTest::newRow("hash cut") << QString::fromLatin1(QByteArray("\x03\x04\x10\x20\x30", 5).toBase64());
        QTest::newRow("cut after 128") << Encryptor(Encryptor::programKey()).encode(QString(120, QLatin1Char('p'))).left(128);
    }
    void undecodableStoredTexts()
    {
        QFETCH(QString, stored);
        Encryptor enc(Encryptor::programKey());
        QCOMPARE(enc.decode(stored), QString());
        QVERIFY(enc.lastError() != Encryptor::ErrorNoError);
    }

    void wrongVersionAndMissingKey()
    {
        Encryptor enc(vectorKey);
        QCOMPARE(enc.decryptToString(QByteArray("\x04\x02\x00\x00\x00", 5)), QString());
        QCOMPARE(enc.lastError(), Encryptor::ErrorUnknownVersion);

        Encryptor noKey;
        QCOMPARE(noKey.encode(QStringLiteral("x")), QString());
        QCOMPARE(noKey.lastError(), Encryptor::ErrorNoKeySet);
        QCOMPARE(noKey.decode(QStringLiteral("AwLvvDLa3/k=")), QString());
        QCOMPARE(noKey.lastError(), Encryptor::ErrorNoKeySet);

        // A text scrambled under another key does not read back.
        Encryptor other(Encryptor::programKey());
        QCOMPARE(other.decode(QStringLiteral("AwLvvDLa3/k=")), QString());
        QCOMPARE(other.lastError(), Encryptor::ErrorIntegrityFailed);

        noKey.setKey(vectorKey);
        QCOMPARE(noKey.decode(QStringLiteral("AwLvvDLa3/k=")), QStringLiteral("abc"));
    }
};

TESVAR_TEST(EncryptorTest)
#include "EncryptorTest.moc"
