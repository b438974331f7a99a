#include "TestRunner.h"

#include "ProgramServer.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "data/DBCache.h"
#include "data/DBManager.h"
#include "shell/WidStatusBar.h"
#include "app/WndMain.h"
#include "texts/LocaleMessage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace Vexal;

// The program's start-up as main runs it, up to the event loop and back.
class StartupTest : public QObject
{
    Q_OBJECT

    ProgramServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.startForProgram()); }

    void cleanupTestCase()
    {
        m_server.stopForProgram();
        DBCache::reset();
    }

    void failedStartUpExitsWithOne()
    {
        TestFolder folder;
        QVERIFY(QDir().mkdir(QStringLiteral("TesvarBrowser.db")));
        ScriptedPrompt prompt;
        QCOMPARE(WndMain::run(), 1);
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.first().icon, QMessageBox::Critical);
        QCOMPARE(prompt.messages.first().text, LocaleMessage::databaseLoadFailed());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<WndMain*>(widget));
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    }

    // Up to the event loop: running QApplication::exec here would leave the
    // process's web engine shut down for the tests that follow.
    void freshFolderGetsTheDatabaseAndTheWindow()
    {
        TestFolder folder;
        ScriptedPrompt prompt;
        {
            DBManager manager;
            std::unique_ptr<WndMain> window = WndMain::create(manager);
            QVERIFY(window);
            window->setVisible(true);
            QVERIFY(window->statusBarWidget()->projectLabel()->text().contains(QStringLiteral("Default")));
            QVERIFY(prompt.messages.isEmpty());
            window->slotExit();
            QVERIFY(!window->isVisible());
        }
        QVERIFY(QFileInfo(QStringLiteral("TesvarBrowser.db")).isFile());
        {
            QSqlQuery query(QStringLiteral("SELECT Name, Active FROM Project"));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("Default"));
            QCOMPARE(query.value(1).toInt(), 1);
            QVERIFY(!query.next());
        }
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    }
};

TESVAR_TEST(StartupTest)
#include "StartupTest.moc"
