#include "TestRunner.h"

#include "FakePage.h"
#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "shell/BaseTabObject.h"
#include "texts/ConstIcon.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace Vexal;

class BaseTabTest : public QObject
{
    Q_OBJECT

private slots:
    void freshPageReportsDefaults()
    {
        FakePage page;
        const BaseTab& tab = page;
        QCOMPARE(tab.title(), QStringLiteral("Untitled"));
        QCOMPARE(tab.icon().toImage(), ConstIcon::sysPage(32).toImage());
        QVERIFY(!tab.icon().isNull());
        QVERIFY(tab.toolTip().isEmpty());
        QVERIFY(tab.url().isEmpty());
        QVERIFY(tab.status().isEmpty());
        QVERIFY(tab.selectedText().isEmpty());
        QVERIFY(!tab.isWebPage());
        QVERIFY(!tab.isZoomTextOnly());
        QVERIFY(!tab.isModified());
        QVERIFY(!tab.tabManager());
        QCOMPARE(tab.widget(), static_cast<QWidget*>(&page));

        // The Init and the signal carrier are children of the page widget.
        QVERIFY(tab.init());
        QCOMPARE(tab.init()->id(), -1);
        QCOMPARE(tab.init()->parent(), static_cast<QObject*>(&page));
        QVERIFY(tab.tabObject());
        QCOMPARE(tab.tabObject()->parent(), static_cast<QObject*>(&page));
        QCOMPARE(tab.tabObject(), tab.tabObject());

        FakePage other;
        QVERIFY(tab.id().startsWith(QLatin1Char('{')) && tab.id().endsWith(QLatin1Char('}')));
        QVERIFY(tab.id() != static_cast<const BaseTab&>(other).id());
        QCOMPARE(tab.id(), tab.id());
    }

    void baseCannotLockOrBecomeNinja()
    {
        struct PlainPage : QWidget, BaseTab {
        } page;
        BaseTab& tab = page;
        tab.setLocked(true);
        tab.setNinja(true);
        QVERIFY(!tab.isLocked());
        QVERIFY(!tab.isNinja());
        tab.setZoomTextOnly(true);
        tab.setModified(true);
        QVERIFY(tab.isZoomTextOnly());
        QVERIFY(tab.isModified());
        tab.setModified(false);
        QVERIFY(!tab.isModified());
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

    void commandsOfTheBaseDoNothing()
    {
        struct PlainPage : QWidget, BaseTab {
        } page;
        BaseTab& tab = page;
        UtilSignalManager* hub = UtilSignalManager::instance();
        QSignalSpy errors(hub, &UtilSignalManager::onError);
        QSignalSpy warnings(hub, &UtilSignalManager::onWarning);
        QSignalSpy infos(hub, &UtilSignalManager::onInfo);
        QSignalSpy state(tab.tabObject(), &BaseTabObject::onStateChanged);
        const QString id = tab.id();

        tab.prepare();
        tab.open();
        tab.back();
        tab.forward();
        tab.reload();
        tab.stop();
        tab.save();
        tab.undo();
        tab.redo();
        tab.cut();
        tab.copy();
        tab.paste();
        tab.add();
        tab.edit();
        tab.remove();
        tab.selectAll();
        tab.find(QStringLiteral("x"), true, true);
        tab.findAll(QStringLiteral("x"), false);
        tab.replace(QStringLiteral("x"), QStringLiteral("y"), true, false);
        tab.replaceAll(QStringLiteral("x"), QStringLiteral("y"), true);
        tab.gotoLine(3);
        tab.load(QUrl(QStringLiteral("http://127.0.0.1:1/")));
        tab.zoomIn();
        tab.zoomOut();
        tab.zoomReset();
        tab.aboutToClose();

        QCOMPARE(errors.count() + warnings.count() + infos.count() + state.count(), 0);
        QCOMPARE(tab.id(), id);
        QCOMPARE(tab.title(), QStringLiteral("Untitled"));
        QVERIFY(tab.url().isEmpty());
        QVERIFY(tab.selectedText().isEmpty());
    }
};

TESVAR_TEST(BaseTabTest)
#include "BaseTabTest.moc"
