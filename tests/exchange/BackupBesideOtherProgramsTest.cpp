#include "ExchangeTestUtil.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBConnection.h"
#include "exchange/ThreadDBBackup.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Vexal;

namespace {

// Runs the sqlite3 tool on a database file as another program would; its
// first line of output.
QString otherProgram(const QString& tool, const QString& path, const QString& statement)
{
    QProcess process;
    process.start(tool, {path, statement});
    if (!process.waitForFinished(30000))
        return QStringLiteral("(no answer)");
    return QString::fromUtf8(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed()
        + QString::fromUtf8(process.readAllStandardError()).trimmed();
}

} // namespace

// The program's database stays whole when another program (a second copy of
// the browser, a database tool, a sync tool) opens it after a backup while
// the program keeps writing: the backup leaves the program's hold on its own
// file as it was.
class BackupBesideOtherProgramsTest : public QObject
{
    Q_OBJECT
private slots:
    void otherProgramAfterBackupLosesNoWrite()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (tool.isEmpty())
            QSKIP("the sqlite3 command-line tool is not installed");
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(DBConnection::useWriteAheadLog(db.database()));
        const QString insert = QStringLiteral("INSERT INTO Project (Name) VALUES ('row %1');");
        int written = 0;
        for (; written < 20; ++written)
            QVERIFY(TestDatabase::exec(insert.arg(written)));

        ThreadDBBackup backup;
        QVERIFY(runJob(backup));
        QVERIFY2(backup.isSuccessful(), qPrintable(backup.errorText()));

        for (int round = 0; round < 3; ++round) {
            QCOMPARE(otherProgram(tool, db.databaseFile(), QStringLiteral("SELECT COUNT(*) FROM Project;")),
                     QString::number(written));
            for (const int end = written + 20; written < end; ++written)
                QVERIFY(TestDatabase::exec(insert.arg(written)));
        }
        QCOMPARE(otherProgram(tool, db.databaseFile(), QStringLiteral("SELECT COUNT(*) FROM Project;")),
                 QString::number(written));
        QCOMPARE(otherProgram(tool, db.databaseFile(), QStringLiteral("PRAGMA integrity_check;")),
                 QStringLiteral("ok"));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Project")), written);
    }
};

TESVAR_TEST(BackupBesideOtherProgramsTest)
#include "BackupBesideOtherProgramsTest.moc"
