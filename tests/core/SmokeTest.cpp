#include "TestRunner.h"

#include <QTest>

class SmokeTest : public QObject
{
    Q_OBJECT
private slots:
    void runs() { QVERIFY(true); }
};

TESVAR_TEST(SmokeTest)
#include "SmokeTest.moc"
