#include "TestRows.h"
#include "TestRunner.h"

#include "core/Convert.h"
#include "core/Random.h"
#include "core/Version.h"

#include <QSet>
#include <QTest>
#include <QVector>

namespace Convert = Vexal::Convert;
using Vexal::Version;
using Vexal::Random;

class ValueClassesTest : public QObject
{
    Q_OBJECT
private slots:
    // Only three dot-separated decimal parts that fit make a version.
    void versionParse()
    {
        const struct { const char* text; bool valid; } cases[] = {
            {"2.0.1", true},   {"10.20.300", true}, {"2.0", false},   {"2.0.1.3", false},
            {"2..1", false},   {"2.0.1.", false},   {"", false},      {"..", false},
            {"2.0.a", false},  {"2.0.0x1", false},  {"2.0.99999999999", false},
        };
        for (const auto& c : cases) {
            const QString text = QString::fromLatin1(c.text);
            QVERIFY2(Version::isValid(text) == c.valid, c.text);
            QObject owner;
            Version* version = Version::parse(text, &owner);
            QVERIFY2((version != nullptr) == c.valid, c.text);
            if (version) {
                QCOMPARE(version->parent(), &owner);
                QCOMPARE(version->toString(), text);
            }
        }
    }

    void versionOrder()
    {
        QObject owner;
        Version* low = Version::parse(QStringLiteral("2.0.1"), &owner);
        Version* mid = Version::parse(QStringLiteral("2.0.10"), &owner);
        Version* high = Version::parse(QStringLiteral("2.1.0"), &owner);
        QVERIFY(low && mid && high);
        QVERIFY(low->isLess(mid) && mid->isLess(high) && low->isLess(high));
        QVERIFY(high->isGreater(mid) && !mid->isGreater(high));
        QVERIFY(!low->isLess(low) && !low->isGreater(low) && low->isEqual(low));
        Version copy;
        copy.setMajor(2);
        copy.setPatch(1);
        QVERIFY(copy.isEqual(low));
        QVERIFY(!low->isEqual(nullptr) && !low->isLess(nullptr) && !low->isGreater(nullptr));
        Version major;
        major.setMajor(3);
        QVERIFY(major.isGreater(high));
    }

    void textConversions()
    {
        QVERIFY(Convert::toBool(QStringLiteral("  Checked ")));
        QVERIFY(Convert::toBool(QStringLiteral("YES")) && Convert::toBool(QStringLiteral("+"))
                && Convert::toBool(QStringLiteral("1")) && Convert::toBool(QStringLiteral("y")));
        QVERIFY(!Convert::toBool(QStringLiteral("no")) && !Convert::toBool(QStringLiteral("0"))
                && !Convert::toBool(QStringLiteral("on")) && !Convert::toBool(QString()));

        QVERIFY(Convert::equalsIgnoreCase(QStringLiteral("Äbc"), QStringLiteral("äBC")));
        QCOMPARE(Convert::toInt(QStringLiteral("42")), 42);
        QCOMPARE(Convert::toInt(QStringLiteral("4x")), 0);
        QVERIFY(Convert::isInt(QStringLiteral("-7")) && !Convert::isInt(QString()) && !Convert::isInt(QStringLiteral("1.5")));
        QVERIFY(Convert::intTextToBool(QStringLiteral("3")) && !Convert::intTextToBool(QStringLiteral("0"))
                && !Convert::intTextToBool(QStringLiteral("yes")));

        QVERIFY(Convert::startsWithUpper(QStringLiteral("Élan")) && !Convert::startsWithUpper(QStringLiteral("élan"))
                && !Convert::startsWithUpper(QStringLiteral("1A")) && !Convert::startsWithUpper(QString()));
        QCOMPARE(Convert::capitalize(QStringLiteral("élan vital")), QStringLiteral("Élan vital"));
        QCOMPARE(Convert::capitalize(QString()), QString());
    }

