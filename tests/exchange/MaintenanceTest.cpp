#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/DBSql.h"
#include "exchange/ThreadDBBackup.h"
#include "exchange/ThreadDBClean.h"
#include "exchange/ThreadDBReindex.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Vexal;

namespace {

QString todaysBackup(const TestDatabase& db)
{
    return ThreadDBBackup::targetPath(db.file(QStringLiteral("bku")), QDate::currentDate());
}

// The name of the only project in a backup file.
QString projectInBackup(const QString& path)
{
    QString name;
    {
        QSqlDatabase copy = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup-check"));
        copy.setDatabaseName(path);
        if (copy.open()) {
            QSqlQuery query(QStringLiteral("SELECT Name FROM Project;"), copy);
            if (query.next())
                name = query.value(0).toString();
        }
        copy.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("backup-check"));
    return name;
}

bool seed(const QStringList& statements)
{
    for (const QString& statement : statements) {
        if (!TestDatabase::exec(statement))
            return false;
    }
    return true;
}

} // namespace

class MaintenanceTest : public QObject
{
    Q_OBJECT
private slots:
    void backupReplacesTheDaysBackup()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'First');")));
        ThreadDBBackup first;
        QCOMPARE(first.title(), QStringLiteral("Backup Database"));
        QVERIFY(runJob(first));
        QVERIFY2(first.isSuccessful(), qPrintable(first.errorText()));
        QCOMPARE(projectInBackup(todaysBackup(db)), QStringLiteral("First"));

        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'Second';")));
        // What killed backups left behind, today and on an earlier day.
        const QString bku = db.file(QStringLiteral("bku"));
        QVERIFY(writeBytes(ThreadDBBackup::temporaryPath(todaysBackup(db)), "torn copy"));
        QVERIFY(writeBytes(ThreadDBBackup::temporaryPath(ThreadDBBackup::targetPath(bku, QDate(2020, 1, 31))),
                           "torn copy"));
        ThreadDBBackup second;
        QVERIFY(runJob(second));
        QVERIFY(second.isSuccessful());
        QCOMPARE(QDir(db.file(QStringLiteral("bku"))).entryList(QDir::Files),
                 QStringList(QFileInfo(todaysBackup(db)).fileName()));
        QCOMPARE(projectInBackup(todaysBackup(db)), QStringLiteral("Second"));
    }

    void failedBackupKeepsTheEarlierOne()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'Earlier');")));
        ThreadDBBackup first;
        QVERIFY(runJob(first));
        QVERIFY(first.isSuccessful());
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'Later';")));

        // Files may not grow beyond 4 KiB while the job copies.
        rlimit previous {};
        getrlimit(RLIMIT_FSIZE, &previous);
        auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        ThreadDBBackup second;
        const bool finished = runJob(second);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(finished);
        QVERIFY(!second.isSuccessful());
        QVERIFY(!second.errorText().isEmpty());
        QCOMPARE(projectInBackup(todaysBackup(db)), QStringLiteral("Earlier"));
        QCOMPARE(QDir(db.file(QStringLiteral("bku"))).entryList(QDir::Files).size(), 1);
    }

    void backupFolderThatCannotBeMade()
    {
        TestDatabase db;
        QVERIFY(writeBytes(db.file(QStringLiteral("bku")), "a file, not a folder"));
        ThreadDBBackup job;
        QVERIFY(runJob(job));
        QVERIFY(!job.isSuccessful());
        QCOMPARE(job.errorText(), QStringLiteral("Invalid object state. Object: appBackupDir()"));
    }

    void cleanRemovesOrphansInOneRun()
    {
        TestDatabase db;
        QVERIFY(seed({
            QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'Kept');"),
            QStringLiteral("INSERT INTO Website (ID, Name) VALUES (1, 'Site');"),
            QStringLiteral("INSERT INTO Language (ID, Name) VALUES (1, 'English');"),
            // kept: every reference resolves
            QStringLiteral("INSERT INTO Account (ID, ProjectID, WebsiteID) VALUES (1, 1, 1);"),
            QStringLiteral("INSERT INTO Article (ID, ProjectID, CategoryID) VALUES (1, 1, 77);"),
            QStringLiteral("INSERT INTO SpunArticle (ID, ProjectID, ArticleID) VALUES (1, 1, 1);"),
            QStringLiteral("INSERT INTO Word (ID, LanguageID) VALUES (1, 1);"),
            QStringLiteral("INSERT INTO Synonym (ID, WordID) VALUES (1, 1);"),
            QStringLiteral("INSERT INTO LoginTemplate (ID, WebsiteID) VALUES (1, 1);"),
            QStringLiteral("INSERT INTO City (ID, CountryID) VALUES (1, 55);"),
            // orphans: project 2, website 2, language 2 do not exist
            QStringLiteral("INSERT INTO Account (ID, ProjectID, WebsiteID) VALUES (2, 2, 1);"),
            QStringLiteral("INSERT INTO Account (ID, ProjectID, WebsiteID) VALUES (3, 1, 2);"),
            QStringLiteral("INSERT INTO Directory (ID, ProjectID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO SocialBookmark (ID, ProjectID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO Article (ID, ProjectID) VALUES (2, 2);"),
            QStringLiteral("INSERT INTO SpunArticle (ID, ProjectID, ArticleID) VALUES (2, 1, 2);"),
            QStringLiteral("INSERT INTO FirstName (ID, LanguageID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO LastName (ID, LanguageID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO Word (ID, LanguageID) VALUES (2, 2);"),
            QStringLiteral("INSERT INTO Synonym (ID, WordID) VALUES (2, 2);"),
            QStringLiteral("INSERT INTO ArticleTemplate (ID, WebsiteID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO DirectoryTemplate (ID, WebsiteID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO LoginTemplate (ID, WebsiteID) VALUES (2, 2);"),
            QStringLiteral("INSERT INTO RegistrationTemplate (ID, WebsiteID) VALUES (1, 2);"),
            QStringLiteral("INSERT INTO SocialBookmarkTemplate (ID, WebsiteID) VALUES (1, 2);"),
        }));
        ThreadDBClean job;
        QCOMPARE(job.title(), QStringLiteral("Clean Database"));
        QVERIFY(runJob(job));
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
        const QStringList tables = {
            DBSql::tableAccount(), DBSql::tableArticle(), DBSql::tableSpunArticle(), DBSql::tableWord(),
            DBSql::tableSynonym(), DBSql::tableLoginTemplate(), DBSql::tableCity(), DBSql::tableDirectory(),
            DBSql::tableSocialBookmark(), DBSql::tableFirstName(), DBSql::tableLastName(),
            DBSql::tableArticleTemplate(), DBSql::tableDirectoryTemplate(), DBSql::tableRegistrationTemplate(),
            DBSql::tableSocialBookmarkTemplate()};
        QStringList counts;
        for (const QString& table : tables)
            counts << table + QLatin1Char('=') + QString::number(TestDatabase::rowCount(table));
        QCOMPARE(counts.join(QLatin1Char(' ')),
                 QStringLiteral("Account=1 Article=1 SpunArticle=1 Word=1 Synonym=1 LoginTemplate=1 City=1 "
                                "Directory=0 SocialBookmark=0 FirstName=0 LastName=0 ArticleTemplate=0 "
                                "DirectoryTemplate=0 RegistrationTemplate=0 SocialBookmarkTemplate=0"));

        // A second run on the now consistent database deletes nothing.
        ThreadDBClean again;
        QVERIFY(runJob(again));
        QVERIFY(again.isSuccessful());
        QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 1);
    }

    void cleanStopsAtTheFailingStatement()
    {
        TestDatabase db;
        QVERIFY(seed({QStringLiteral("INSERT INTO Account (ID, ProjectID) VALUES (1, 9);"),
                      QStringLiteral("DROP TABLE FirstName;")}));
        ThreadDBClean job;
        QVERIFY(runJob(job));
        QVERIFY(!job.isSuccessful());
        QVERIFY2(job.errorText().startsWith(QStringLiteral("SQL Query failed. Error: \"")), qPrintable(job.errorText()));
        QVERIFY(job.errorText().endsWith(
            QStringLiteral("Query: \"DELETE FROM FirstName WHERE LanguageID not in (SELECT ID from Language);\"")));
        QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 0); // the steps before it stay done
    }

    void reindex()
    {
        TestDatabase db;
        QCOMPARE(ThreadDBReindex::tables().size(), 30);
        QVERIFY(!ThreadDBReindex::tables().contains(DBSql::tableLanguage()));
        ThreadDBReindex job;
        QCOMPARE(job.title(), QStringLiteral("Rebuild Indexes"));
        QVERIFY(runJob(job));
        QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));

        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Rank;")));
        ThreadDBReindex broken;
        QVERIFY(runJob(broken));
        QVERIFY(!broken.isSuccessful());
        QVERIFY(broken.errorText().endsWith(QStringLiteral("Query: \"REINDEX Rank;\"")));
    }
};

TESVAR_TEST(MaintenanceTest)
#include "MaintenanceTest.moc"
