#include "TestRunner.h"

#include "FakePage.h"
#include "core/Init.h"
#include "shell/BaseTabObject.h"

#include <QPointer>
#include <QtTest>

using namespace Vexal;

class BaseTabTest : public QObject
{
    Q_OBJECT

private slots:
    void baseCannotLockOrBecomeNinja()
    {
        struct PlainPage : QWidget, BaseTab {
        } page;
        BaseTab& tab = page;
        tab.setLocked(true);
        tab.setNinja(true);
        QVERIFY(!tab.isLocked());
        QVERIFY(!tab.isNinja());
    }

    void setInitAdoptsAndReplaces()
    {
        FakePage page;
        BaseTab& tab = page;

        QPointer<Init> first = tab.init();
        tab.setInit(nullptr);
        QVERIFY(first.isNull());
        QPointer<Init> fresh = tab.init();
        QVERIFY(fresh);
        QCOMPARE(fresh->id(), -1);

        // Handing in the Init already held changes nothing.
        tab.setInit(fresh);
        QVERIFY(fresh);
        QCOMPARE(tab.init(), fresh.data());

        QObject owner;
        QPointer<Init> given = new Init(7, &owner);
        tab.setInit(given);
        QVERIFY(fresh.isNull());
        QCOMPARE(tab.init(), given.data());
        QCOMPARE(given->parent(), static_cast<QObject*>(&page));
        QCOMPARE(tab.init()->id(), 7);

        // An object that is no Init counts as none; it is not the page's.
        QObject stranger;
        tab.setInit(&stranger);
        QVERIFY(given.isNull());
        QCOMPARE(tab.init()->id(), -1);
        QCOMPARE(stranger.parent(), static_cast<QObject*>(nullptr));
    }

    void deletingPageFreesInitAndCarrier()
    {
        auto* page = new FakePage;
        QPointer<Init> init = page->init();
        QPointer<BaseTabObject> carrier = page->tabObject();
        delete page;
        QVERIFY(init.isNull());
        QVERIFY(carrier.isNull());
    }

};

TESVAR_TEST(BaseTabTest)
#include "BaseTabTest.moc"