    void leftTextEndsOnACharacter_data()
    {
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
        const QString accent = QString::fromUtf8("e\xCC\x81");       // e and a combining acute accent
        const QString flag = QString::fromUtf8("\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"); // two regional indicators
        addColumns<QString, int, QString>("text", "limit", "cut");
        QTest::newRow("within the limit") << QStringLiteral("abc") << 3 << QStringLiteral("abc");
        QTest::newRow("plain") << QStringLiteral("abcdef") << 4 << QStringLiteral("abcd");
        QTest::newRow("emoji across the limit") << QString(QStringLiteral("abc") + smile + QStringLiteral("d")) << 4
                                                << QStringLiteral("abc");
        QTest::newRow("emoji up to the limit") << QString(QStringLiteral("ab") + smile + QStringLiteral("d")) << 4
                                               << QString(QStringLiteral("ab") + smile);
        QTest::newRow("combining mark kept with its letter") << QString(QStringLiteral("ab") + accent + QStringLiteral("x"))
                                                             << 3 << QStringLiteral("ab");
        QTest::newRow("flag kept whole") << QString(QStringLiteral("a") + flag) << 3 << QStringLiteral("a");
        // One character longer than the limit: cut between its code points,
        // never inside a surrogate pair.
        QTest::newRow("one long character")
            << QString(QStringLiteral("e") + QString(10, QChar(0x0301))) << 4
            << QString(QStringLiteral("e") + QString(3, QChar(0x0301)));
        QTest::newRow("emoji with marks") << QString(smile + QString(5, QChar(0x0301))) << 3
                                          << QString(smile + QChar(0x0301));
        QTest::newRow("no room for the emoji") << QString(smile + QString(5, QChar(0x0301))) << 1
                                               << QString(QLatin1String(""));
        QTest::newRow("zero") << QStringLiteral("abc") << 0 << QString(QLatin1String(""));
    }

