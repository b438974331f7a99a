#include "TestRunner.h"

#include "core/UtilSignalManager.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using Vexal::UtilSignalManager;

class UtilSignalManagerTest : public QObject
{
    Q_OBJECT
private slots:

    void workerEmitIsQueued()
    {
        UtilSignalManager* hub = UtilSignalManager::instance();
        QString received;
        QObject receiver;
        connect(hub, &UtilSignalManager::onError, &receiver,
                [&received](const QString& message) { received = message; });
        QThread* worker = QThread::create([hub] { hub->emitError(QStringLiteral("from worker")); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(received.isEmpty());
        QTRY_COMPARE(received, QStringLiteral("from worker"));
    }
};

TESVAR_TEST(UtilSignalManagerTest)
#include "UtilSignalManagerTest.moc"
