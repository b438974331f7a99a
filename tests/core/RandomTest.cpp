#include "TestRunner.h"

#include "core/Random.h"

#include <QSet>
#include <QTest>
#include <QVector>

using Vexal::Random;

class RandomTest : public QObject
{
    Q_OBJECT
private slots:
    void smallBounds()
    {
        Random random;
        QCOMPARE(random.next(0), 0);
        QCOMPARE(random.next(-5), 0);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(random.next(1), 0);
    }

    void uniformOverBuckets_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("buckets");
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

TESVAR_TEST(RandomTest)
#include "RandomTest.moc"
