#include "FreshStateTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBConnection.h"
#include "data/DBManager.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSchema.h"
#include "data/TemporaryFiles.h"
#include "core/DBSql.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
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

// Every schema object of a database with its statement, then the first rows
// of the database browser's list.
QStringList schemaRows(QSqlDatabase db)
{
    QStringList rows;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT type || ' ' || name || ' ' || tbl_name || ': ' || sql FROM sqlite_master "
                              "ORDER BY rowid"));
    while (query.next())
        rows << query.value(0).toString();
    query.exec(QStringLiteral("SELECT Name || '/' || FriendlyName FROM UserTable ORDER BY rowid"));
    while (query.next())
        rows << query.value(0).toString();
    return rows;
}

// The schema rows of a database that the schema script is run into.
QStringList scriptSchemaRows()
{
    QTemporaryDir folder;
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("script"));
        db.setDatabaseName(folder.filePath(QStringLiteral("script.db")));
        if (db.open() && Vexal::DBSchema::create(db))
            rows = schemaRows(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("script"));
    return rows;
}

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

class ProjectTest : public FreshStateTest
{
    Q_OBJECT
private slots:
    // The list of active projects hands out the first one, or else a default
    // project that it does not save; the start-up check stores that default
    // (and logs the want of it) only when no project is active.
    void defaultProjectOnlyWithoutAnActiveOne_data()
    {
        addColumns<int, int>("inactive", "active");
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
        // The project found or made, the first active one, is handed on once.
        const std::unique_ptr<DBProject> found = manager.takeActiveProject();
        QVERIFY(found);
        QCOMPARE(found->name(), active ? QStringLiteral("P0") : QStringLiteral("Default"));
        QVERIFY(found->isActive() && found->id() > 0 && !found->parent());
        QVERIFY(!manager.takeActiveProject());
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
        addColumns<QStringList, QString, bool>("setup", "error", "logWritable");
        QTest::newRow("look-up fails, insert would work")
            << QStringList{QStringLiteral("ALTER TABLE Project RENAME TO Stored;"),
                           QStringLiteral("CREATE VIEW Project AS SELECT * FROM Stored "
                                          "WHERE abs(-9223372036854775807 - 1) > 0;"),
                           QStringLiteral("CREATE TRIGGER ProjectInsert INSTEAD OF INSERT ON Project BEGIN "
                                          "INSERT INTO Stored (Name, Comments, Active, URL) "
                                          "VALUES (NEW.Name, NEW.Comments, NEW.Active, NEW.URL); END;")}
            << QStringLiteral("integer overflow") << true;
        QTest::newRow("another program's database")
            << QStringList{QStringLiteral("DROP TABLE Project;")} << QStringLiteral("no such table: Project") << true;
        // The message cannot point to the log: it says the cause itself.
        QTest::newRow("log.txt cannot be written")
            << QStringList{QStringLiteral("DROP TABLE Project;")} << QStringLiteral("no such table: Project") << false;
    }

