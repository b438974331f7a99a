#include "TestRunner.h"

#include "shell/Notification.h"

#include <QSet>
#include <QThread>
#include <QVector>
#include <QtTest>

#include <memory>
#include <vector>

using namespace Vexal;

class NotificationTest : public QObject
{
    Q_OBJECT

private slots:
    void keysAreNeverGivenTwice()
    {
        Notification* store = Notification::instance();
        const int first = store->add(QStringLiteral("a"));
        const int second = store->add(QStringLiteral("b"));
        const int third = store->add(QStringLiteral("c"));
        QCOMPARE(second, first + 1);
        QCOMPARE(third, second + 1);

        // Removing the newest or an older notice frees no key.
        store->remove(third);
        const int fourth = store->add(QStringLiteral("d"));
        QCOMPARE(fourth, third + 1);
        store->remove(first);
        const int held = store->count();
        store->remove(first);
        store->remove(-5);
        QCOMPARE(store->count(), held);
        const int fifth = store->add(QStringLiteral("e"));
        QCOMPARE(fifth, fourth + 1);

        const QMap<int, QString> notices = store->notices();
        QCOMPARE(notices.value(second), QStringLiteral("b"));
        QCOMPARE(notices.value(fourth), QStringLiteral("d"));
        QCOMPARE(notices.value(fifth), QStringLiteral("e"));
        QVERIFY(!notices.contains(first));
        QVERIFY(!notices.contains(third));
        for (int key : {second, fourth, fifth})
            store->remove(key);
    }

    void addsFromSeveralThreads()
    {
        Notification* store = Notification::instance();
        const int before = store->count();
        const int threadCount = 4;
        const int perThread = 300;
        std::vector<std::vector<int>> keys(threadCount);
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < threadCount; ++t) {
            threads.emplace_back(QThread::create([store, &keys, t]() {
                for (int i = 0; i < perThread; ++i) {
                    const int key = store->add(QStringLiteral("%1/%2").arg(t).arg(i));
                    keys[t].push_back(key);
                    // The console removes on the GUI thread while the server adds.
                    if (i % 3 == 0)
                        store->remove(key);
                }
            }));
            threads.back()->start();
        }
        for (auto& thread : threads)
            QVERIFY(thread->wait(30000));

        QSet<int> distinct;
        for (const std::vector<int>& list : keys) {
            for (int key : list)
                distinct.insert(key);
        }
        QCOMPARE(distinct.size(), threadCount * perThread);
        const QMap<int, QString> notices = store->notices();
        QCOMPARE(store->count(), before + threadCount * (perThread - perThread / 3));
        for (int t = 0; t < threadCount; ++t) {
            for (int i = 0; i < perThread; ++i) {
                const int key = keys[t][i];
                QCOMPARE(notices.contains(key), i % 3 != 0);
                if (i % 3 != 0)
                    QCOMPARE(notices.value(key), QStringLiteral("%1/%2").arg(t).arg(i));
                store->remove(key);
            }
        }
        QCOMPARE(store->count(), before);
    }
};

TESVAR_TEST(NotificationTest)
#include "NotificationTest.moc"
