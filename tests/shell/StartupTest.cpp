#include "TestRunner.h"

#include "OldFiles.h"
#include "ProgramServer.h"
#include "ScriptedPrompt.h"
#include "StatementTrace.h"
#include "TestFolder.h"
#include "TestRows.h"
#include "data/DBCache.h"
#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBManager.h"
#include "data/DBSchema.h"
#include "app/WndMain.h"
#include "texts/LocaleMessage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QWebSettings>
#include <QtTest>

#include <memory>

using namespace Vexal;

namespace {

// A row's folder with what a window set up in it: the web engine's icon
// database, which works there on a thread of its own, is closed (its thread
// ended) before the folder goes, whatever the row's outcome; else that thread
// may write in the folder while it is being removed, which leaves it behind.
class WindowFolder
{
public:
    WindowFolder() = default;
    ~WindowFolder() { QWebSettings::setIconDatabasePath(QString()); }
    WindowFolder(const WindowFolder&) = delete;
    WindowFolder& operator=(const WindowFolder&) = delete;

    QString path() const { return m_folder.path(); }

private:
    TestFolder m_folder;
};

} // namespace

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

    // A start that fails ends with exit code 1 and one message that names
    // the cause, with the log for more; the file it found stays as it was.
    void failedStartUpExitsWithOne_data()
    {
        addColumns<QString, QString>("found", "cause");
        QTest::newRow("a folder in its place") << "folder" << "unable to open";
        QTest::newRow("a file of a newer version")
            << "newer"
            << QStringLiteral(" was made by a newer version of the program (its schema is %1, this version knows "
                              "schemas up to %2); it was left as it is.")
                   .arg(DBSchema::version() + 1)
                   .arg(DBSchema::version());
    }

    void failedStartUpExitsWithOne()
    {
        QFETCH(QString, found);
        QFETCH(QString, cause);
        WindowFolder folder;
        const QString path = ConstApp::databaseFile();
        QByteArray bytes;
        if (found == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            {
                DBManager maker;
                QVERIFY(maker.setupConnection());
                QVERIFY(QSqlQuery().exec(QStringLiteral("PRAGMA user_version = %1").arg(DBSchema::version() + 1)));
                QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
            }
            bytes = OldFiles::bytes(path);
            cause = QStringLiteral("the file ") + path + cause;
        }
        ScriptedPrompt prompt;
        // A start that wrongly comes up is told to quit as soon as its
        // window shows: the row fails at once, not at the time limit.
        bool cameUp = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&cameUp] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<WndMain*>(widget) && widget->isVisible() && !cameUp) {
                    cameUp = true;
                    QCoreApplication::quit();
                }
            }
        });
        watch.start(10);
        const int code = WndMain::run();
        watch.stop();
        QVERIFY2(!cameUp, "the start came up");
        QCOMPARE(code, 1);
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.first().icon, QMessageBox::Critical);
        // The error is named, and the log for more.
        const QString text = prompt.messages.first().text;
        QVERIFY2(text.startsWith(QLatin1String("The application failed to load a database: ") + cause)
                     && text.endsWith(QLatin1String("\nSee log.txt for more details.")),
                 qPrintable(text));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<WndMain*>(widget));
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
        if (!bytes.isEmpty())
            QVERIFY(OldFiles::bytes(path) == bytes);
    }

    // The start finds the current project (the active one of the lowest ID)
    // once, for the check and the window together, however many projects
    // there are, and reads no project but that one: a file of 05be2ea
    // (without the index of the active projects, nor a version mark) gets
    // the index first, once. A file whose mark says it has the index, though
    // it was dropped by hand, is read up to that row, no further.
    void activeProjectIsFoundOnce_data()
    {
        addColumns<QList<int>, QString, int, int, QString>("active", "file", "reads", "current", "name");
        QTest::newRow("late in the table") << QList<int>{19990} << "new" << 1 << 19990 << "P19990";
        QTest::newRow("two active") << QList<int>{7000, 15000} << "new" << 1 << 7000 << "P7000";
        QTest::newRow("file of 05be2ea, late") << QList<int>{19990} << "05be2ea" << 1 << 19990 << "P19990";
        QTest::newRow("file of 05be2ea, newest") << QList<int>{projects} << "05be2ea" << 1 << projects
                                                 << QStringLiteral("P%1").arg(projects);
        QTest::newRow("index dropped, late") << QList<int>{19990} << "dropped" << 1 << 19990 << "P19990";
        QTest::newRow("index dropped, first") << QList<int>{1} << "dropped" << 1 << 1 << "P1";
        // Looked for again in the write transaction of the insert.
        QTest::newRow("none active") << QList<int>{} << "new" << 2 << projects + 1 << "Default";
        QTest::newRow("file of 05be2ea, none active") << QList<int>{} << "05be2ea" << 2 << projects + 1 << "Default";
        QTest::newRow("index dropped, none active") << QList<int>{} << "dropped" << 2 << projects + 1 << "Default";
    }

    void activeProjectIsFoundOnce()
    {
        QFETCH(QList<int>, active);
        QFETCH(QString, file);
        QFETCH(int, reads);
        QFETCH(int, current);
        QFETCH(QString, name);
        WindowFolder folder;
        ScriptedPrompt prompt;
        {
            // A file of 05be2ea is made from that build's schema script
            // (no index of the active projects, no version mark), the others
            // new.
            std::unique_ptr<DBManager> maker;
            std::unique_ptr<OldFiles::Connection> old;
            if (file == QLatin1String("05be2ea")) {
                QCOMPARE(OldFiles::make(ConstApp::databaseFile(), file, false), QString());
                old = std::make_unique<OldFiles::Connection>(ConstApp::databaseFile());
            } else {
                maker = std::make_unique<DBManager>();
                QVERIFY(maker->setupConnection());
            }
            QSqlQuery fill(old ? old->db() : QSqlDatabase::database());
            QVERIFY(fill.exec(QStringLiteral("DELETE FROM Project;")));
            QVERIFY(fill.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                             "INSERT INTO Project (ID, Name, Active, URL) "
                                             "SELECT i, 'P' || i, 0, 'http://p' || i || '.example/' FROM n;")
                                  .arg(projects)));
            for (int id : active)
                QVERIFY(fill.exec(QStringLiteral("UPDATE Project SET Active = 1 WHERE ID = %1;").arg(id)));
            if (file == QLatin1String("dropped"))
                QVERIFY(fill.exec(QStringLiteral("DROP INDEX IdxProjectActive;")));
        }
        std::unique_ptr<WndMain> window;
        {
            // The reads of the Project table on the connections the start opens.
            StatementTrace trace(StatementTrace::OpenedMeanwhile, QStringLiteral("^SELECT .* FROM Project\\b"));
            DBManager manager;
            window = WndMain::create(manager);
            QVERIFY(window);
            const StatementTrace::Counts seen = trace.counts();
            QCOMPARE(seen.statements, reads);
            QCOMPARE(seen.rows, qint64(active.isEmpty() ? 0 : 1));
            // A scan steps over each row before the one it stops at, and
            // over every row after the first when it finds none.
            const int before = active.isEmpty() ? reads * (projects - 1) : current - 1;
            QCOMPARE(seen.scanned, qint64(file == QLatin1String("dropped") ? before : 0));
        }
        QVERIFY(prompt.messages.isEmpty());
        // The file brought up to date says so in the log, as in the console.
        QFile log(ConstApp::logFile());
        const QString logged = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        const QString updated = QStringLiteral("was brought up to date to schema %1").arg(DBSchema::version());
        QCOMPARE(logged.count(updated), file == QLatin1String("05be2ea") ? 1 : 0);
        QVERIFY(!Logger::infos().filter(updated).isEmpty() || file != QLatin1String("05be2ea"));
        QCOMPARE(DBCache::projectId(), qint64(current));
        QCOMPARE(DBCache::projectName(), name);
        QSqlQuery schema;
        QVERIFY(schema.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'IdxProjectActive';"))
                && schema.next());
        QCOMPARE(schema.value(0).toInt(), file == QLatin1String("dropped") ? 0 : 1);
        QCOMPARE(DBSchema::fileVersion(QSqlDatabase::database()), DBSchema::version());
        window.reset();
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).close();
    }

private:
    static constexpr int projects = 20000;
};

TESVAR_TEST(StartupTest)
#include "StartupTest.moc"