    void leftTextEndsOnACharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, cut);
        const QString result = Convert::leftText(text, limit);
        QCOMPARE(result, cut);
        QVERIFY(result.size() <= limit);
        QVERIFY(result.isEmpty() || !result.back().isHighSurrogate());
        QVERIFY(Convert::leftText(QString(), 5).isNull());
    }

    void indexTokens()
    {
        QVERIFY(Convert::isIndexToken(QStringLiteral("XIndex:3")));
        QVERIFY(!Convert::isIndexToken(QStringLiteral("xindex3")) && !Convert::isIndexToken(QStringLiteral("index:3")));
        QCOMPARE(Convert::indexOfToken(QStringLiteral("xindex:12")), 12);
        QCOMPARE(Convert::indexOfToken(QStringLiteral("xindex:")), 0);
        QCOMPARE(Convert::indexOfToken(QStringLiteral("xindex:a")), 0);
        QCOMPARE(Convert::indexOfToken(QStringLiteral("xindex")), 0);
        QCOMPARE(Convert::indexOfToken(QStringLiteral("a:5:6")), 0);
    }

    // Dates are "y.m.d", date-times "y.m.d.h.m.s", each a real day and time.
    void dates()
    {
        const struct { const char* text; bool date; bool dateTime; } cases[] = {
            {"2012.2.28", true, false},           {"2012.2.29", true, false},
            {"2012.2.30", false, false},          {"2012-02-28", false, false},
            {"2012.2", false, false},             {"2012", false, false},
            {"2012..1", false, false},            {"", false, false},
            {"2012.2.28.23.59.59", false, true},  {"2012.2.28.24.0.0", false, false},
            {"2012.2.28.10.0", false, false},     {"2012.13.1.10.0.0", false, false},
            {"a.b.c.d.e.f", false, false},
        };
        for (const auto& c : cases) {
            const QString text = QString::fromLatin1(c.text);
            QVERIFY2(Convert::isDate(text) == c.date && Convert::toDate(text).isValid() == c.date, c.text);
            QVERIFY2(Convert::isDateTime(text) == c.dateTime && Convert::toDateTime(text).isValid() == c.dateTime,
                     c.text);
        }
        // Read as local time, to the second.
        QCOMPARE(Convert::toDate(QStringLiteral("2012.2.28")), QDate(2012, 2, 28));
        QCOMPARE(Convert::toDateTime(QStringLiteral("2012.03.04.10.11.12")),
                 QDateTime(QDate(2012, 3, 4), QTime(10, 11, 12), Qt::LocalTime));
    }

    // One splitter for versions and dates (empty parts kept, so refused) and
    // for the exchange files' dates (empty parts passed over).
    void splitInts_data()
    {
        addColumns<QString, int>("text", "count");
        QTest::addColumn<QString>("kept");    // the parts, or "-" when refused
        QTest::addColumn<QString>("skipped"); // likewise, empty parts skipped
        QTest::newRow("plain") << "2012.3.4" << 3 << "2012 3 4" << "2012 3 4";
        QTest::newRow("negative") << "-1.0.-2" << 3 << "-1 0 -2" << "-1 0 -2";
        QTest::newRow("empty middle") << "2012..3.4" << 3 << "-" << "2012 3 4";
        QTest::newRow("empty ends") << ".2012.3.4." << 3 << "-" << "2012 3 4";
        QTest::newRow("only empties") << ".." << 3 << "-" << "-";
        QTest::newRow("empty") << "" << 3 << "-" << "-";
        QTest::newRow("too few") << "2012.3" << 3 << "-" << "-";
        QTest::newRow("too many") << "2012.3.4.5" << 3 << "-" << "-";
        QTest::newRow("letters") << "2012.a.4" << 3 << "-" << "-";
        QTest::newRow("space") << "2012. 3.4" << 3 << "2012 3 4" << "2012 3 4"; // as QString::toInt
        QTest::newRow("overflow") << "2012.3.99999999999" << 3 << "-" << "-";
        QTest::newRow("six") << "2012.03.04.05.06.07" << 6 << "2012 3 4 5 6 7" << "2012 3 4 5 6 7";
    }
    void splitInts()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(QString, kept);
        QFETCH(QString, skipped);
        for (const auto& [behavior, expected] : {std::make_pair(Qt::KeepEmptyParts, kept),
                                                 std::make_pair(Qt::SkipEmptyParts, skipped)}) {
            int parts[6] = {};
            QString got = QStringLiteral("-");
            if (Convert::splitInts(text, count, parts, behavior)) {
                QStringList numbers;
                for (int i = 0; i < count; ++i)
                    numbers << QString::number(parts[i]);
                got = numbers.join(QLatin1Char(' '));
            }
            QCOMPARE(got, expected);
        }
    }

    void colourIds()
    {
        for (int n = 1; n < 127500; ++n) {
            if (Convert::colorToId(Convert::idToColor(n)) != n)
                QFAIL(qPrintable(QString::number(n)));
        }
        QCOMPARE(Convert::colorToId(Convert::idToColor(127500)), -1);
        QCOMPARE(Convert::idToColor(0), QColor(Qt::white));
        QCOMPARE(Convert::colorToId(Convert::idToColor(-3)), -1);
        // Far beyond the range the colour stays valid and still reads back as -1.
        QVERIFY(Convert::idToColor(2000000000).isValid());
        QCOMPARE(Convert::colorToId(Convert::idToColor(2000000000)), -1);
        QCOMPARE(Convert::colorToId(QColor()), -1);
    }

    void imageBytes()
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(QColor(10, 20, 30));
        const QByteArray bytes = Convert::pixmapToBytes(pixmap);
        QVERIFY(bytes.startsWith("\x89PNG"));
        const QPixmap back = Convert::bytesToPixmap(bytes);
        QCOMPARE(back.size(), QSize(16, 16));
        QCOMPARE(back.toImage().pixelColor(5, 5), QColor(10, 20, 30));
        QVERIFY(Convert::bytesToPixmap(QByteArray("not an image")).isNull());
        QVERIFY(Convert::bytesToPixmap(bytes.left(20)).isNull());
        QCOMPARE(Convert::bytesToImage(Convert::imageToBytes(pixmap.toImage())).pixelColor(1, 1), QColor(10, 20, 30));
        QVERIFY(Convert::bytesToImage(QByteArray()).isNull());
    }

    void uniformOverBuckets_data()
    {
        addColumns<int, int>("n", "buckets");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("7") << 7 << 7;
        QTest::newRow("100") << 100 << 10;
        QTest::newRow("10000") << 10000 << 10;
        QTest::newRow("10001") << 10001 << 10;
        QTest::newRow("50000") << 50000 << 10;
        QTest::newRow("int max") << 2147483647 << 10;
    }

    void uniformOverBuckets()
    {
        QFETCH(int, n);
        QFETCH(int, buckets);
        const int draws = 20000 * buckets;
        Random random;
        QVector<int> counts(buckets);
        QSet<int> seen;
        for (int i = 0; i < draws; ++i) {
            const int value = random.next(n);
            QVERIFY(value >= 0 && value < n);
            ++counts[int(qint64(value) * buckets / n)];
            if (seen.size() < 1000)
                seen.insert(value);
        }
        // Each bucket expects 20000 draws (sd about 140).
        for (int count : counts)
            QVERIFY2(count > 18000 && count < 22000, qPrintable(QString::number(count)));
        QCOMPARE(seen.size(), qMin(n, 1000));
        // No range at all gives 0.
        QCOMPARE(random.next(0), 0);
        QCOMPARE(random.next(-5), 0);
    }

    void instancesAreIndependent()
    {
        // Made back to back, several instances still give different sequences.
        QSet<QVector<int>> sequences;
        for (int k = 0; k < 5; ++k) {
            Random random;
            QVector<int> sequence;
            for (int i = 0; i < 8; ++i)
                sequence << random.next(1000000);
            sequences.insert(sequence);
        }
        QCOMPARE(sequences.size(), 5);

        // Making a new instance does not restart a live one.
        Random first;
        QVector<int> a;
        for (int i = 0; i < 8; ++i) {
            Random interloper;
            a << first.next(1000000) << interloper.next(1000000);
        }
        QVERIFY(QSet<int>(a.begin(), a.end()).size() > 12);
    }
};

TESVAR_TEST(ValueClassesTest)
#include "ValueClassesTest.moc"
