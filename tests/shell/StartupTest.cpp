#include "TestRunner.h"

#include "ProgramServer.h"
#include "ScriptedPrompt.h"
#include "TestFolder.h"
#include "data/DBCache.h"
#include "app/WndMain.h"
#include "texts/LocaleMessage.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
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
        // The error is named, and the log for more.
        const QString text = prompt.messages.first().text;
        QVERIFY2(text.startsWith(QLatin1String("The application failed to load a database: unable to open"))
                     && text.endsWith(QLatin1String("\nSee log.txt for more details.")),
                 qPrintable(text));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<WndMain*>(widget));
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    }
};

TESVAR_TEST(StartupTest)
#include "StartupTest.moc"
