#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBGUI.h"
#include "data/DBGUIList.h"
#include "data/DBSettings.h"
#include "data/DBSettingsList.h"
#include "core/DBSql.h"

#include <QTest>

using namespace Vexal;

class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        DBSettings settings;
        QVERIFY(settings.lastFolder().isEmpty());
        QCOMPARE(settings.id(), -1);
        for (int mode : {settings.articleTitle(), settings.articleIntro(), settings.articleBody(),
                         settings.spinnerTitle(), settings.spinnerIntro(), settings.spinnerBody()})
            QCOMPARE(mode, 2);
        QVERIFY(settings.displayName().isEmpty());
        settings.setLastFolder(QString(1500, QLatin1Char('f')));
        QCOMPARE(settings.lastFolder().size(), DBSettings::lastFolderLimit);

        DBGUI gui;
        QVERIFY(gui.menuBar());
        QVERIFY(gui.statusBar());
        QVERIFY(gui.maximized());
        QCOMPARE(gui.x(), 100);
        QCOMPARE(gui.y(), 500);
        QCOMPARE(gui.width(), 600);
        QCOMPARE(gui.height(), 300);
        QCOMPARE(gui.webSearch(), 2);
    }

    // An empty table hands out an unsaved default row; saveAll inserts it and
    // every column comes back on the next load.
    void settingsRowLifeCycle()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const QString deepFolder = QStringLiteral("/home/user/") + QString(300, QLatin1Char('d'));
        {
            DBSettingsList list;
            QVERIFY(list.load());
            DBSettings* settings = list.firstOrCreate();
            QVERIFY(settings);
            QCOMPARE(list.count(), 1);
            QCOMPARE(settings->id(), -1);
            QCOMPARE(DBStateProbe::state(settings), int(DBBase::StateNew));
            QCOMPARE(list.findById(-1), settings);
            QVERIFY(!list.findById(7));
            QCOMPARE(TestDatabase::rowCount(DBSql::tableSettings()), 0);

            settings->setLastFolder(deepFolder);
            settings->setArticleTitle(4);
            settings->setArticleIntro(8);
            settings->setArticleBody(3);
            settings->setSpinnerTitle(8);
            settings->setSpinnerIntro(4);
            settings->setSpinnerBody(-1);
            QCOMPARE(DBStateProbe::state(settings), int(DBBase::StateNew));
            QVERIFY2(list.saveAll(), qPrintable(list.errorText()));
            QVERIFY(settings->id() > 0);
        }
        QCOMPARE(TestDatabase::rowCount(DBSql::tableSettings()), 1);

        DBSettingsList list;
        QVERIFY(list.load());
        DBSettings* settings = list.firstOrCreate();
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.findById(settings->id()), settings);
        QCOMPARE(settings->lastFolder(), deepFolder);
        QCOMPARE(settings->articleTitle(), 4);
        QCOMPARE(settings->articleIntro(), 8);
        QCOMPARE(settings->articleBody(), 3);
        QCOMPARE(settings->spinnerTitle(), 8);
        QCOMPARE(settings->spinnerIntro(), 4);
        QCOMPARE(settings->spinnerBody(), -1);
        QCOMPARE(DBStateProbe::state(settings), int(DBBase::StateClean));
    }

    void firstOrCreateTakesTheFirstOfSeveralRows()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Settings (ID, LastFolder) VALUES (5, '/first'), (9, '/second');")));
        DBSettingsList list;
        QVERIFY(list.load());
        QCOMPARE(list.firstOrCreate()->lastFolder(), QStringLiteral("/first"));
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.findById(9)->lastFolder(), QStringLiteral("/second"));
    }

    void guiRowRoundTrip()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        {
            DBGUIList list;
            QVERIFY(list.load());
            DBGUI* gui = list.firstOrCreate();
            QVERIFY(gui);
            QCOMPARE(list.count(), 1);
            QCOMPARE(gui->id(), -1);
            QCOMPARE(TestDatabase::rowCount(DBSql::tableGUI()), 0);
            gui->setMenuBar(false);
            gui->setStatusBar(true);
            gui->setMaximized(false);
            gui->setX(-40);
            gui->setY(-7);
            gui->setWidth(1024);
            gui->setHeight(768);
            gui->setWebSearch(16);
            QVERIFY2(gui->save(), qPrintable(gui->errorText()));
        }
        QCOMPARE(TestDatabase::rowCount(DBSql::tableGUI()), 1);

        DBGUIList list;
        QVERIFY(list.load());
        DBGUI* gui = list.firstOrCreate();
        QCOMPARE(list.count(), 1);
        QVERIFY(!gui->menuBar());
        QVERIFY(gui->statusBar());
        QVERIFY(!gui->maximized());
        QCOMPARE(gui->x(), -40);
        QCOMPARE(gui->y(), -7);
        QCOMPARE(gui->width(), 1024);
        QCOMPARE(gui->height(), 768);
        QCOMPARE(gui->webSearch(), 16);
    }

    void assignCopiesOwnFieldsOnlyFromTheSameClass()
    {
        DBGUI source;
        source.setName(QStringLiteral("src"));
        source.setX(-3);
        source.setWebSearch(32);
        DBGUI target;
        target.assign(&source);
        QCOMPARE(target.name(), QStringLiteral("src"));
        QCOMPARE(target.x(), -3);
        QCOMPARE(target.webSearch(), 32);

        DBSettings other;
        other.setName(QStringLiteral("settings"));
        DBGUI untouched;
        untouched.assign(&other);
        QCOMPARE(untouched.name(), QStringLiteral("settings"));
        QCOMPARE(untouched.x(), 100);
    }
};

TESVAR_TEST(SettingsTest)
#include "SettingsTest.moc"
