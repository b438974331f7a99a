#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBConnection.h"
#include "exchange/ThreadDBBackup.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace Vexal;

// A database the program made is in write-ahead-log mode: its latest commits
// may still be in the log beside the file, and the day's backup must hold
// them all the same.
class BackupWriteAheadLogTest : public QObject
{
    Q_OBJECT
private slots:
    void backupHoldsCommitsStillInTheLog()
    {
        TestDatabase db;
        QVERIFY(DBConnection::useWriteAheadLog(db.database()));
        // Nothing moves to the file by itself.
        QVERIFY(TestDatabase::exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0;")));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (1, 'Latest');")));

        ThreadDBBackup backup;
        QVERIFY(runJob(backup));
        QVERIFY2(backup.isSuccessful(), qPrintable(backup.errorText()));

        const QString copyPath = ThreadDBBackup::targetPath(db.file(QStringLiteral("bku")), QDate::currentDate());
        QString name;
        {
            QSqlDatabase copy = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
            copy.setDatabaseName(copyPath);
            QVERIFY(copy.open());
            QSqlQuery query(QStringLiteral("SELECT Name FROM Project;"), copy);
            if (query.next())
                name = query.value(0).toString();
            copy.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));
        QCOMPARE(name, QStringLiteral("Latest"));
    }
};

TESVAR_TEST(BackupWriteAheadLogTest)
#include "BackupWriteAheadLogTest.moc"
