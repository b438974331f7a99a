#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBConnection.h"
#include "data/DBManager.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "core/DBSql.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

using Vexal::DBManager;
using Vexal::DBProject;
using Vexal::DBProjectList;

namespace {

// Removes the default connection that DBManager opens, at scope end.
struct DefaultConnectionGuard {
    ~DefaultConnectionGuard()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
            db.close();
        }
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
        Vexal::DBConnection::defaultConnectionChanged();
    }
};

QStringList logLines()
{
    QFile file(Vexal::ConstApp::logFile());
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The message part of a critical line of the given action.
QStringList criticalMessages(const QString& action)
{
    QStringList messages;
    const QString marker = QStringLiteral(" Vexal::DBManager.%1 - ").arg(action);
    for (const QString& line : logLines()) {
        const int at = line.indexOf(marker);
        if (line.startsWith(QLatin1String("CRITICAL ")) && at > 0)
            messages << line.mid(at + marker.size());
    }
    return messages;
}

int activeCount()
{
    return TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Active = 1;")).toInt();
}

} // namespace

class ProjectTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Vexal::Logger::resetForTests(); }
    void cleanup() { Vexal::Logger::resetForTests(); }

    // The list of active projects hands out the first one, or else a default
    // project that it does not save; the start-up check stores that default
    // (and logs the want of it) only when no project is active.
    void defaultProjectOnlyWithoutAnActiveOne_data()
    {
        QTest::addColumn<int>("inactive");
        QTest::addColumn<int>("active");
        QTest::newRow("empty table") << 0 << 0;
        QTest::newRow("only inactive projects") << 2 << 0;
        QTest::newRow("one active") << 2 << 1;
        QTest::newRow("two active") << 1 << 2;
    }

    void defaultProjectOnlyWithoutAnActiveOne()
    {
        QFETCH(int, inactive);
        QFETCH(int, active);
        TestDatabase db;
        ScriptedPrompt prompt;
        for (int i = 0; i < active + inactive; ++i)
            QVERIFY(TestDatabase::exec(
                QStringLiteral("INSERT INTO Project (Name, Active) VALUES ('P%1', %2);").arg(i).arg(int(i < active))));
        DBProjectList list(true);
        QVERIFY(list.load());
        QCOMPARE(list.count(), active);
        DBProject* current = list.ensureDefault();
        QVERIFY(current);
        if (active == 0) {
            QCOMPARE(list.count(), 1);
            QCOMPARE(current->name(), QStringLiteral("Default"));
            QCOMPARE(current->url(), Vexal::ConstApp::homeUrl());
            QVERIFY(!current->isActive());
            QCOMPARE(current->id(), -1);
            QCOMPARE(current->parent(), &list);
            QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), inactive); // not saved
        } else {
            QCOMPARE(current, list.at(0));
            QCOMPARE(current->name(), QStringLiteral("P0"));
        }

        DBManager manager;
        QVERIFY(manager.checkProject());
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(criticalMessages(QStringLiteral("Check Project")),
                 active ? QStringList() : QStringList({"An active project is missing."}));
        QCOMPARE(activeCount(), active ? active : 1);
        QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), inactive + (active ? active : 1));
        DBProjectList stored(true);
        QVERIFY(stored.load());
        if (active == 0) {
            QCOMPARE(stored.at(0)->name(), QStringLiteral("Default"));
            QCOMPARE(stored.at(0)->url(), Vexal::ConstApp::homeUrl());
            QVERIFY(stored.at(0)->comments().isEmpty());
        }
    }

    // A look-up that fails is a failed start-up, never "no project": nothing
    // is inserted. The first case fails at run time although an insert
    // would work (a view over the projects with a trigger for inserts).
    void failedLookUpInsertsNothing_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("error");
        QTest::newRow("look-up fails, insert would work")
            << QStringList{QStringLiteral("ALTER TABLE Project RENAME TO Stored;"),
                           QStringLiteral("CREATE VIEW Project AS SELECT ID, Name, Comments, Active, URL FROM Stored "
                                          "WHERE abs(-9223372036854775807 - 1) > 0;"),
                           QStringLiteral("CREATE TRIGGER ProjectInsert INSTEAD OF INSERT ON Project BEGIN "
                                          "INSERT INTO Stored (Name, Comments, Active, URL) "
                                          "VALUES (NEW.Name, NEW.Comments, NEW.Active, NEW.URL); END;")}
            << QStringLiteral("integer overflow");
        QTest::newRow("another program's database")
            << QStringList{QStringLiteral("DROP TABLE Project;")} << QStringLiteral("no such table: Project");
    }

    void failedLookUpInsertsNothing()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, error);
        TestDatabase db;
        for (const QString& statement : setup)
            QVERIFY(TestDatabase::exec(statement));
        const int objects = TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master;")).toInt();
        ScriptedPrompt prompt;
        DBManager manager;
        QVERIFY(!manager.checkProject());
        const QStringList messages = criticalMessages(QStringLiteral("Check Project"));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.at(0).contains(error), qPrintable(messages.at(0)));
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Critical);
        QCOMPARE(prompt.messages.at(0).title, Vexal::ConstApp::title());
        QCOMPARE(prompt.messages.at(0).text,
                 QStringLiteral("Failed to load and active project. See log.txt for more details."));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master;")).toInt(), objects);
        if (setup.size() > 1)
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("Stored")), 0);
    }

    // A missing file is made, and so is what a start cut short leaves (a file
    // without a single table, even one of zero bytes); a file with any table
    // of its own is opened as it is, also at the next start.
    void fileWithoutTablesIsMadeAnew_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("madeAnew");
        QTest::newRow("no file") << false << QString() << true;
        QTest::newRow("zero bytes") << true << QString() << true;
        QTest::newRow("database without tables") << true << QStringLiteral("PRAGMA user_version = 7;") << true;
        QTest::newRow("one table of another program") << true << QStringLiteral("CREATE TABLE Other (ID INTEGER);")
                                                       << false;
    }

    void fileWithoutTablesIsMadeAnew()
    {
        QFETCH(bool, exists);
        QFETCH(QString, script);
        QFETCH(bool, madeAnew);
        TestFolder folder;
        DefaultConnectionGuard guard;
        ScriptedPrompt prompt;
        if (exists) {
            QFile empty(Vexal::ConstApp::databaseFile());
            QVERIFY(empty.open(QIODevice::WriteOnly));
        }
        if (!script.isEmpty()) {
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                other.setDatabaseName(Vexal::ConstApp::databaseFile());
                QVERIFY(other.open());
                QVERIFY(QSqlQuery(other).exec(script));
                other.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        }
        DBManager manager;
        QVERIFY(manager.setupConnection());
        QVERIFY(prompt.messages.isEmpty());
        const QStringList tables = QSqlDatabase::database().tables(QSql::Tables);
        if (madeAnew) {
            QCOMPARE(tables.size(), TestDatabase::schemaCount(QStringLiteral("TABLE")));
            QCOMPARE(QSqlDatabase::database().tables(QSql::Views).size(),
                     TestDatabase::schemaCount(QStringLiteral("VIEW")));
            QVERIFY(manager.checkProject());
            QCOMPARE(activeCount(), 1);
            QVERIFY(TestDatabase::exec(QStringLiteral("CREATE TABLE Extra (ID INTEGER);")));
            QVERIFY(manager.setupConnection());
            QCOMPARE(QSqlDatabase::database().tables(QSql::Tables).size(), tables.size() + 1);
            QVERIFY(manager.checkProject());
            QCOMPARE(TestDatabase::rowCount(Vexal::DBSql::tableProject()), 1);
        } else {
            QCOMPARE(tables, QStringList{QStringLiteral("Other")});
        }
        // Nothing of the build is left beside the database.
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.new*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void setupConnectionFailure()
    {
        TestFolder folder;
        DefaultConnectionGuard guard;
        ScriptedPrompt prompt;
        QVERIFY(QDir().mkdir(Vexal::ConstApp::databaseFile())); // a folder cannot be opened as a database
        DBManager manager;
        QVERIFY(!manager.setupConnection());
        const QStringList messages = criticalMessages(QStringLiteral("Setup Connection"));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages.at(0), QStringLiteral("Database connection failure."));
        QVERIFY(messages.at(1).startsWith(QStringLiteral("Database Error: ")));
        QVERIFY(messages.at(1).size() > QStringLiteral("Database Error: ").size());
        QCOMPARE(messages.at(2), QStringLiteral("Database File: %1").arg(Vexal::ConstApp::databaseFile()));
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).text,
                 QStringLiteral("The application failed to load a database. See log.txt for more details."));
        QCOMPARE(prompt.messages.at(0).title, Vexal::ConstApp::title());
    }
};

TESVAR_TEST(ProjectTest)
#include "ProjectTest.moc"
