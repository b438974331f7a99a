#include "LocalZone.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/ProcessSetup.h"

#include <QDateTime>
#include <QTest>


namespace {

// The local clock's offsets from UTC in mid-January and mid-July 2024 (both
// sides of a summer time), in seconds.
QString localOffsets()
{
    const QDateTime winter = QDateTime::fromSecsSinceEpoch(1705320000, Qt::LocalTime);
    const QDateTime summer = QDateTime::fromSecsSinceEpoch(1721044800, Qt::LocalTime);
    return QStringLiteral("%1 %2").arg(winter.offsetFromUtc()).arg(summer.offsetFromUtc());
}

} // namespace

// The program pins the local time zone once at start: a process without TZ
// is given the system's zone file by name, and a zone the user chose (TZ set,
// even empty) stays the one in use.
class ProcessSetupTest : public QObject
{
    Q_OBJECT
private slots:
    void userZoneIsKept_data()
    {
        addColumns<bool, QByteArray, QByteArray>("isSet", "zone", "after");
        QTest::newRow("no TZ: the system's zone file") << false << QByteArray() << QByteArray(":/etc/localtime");
        QTest::newRow("user's zone") << true << QByteArray("Europe/Berlin") << QByteArray("Europe/Berlin");
        QTest::newRow("user's zone west of UTC") << true << QByteArray("America/New_York")
                                                 << QByteArray("America/New_York");
        QTest::newRow("user's zone file") << true << QByteArray(":Asia/Tokyo") << QByteArray(":Asia/Tokyo");
        QTest::newRow("empty TZ (UTC)") << true << QByteArray("") << QByteArray("");
    }
    void userZoneIsKept()
    {
        QFETCH(bool, isSet);
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, after);
        LocalZone user(isSet ? zone.constData() : nullptr);
        const QString offsets = localOffsets();
        Vexal::prepareProcess();
        QVERIFY(qEnvironmentVariableIsSet("TZ"));
        QCOMPARE(qgetenv("TZ"), after);
        // The clock reads as before: the zone in use is still the user's.
        QCOMPARE(localOffsets(), offsets);
    }
};

TESVAR_TEST(ProcessSetupTest)
#include "ProcessSetupTest.moc"