    void failedLookUpInsertsNothing()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, error);
        QFETCH(bool, logWritable);
        TestDatabase db;
        for (const QString& statement : setup)
            QVERIFY(TestDatabase::exec(statement));
        const int objects = TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master;")).toInt();
        if (!logWritable) {
            QFile::remove(Vexal::ConstApp::logFile());
            QVERIFY(QDir().mkdir(Vexal::ConstApp::logFile()));
        }
        ScriptedPrompt prompt;
        DBManager manager;
        QVERIFY(!manager.checkProject());
        QVERIFY(!manager.takeActiveProject());
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Critical);
        QCOMPARE(prompt.messages.at(0).title, Vexal::ConstApp::title());
        if (logWritable) {
            const QStringList messages = criticalMessages(QStringLiteral("Check Project"));
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.at(0).contains(error), qPrintable(messages.at(0)));
            QCOMPARE(prompt.messages.at(0).text,
                     QStringLiteral("Failed to load and active project. See log.txt for more details."));
        } else {
            const QString text = prompt.messages.at(0).text;
            QVERIFY2(text.startsWith(QStringLiteral("Failed to load an active project: ")) && text.contains(error),
                     qPrintable(text));
        }
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master;")).toInt(), objects);
        if (setup.size() > 1)
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("Stored")), 0);
    }

    // A missing file is made, and so is what a start cut short leaves (a file
    // without a single table, even one of zero bytes); a file with any table
    // of its own is opened as it is, also at the next start; a file that is
    // not a database is refused and left as it is.
    void fileWithoutTablesIsMadeAnew_data()
    {
        addColumns<QByteArray, QString, QString>("bytes", "script", "outcome");
        const QByteArray note = QByteArray("A note of the user's, not a database.\n").repeated(200);
        QByteArray torn("SQLite format 3");
        torn.append('\0');
        torn.append(QByteArray(4080, '\x5a'));
        QTest::newRow("no file") << QByteArray() << QString() << "made";
        QTest::newRow("zero bytes") << QByteArray("") << QString() << "made";
        QTest::newRow("database without tables")
            << QByteArray("") << QStringLiteral("PRAGMA user_version = 7;") << "made";
        QTest::newRow("one table of another program")
            << QByteArray("") << QStringLiteral("CREATE TABLE Other (ID INTEGER);") << "kept";
        QTest::newRow("a text file") << note << QString() << "refused";
        QTest::newRow("a database's header over garbage") << torn << QString() << "refused";
    }

    void fileWithoutTablesIsMadeAnew()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        TestFolder folder;
        DefaultConnectionGuard guard;
        ScriptedPrompt prompt;
        const QString path = Vexal::ConstApp::databaseFile();
        if (!bytes.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), qint64(bytes.size()));
        }
        if (!script.isEmpty()) {
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                other.setDatabaseName(path);
                QVERIFY(other.open());
                QVERIFY(QSqlQuery(other).exec(script));
                other.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        }
        DBManager manager;
        if (outcome == QLatin1String("refused")) {
            QVERIFY(!manager.setupConnection());
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(criticalMessages(QStringLiteral("Setup Connection")).size(), 3);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
        } else {
            QVERIFY(manager.setupConnection());
            QVERIFY(prompt.messages.isEmpty());
        }
        const QStringList tables = QSqlDatabase::database().tables(QSql::Tables);
        if (outcome == QLatin1String("made")) {
            // Exactly what the script makes, however the file was made.
            QCOMPARE(schemaRows(QSqlDatabase::database()), scriptSchemaRows());
            QCOMPARE(TestDatabase::value(QStringLiteral("PRAGMA integrity_check;")).toString(), QStringLiteral("ok"));
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
        } else if (outcome == QLatin1String("kept")) {
            QCOMPARE(QSqlDatabase::database().tables(QSql::Tables), QStringList{QStringLiteral("Other")});
        }
        // Nothing of the build is left beside the database.
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.new*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    // What starts killed while building a new database, and backups killed
    // while copying, left behind goes at any later start once it is stale
    // for its kind, also when the database exists by then; another run's
    // file at work and files not of such a run stay.
    void staleLeftoversGoAtAnyStart()
    {
        TestFolder folder;
        DefaultConnectionGuard guard;
        ScriptedPrompt prompt;
        DBManager manager;
        QVERIFY(manager.setupConnection());
        const QString path = Vexal::ConstApp::databaseFile();
        const QString bku = Vexal::ConstApp::backupFolder();
        const QString killedBackup = QDir(bku).filePath(QStringLiteral("2020_01_31.bku.4242-0badf00d.part"));
        const QStringList stale{
            path + QStringLiteral(".4242-0badf00d.new"), path + QStringLiteral(".4242-0badf00d.new-journal"),
            path + QStringLiteral(".17-12345678.new-wal"), killedBackup, killedBackup + QStringLiteral("-journal")};
        const QStringList kept{path + QStringLiteral(".4343-feedbeef.new"),
                               path + QStringLiteral(".old.new"),
                               path + QStringLiteral(".4242-0badf00d.new.keep"),
                               folder.file(QStringLiteral("Other.db.4242-0badf00d.new")),
                               QDir(bku).filePath(QStringLiteral("2020_02_01.bku.4343-feedbeef.part")),
                               QDir(bku).filePath(QStringLiteral("notes.bku.4242-0badf00d.part"))};
        // Each untouched for longer than its kind allows, but the first kept
        // of each kind: a build at work, and a copy untouched for less than
        // a backup allows.
        const QDateTime longAgo =
            QDateTime::currentDateTime().addSecs(-Vexal::TemporaryFiles::backupCopy.staleSeconds - 5);
        const QDateTime lately =
            QDateTime::currentDateTime().addSecs(-Vexal::TemporaryFiles::newDatabase.staleSeconds - 5);
        for (const QString& file : stale + kept) {
            QFile made(file);
            QVERIFY(made.open(QIODevice::WriteOnly));
            QCOMPARE(made.write("torn"), qint64(4));
            QVERIFY(made.flush());
            if (file != kept.first())
                QVERIFY(made.setFileTime(file == kept.at(4) ? lately : longAgo, QFileDevice::FileModificationTime));
        }
        QVERIFY(manager.setupConnection());
        QVERIFY(manager.checkProject());
        for (const QString& file : stale)
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        for (const QString& file : kept)
            QVERIFY2(QFile::exists(file), qPrintable(file));
    }

    // A database that cannot be opened: three log lines, then the message,
    // which points to them; where log.txt cannot be written (a folder holds
    // its name) the message says the cause itself.
    void setupConnectionFailure_data() { addBoolRows("logWritable", "log.txt cannot be written", "log.txt written"); }

    void setupConnectionFailure()
    {
        QFETCH(bool, logWritable);
        TestFolder folder;
        DefaultConnectionGuard guard;
        ScriptedPrompt prompt;
        QVERIFY(QDir().mkdir(Vexal::ConstApp::databaseFile())); // a folder cannot be opened as a database
        if (!logWritable)
            QVERIFY(QDir().mkdir(Vexal::ConstApp::logFile()));
        DBManager manager;
        QVERIFY(!manager.setupConnection());
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).title, Vexal::ConstApp::title());
        if (!logWritable) {
            const QString text = prompt.messages.at(0).text;
            QVERIFY2(text.startsWith(QStringLiteral("The application failed to load a database: "))
                         && text.contains(QStringLiteral("Database File: %1").arg(Vexal::ConstApp::databaseFile()))
                         && !text.contains(QLatin1String("log.txt")),
                     qPrintable(text));
            return;
        }
        const QStringList messages = criticalMessages(QStringLiteral("Setup Connection"));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages.at(0), QStringLiteral("Database connection failure."));
        QVERIFY(messages.at(1).startsWith(QStringLiteral("Database Error: ")));
        QVERIFY(messages.at(1).size() > QStringLiteral("Database Error: ").size());
        QCOMPARE(messages.at(2), QStringLiteral("Database File: %1").arg(Vexal::ConstApp::databaseFile()));
        // The box names the error the log holds, and the log for more.
        QCOMPARE(prompt.messages.at(0).text,
                 QStringLiteral("The application failed to load a database: %1\nSee log.txt for more details.")
                     .arg(messages.at(1).mid(QStringLiteral("Database Error: ").size())));
    }
};

TESVAR_TEST(ProjectTest)
#include "ProjectTest.moc"
