#include "ExchangeTestUtil.h"
#include "FileSizeLimit.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/DBSql.h"
#include "exchange/ThreadDBBackup.h"
#include "exchange/ThreadDBClean.h"
#include "exchange/ThreadDBReindex.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

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
        // What killed backups left behind, today and on an earlier day, with
        // the journal SQLite keeps beside a copy; what a backup of another
        // program at work writes now; and files that are not a backup's.
        const QString bku = db.file(QStringLiteral("bku"));
        const QString killedToday = ThreadDBBackup::temporaryPath(todaysBackup(db));
        const QString killedEarlier =
            ThreadDBBackup::temporaryPath(ThreadDBBackup::targetPath(bku, QDate(2020, 1, 31)));
        const QStringList stale{killedToday, killedToday + QStringLiteral("-journal"), killedEarlier};
        const QString atWork = ThreadDBBackup::temporaryPath(todaysBackup(db));
        const QStringList others{atWork, QDir(bku).filePath(QStringLiteral("notes.bku.1-0000abcd.part")),
                                 QDir(bku).filePath(QStringLiteral("2020_01_30.bku.part.keep"))};
        for (const QString& path : stale + others)
            QVERIFY(writeBytes(path, "torn copy"));
        const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-ThreadDBBackup::staleTemporarySeconds - 5);
        for (const QString& path : stale + others.mid(1)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
        ThreadDBBackup second;
        QVERIFY(runJob(second));
        QVERIFY(second.isSuccessful());
        QStringList kept{QFileInfo(todaysBackup(db)).fileName()};
        for (const QString& path : others)
            kept << QFileInfo(path).fileName();
        kept.sort();
        QCOMPARE(QDir(bku).entryList(QDir::Files, QDir::Name), kept);
        QCOMPARE(projectInBackup(todaysBackup(db)), QStringLiteral("Second"));
    }

    // A backup that fails at any step says why and leaves the day's earlier
    // backup as it was, with nothing of its own beside it: when the copy
    // cannot be written (a file-size limit, as a full disk), when the
    // database cannot be read whole (a damaged page), and when the copy
    // cannot take the day's name (a folder holds it).
    void failedBackupKeepsTheEarlierOne_data()
    {
        addColumns<QString, QString>("failure", "reason");
        QTest::newRow("copy") << QStringLiteral("copy") << QStringLiteral("File too large");
        QTest::newRow("read") << QStringLiteral("read") << QStringLiteral("malformed");
        QTest::newRow("rename") << QStringLiteral("rename") << QStringLiteral("directory");
    }

    void failedBackupKeepsTheEarlierOne()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'Earlier');")));
        const QString target = todaysBackup(db);
        if (failure == QLatin1String("rename")) {
            QVERIFY(QDir().mkpath(target));
            QVERIFY(writeBytes(QDir(target).filePath(QStringLiteral("Earlier")), "kept"));
        } else {
            ThreadDBBackup first;
            QVERIFY(runJob(first));
            QVERIFY(first.isSuccessful());
        }
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'Later';")));
        if (failure == QLatin1String("read")) {
            // Rows over many pages; the last page of the file is one of theirs.
            for (int i = 0; i < 50; ++i)
                QVERIFY(TestDatabase::exec(
                    QStringLiteral("INSERT INTO History (Title) VALUES ('%1');").arg(QString(500, QLatin1Char('x')))));
            const int pageSize = TestDatabase::value(QStringLiteral("PRAGMA page_size;")).toInt();
            QFile file(db.databaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() - pageSize));
            QCOMPARE(file.write(QByteArray(pageSize, char(0xff))), qint64(pageSize));
        }

        bool finished = false;
        ThreadDBBackup second;
        {
            FileSizeLimit limit(failure == QLatin1String("copy") ? 4096 : RLIM_INFINITY);
            QVERIFY(limit.ok());
            finished = runJob(second);
        }
        QVERIFY(finished);
        QVERIFY(!second.isSuccessful());
        QVERIFY2(second.errorText().contains(reason), qPrintable(second.errorText()));
        if (failure == QLatin1String("rename")) {
            QCOMPARE(QDir(target).entryList(QDir::Files), QStringList(QStringLiteral("Earlier")));
            QCOMPARE(QDir(db.file(QStringLiteral("bku"))).entryList(QDir::Files), QStringList());
        } else {
            QCOMPARE(projectInBackup(target), QStringLiteral("Earlier"));
            QCOMPARE(QDir(db.file(QStringLiteral("bku"))).entryList(QDir::Files),
                     QStringList(QFileInfo(target).fileName()));
        }
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
