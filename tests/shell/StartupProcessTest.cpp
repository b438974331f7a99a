#include "TestRows.h"
#include "TestRunner.h"

#include "LoopbackServer.h"
#include "OldFiles.h"
#include "SmallDisk.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "app/WndMain.h"
#include "data/DBSchema.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <grp.h>
#include <memory>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#include <signal.h>

namespace {

const char* const databaseName = "TesvarBrowser.db";

// The bound of every wait below: it only catches a hang, and holds on a
// machine that other busy processes slow down.
constexpr int hangMs = 60000;

// A connection of the test's own to a database file, away from the
// program's default connection, removed at scope end.
class FileConnection
{
public:
    explicit FileConnection(const QString& path, int busyTimeoutMs = 5000)
        : m_name(QStringLiteral("startup-process-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        db.open();
    }
    ~FileConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    // The first column of the first row; invalid on failure.
    QVariant value(const QString& statement) const
    {
        QSqlQuery query(db());
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

private:
    static int s_count;
    QString m_name;
};

int FileConnection::s_count = 0;

// The program started under a file-size limit (as a shell's "ulimit -f"
// sets one), with the signal such a limit raises in its default action.
class LimitedProcess : public QProcess
{
public:
    explicit LimitedProcess(rlim_t limit)
        : m_limit(limit)
    {
    }

protected:
    void setupChildProcess() override
    {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit lowered{};
        getrlimit(RLIMIT_FSIZE, &lowered);
        lowered.rlim_cur = m_limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }

private:
    rlim_t m_limit;
};

// The program started as a user whom file permissions hold: the test's own
// user, or "nobody" where the tests run as root (which permissions do not
// hold).
class UserProcess : public QProcess
{
public:
    static constexpr uid_t nobody = 65534;
    static bool isRoot() { return ::geteuid() == 0; }

protected:
    void setupChildProcess() override
    {
        if (isRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(127);
    }
};

} // namespace

// The program binary itself started in a temporary folder: killed during its
// first start, and started against a database that another program holds
// locked. A program that reached its window shows itself by the server-jobs
// thread's first request to the loopback server; each start gets a server of
// its own, so that a late request of an earlier process counts for nothing.
class StartupProcessTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackServer> m_server;

    static QProcessEnvironment environment(const LoopbackServer& server)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBKIT_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("TESVAR_SERVER_URL"), server.url(QStringLiteral("/")).toString());
        env.insert(QStringLiteral("TESVAR_NONINTERACTIVE"), QStringLiteral("1"));
        return env;
    }

    static void prepare(QProcess& program, const QString& folder, const LoopbackServer& server)
    {
        program.setProgram(QStringLiteral(TESVAR_PROGRAM));
        program.setWorkingDirectory(folder);
        program.setProcessEnvironment(environment(server));
    }

    void start(QProcess& program, const QString& folder)
    {
        m_server = std::make_unique<LoopbackServer>();
        QVERIFY(m_server->start());
        prepare(program, folder, *m_server);
        program.start();
    }

    // True once the program reached its window; false when it ended first.
    static bool cameUp(QProcess& program, const LoopbackServer& server)
    {
        bool up = false;
        QElapsedTimer waited;
        waited.start();
        while (!up && program.state() != QProcess::NotRunning && waited.elapsed() < hangMs) {
            QTest::qWait(20);
            up = !server.requests().isEmpty();
        }
        return up && program.state() != QProcess::NotRunning;
    }
    bool cameUp(QProcess& program) { return cameUp(program, *m_server); }

    static void end(QProcess& program)
    {
        program.kill();
        program.waitForFinished(hangMs);
    }

    // For a start that must fail: true once the program ended without
    // reaching its window. One seen to reach it is killed at once, so that
    // the row fails then, not at the bound of the wait.
    static bool endsWithoutComingUp(QProcess& program, const LoopbackServer& server)
    {
        QElapsedTimer waited;
        waited.start();
        while (program.state() != QProcess::NotRunning && server.requests().isEmpty() && waited.elapsed() < hangMs)
            QTest::qWait(20);
        const bool ended = program.state() == QProcess::NotRunning && server.requests().isEmpty();
        if (!ended)
            end(program);
        return ended;
    }
    bool endsWithoutComingUp(QProcess& program) { return endsWithoutComingUp(program, *m_server); }

    // Everything under the folder writable again, so that it can be
    // removed whatever a row left read-only.
    static void makeWritable(const QString& folder)
    {
        const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(folder, QFile::permissions(folder) | owner);
        for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString entry = it.next();
            QFile::setPermissions(entry, QFile::permissions(entry) | owner);
        }
    }

    // True once the process has the file open (it is then at the lock).
    static bool holdsOpen(const QProcess& program, const QString& path)
    {
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(program.processId()));
        const QString target = QFileInfo(path).canonicalFilePath();
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() == target)
                return true;
        }
        return false;
    }

    // True when the process has the file that stands at `path` open, and no
    // other file that stood there before (one replaced under it).
    static bool holdsOnlyTheFileAt(const QProcess& program, const QString& path)
    {
        struct stat standing
        {
        };
        if (::stat(QFile::encodeName(path).constData(), &standing) != 0)
            return false;
        const QString name = QFileInfo(path).canonicalFilePath();
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(program.processId()));
        bool holds = false;
        for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            const QString target = fd.symLinkTarget();
            if (target != name && target != name + QLatin1String(" (deleted)"))
                continue;
            struct stat open
            {
            };
            if (::stat(QFile::encodeName(fd.filePath()).constData(), &open) != 0)
                continue;
            if (open.st_ino != standing.st_ino || open.st_dev != standing.st_dev)
                return false;
            holds = true;
        }
        return holds;
    }

    static QString logText(const QString& folder)
    {
        QFile file(QDir(folder).filePath(QStringLiteral("log.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // A user database at `path` with the sqlite3 tool (started in `holder`)
    // holding its exclusive lock until releaseLock().
    static bool lockUserDatabase(QProcess& holder, const QString& sqlite3, const QString& path)
    {
        if (!makeUserDatabase(path))
            return false;
        holder.start(sqlite3, {path});
        return holder.waitForStarted() && holdLock(holder, path);
    }

    static bool releaseLock(QProcess& holder)
    {
        holder.write("COMMIT;\n.quit\n");
        holder.closeWriteChannel();
        return holder.waitForFinished(hangMs);
    }

    // Has the sqlite3 tool take the exclusive lock and keep it until told;
    // true once no reader of the file gets through.
    static bool holdLock(QProcess& holder, const QString& path)
    {
        // The probe below may hold a read lock for a moment: the tool waits.
        holder.write(".timeout 30000\nBEGIN EXCLUSIVE;\n");
        if (!holder.waitForBytesWritten(hangMs))
            return false;
        FileConnection probe(path, 0);
        QElapsedTimer waited;
        waited.start();
        while (holder.state() == QProcess::Running && waited.elapsed() < hangMs) {
            if (!probe.value(QStringLiteral("SELECT COUNT(*) FROM Project;")).isValid())
                return true;
            QTest::qWait(20);
        }
        qWarning("sqlite3 did not take the lock: %s", holder.readAllStandardError().constData());
        return false;
    }

    // A database as an earlier version left it: the schema and one active
    // project of the user's, in the rollback-journal mode.
    static bool makeUserDatabase(const QString& path)
    {
        FileConnection file(path);
        return file.db().isOpen() && Vexal::DBSchema::create(file.db())
            && QSqlQuery(file.db()).exec(QStringLiteral("INSERT INTO Project (Name, Active) VALUES ('Mine', 1);"));
    }

private slots:
    void cleanupTestCase() { m_server.reset(); }

    void killedFirstStartComesUpNextTime_data()
    {
        QTest::addColumn<int>("delayMs");
        // After launch, and after the first file appears in the folder.
        QTest::newRow("at launch") << -1;
        for (int delay : {0, 1, 3, 6, 10, 20, 40, 80})
            QTest::newRow(qPrintable(QStringLiteral("%1 ms after the first file").arg(delay))) << delay;
    }

    void killedFirstStartComesUpNextTime()
    {
        QFETCH(int, delayMs);
        TestFolder folder;
        const QDir dir(folder.path());
        {
            QProcess first;
            start(first, folder.path());
            QVERIFY(first.waitForStarted());
            if (delayMs >= 0) {
                QElapsedTimer waited;
                waited.start();
                while (dir.entryList(QDir::Files | QDir::Hidden).isEmpty() && first.state() == QProcess::Running
                       && waited.elapsed() < 30000)
                    QThread::usleep(200);
                if (delayMs > 0)
                    QThread::msleep(delayMs);
            }
            end(first);
        }

        QProcess second;
        start(second, folder.path());
        const bool up = cameUp(second);
        end(second);
        QVERIFY2(up, qPrintable(QStringLiteral("exit code %1, stderr: %2, log: %3")
                                    .arg(second.exitCode())
                                    .arg(QString::fromUtf8(second.readAllStandardError().right(400)),
                                         logText(folder.path()))));

        FileConnection file(dir.filePath(QLatin1String(databaseName)));
        QCOMPARE(file.value(QStringLiteral("PRAGMA integrity_check;")).toString(), QStringLiteral("ok"));
        QCOMPARE(file.db().tables(QSql::Tables).size(), TestDatabase::schemaCount(QStringLiteral("TABLE")));
        QCOMPARE(file.db().tables(QSql::Views).size(), TestDatabase::schemaCount(QStringLiteral("VIEW")));
        QCOMPARE(file.value(QStringLiteral("SELECT COUNT(*) FROM Project WHERE Active = 1 AND Name = 'Default';"))
                     .toInt(),
                 1);
    }

    // Another program holds the user's database locked. Past the start-up's
    // wait the look-up fails, and a failed look-up ends the start-up
    // (message, exit code 1); it is never taken for "no project" and adds
    // none. The lock goes only after the failure is logged, when a program
    // that inserted a project instead would get it in. A lock that goes
    // while the start-up waits lets the program come up with the user's
    // project.
    void lockedDatabaseIsNeverTakenForEmpty_data()
    {
        addBoolRows("releasedDuringTheWait", "locked past the wait", "released during the wait");
    }

    void lockedDatabaseIsNeverTakenForEmpty()
    {
        QFETCH(bool, releasedDuringTheWait);
        const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (sqlite3.isEmpty())
            QSKIP("the sqlite3 command-line tool is not installed");
        // The start-up waits a few seconds for the lock. A round in which this
        // test, slowed down on a busy machine, let the lock go only once that
        // wait was over tells nothing, and is run again.
        for (int round = 1;; ++round) {
            TestFolder folder;
            const QString path = folder.file(QLatin1String(databaseName));
            QProcess holder;
            QVERIFY(lockUserDatabase(holder, sqlite3, path));
            QProcess program;
            start(program, folder.path());
            if (releasedDuringTheWait) {
                QVERIFY(program.waitForStarted());
                QTRY_VERIFY_WITH_TIMEOUT(holdsOpen(program, path), hangMs);
                QTest::qWait(300);
                const bool waitOver = logText(folder.path()).contains(QLatin1String("CRITICAL"));
                QVERIFY(releaseLock(holder));
                const bool up = cameUp(program);
                end(program);
                if (!up && round < 3
                    && (waitOver || logText(folder.path()).contains(QLatin1String("database is locked"))))
                    continue;
                QVERIFY2(up, qPrintable(logText(folder.path())));
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(logText(folder.path()).contains(QLatin1String("database is locked"))
                                             || program.state() == QProcess::NotRunning,
                                         hangMs);
                QVERIFY(releaseLock(holder));
                QVERIFY(endsWithoutComingUp(program));
                QCOMPARE(program.exitStatus(), QProcess::NormalExit);
                QCOMPARE(program.exitCode(), 1);
                QVERIFY(QString::fromUtf8(program.readAllStandardError())
                            .contains(QLatin1String("Failed to load and active project.")));
            }
            FileConnection file(path);
            QCOMPARE(file.value(QStringLiteral("SELECT COUNT(*) FROM Project;")).toInt(), 1);
            QCOMPARE(file.value(QStringLiteral("SELECT Name FROM Project WHERE Active = 1;")).toString(),
                     QStringLiteral("Mine"));
            return;
        }
    }

    // Several programs started at once in one folder, as a user who clicks
    // twice, or a session that restores two: whichever makes the database,
    // all of them come up on the one file, which ends with exactly one
    // active "Default" project and the schema of a new file. A file of an
    // earlier version is brought up to date by one of them, and keeps its
    // projects. Run a few rounds: the starts must meet.
    void simultaneousStartsMakeOneDefaultProject_data()
    {
        addColumns<QString, QString>("found", "projects");
        QTest::newRow("no database yet") << "" << "Default/1";
        QTest::newRow("a file without tables") << "empty" << "Default/1";
        QTest::newRow("a file of 05be2ea") << "05be2ea" << "Default/0, Client A/0, Client B/1";
    }

    void simultaneousStartsMakeOneDefaultProject()
    {
        QFETCH(QString, found);
        QFETCH(QString, projects);
        constexpr int rounds = 6;
        constexpr int programs = 3;
        const QStringList schema = OldFiles::newFileSchema();
        for (int round = 0; round < rounds; ++round) {
            TestFolder folder;
            const QString path = folder.file(QLatin1String(databaseName));
            if (found == QLatin1String("empty"))
                QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            else if (!found.isEmpty())
                QCOMPARE(OldFiles::make(path, found), QString());
            std::vector<std::unique_ptr<LoopbackServer>> servers;
            std::vector<std::unique_ptr<QProcess>> started;
            for (int i = 0; i < programs; ++i) {
                servers.push_back(std::make_unique<LoopbackServer>());
                QVERIFY(servers.back()->start());
                started.push_back(std::make_unique<QProcess>());
                prepare(*started.back(), folder.path(), *servers.back());
            }
            for (auto& program : started)
                program->start();
            QStringList failed;
            for (int i = 0; i < programs; ++i) {
                if (!cameUp(*started[i], *servers[i]))
                    failed << QString::fromUtf8(started[i]->readAllStandardError().right(300));
                else if (!holdsOnlyTheFileAt(*started[i], path))
                    failed << QStringLiteral("program %1 works on a file that was replaced").arg(i);
            }
            for (auto& program : started)
                end(*program);
            QVERIFY2(failed.isEmpty(),
                     qPrintable(QStringLiteral("round %1: %2\nlog: %3")
                                    .arg(round)
                                    .arg(failed.join(QLatin1String(" | ")), logText(folder.path()))));
            FileConnection file(path);
            QCOMPARE(file.value(QStringLiteral("PRAGMA integrity_check;")).toString(), QStringLiteral("ok"));
            QCOMPARE(file.db().tables(QSql::Tables).size(), TestDatabase::schemaCount(QStringLiteral("TABLE")));
            QCOMPARE(
                file.value(QStringLiteral("SELECT group_concat(Name || '/' || Active, ', ') FROM Project;")).toString(),
                projects);
            QCOMPARE(OldFiles::Connection(path).schema(), schema);
        }
    }

    // A file-size limit that the new database passes fails its write, like
    // a full disk: the start-up says so (the system's reason in the log,
    // the message, exit code 1) instead of the program being killed.
    void fileSizeLimitFailsTheWriteNotTheProgram()
    {
        TestFolder folder;
        m_server = std::make_unique<LoopbackServer>();
        QVERIFY(m_server->start());
        LimitedProcess program(16 * 1024);
        prepare(program, folder.path(), *m_server);
        program.start();
        QVERIFY(endsWithoutComingUp(program));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        // The message names the cause as the log does.
        const QString message = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(message.contains(QLatin1String("The application failed to load a database: File too large")),
                 qPrintable(message));
        QVERIFY2(logText(folder.path()).contains(QLatin1String("File too large")), qPrintable(logText(folder.path())));
        QVERIFY(!QFile::exists(folder.file(QLatin1String(databaseName))));
    }

    // A folder or a database file that the user cannot write, and a folder
    // on a full disk: the start-up ends at once with a message that names the
    // cause (log.txt cannot take it there either), and leaves the folder as
    // it was: no database made, no log, and no journal, write-ahead log or
    // shared-memory file beside a database.
    // A disk with room for the start's first writes but not for a new
    // database names its cause too, though the log takes the lines.
    // A database of an earlier version (`build`), which the start would
    // bring up to date, is left as it is too.
    void unwritableFolderOrFileIsNamedAndLeftAlone_data()
    {
        addColumns<bool, bool, bool, QString, int, QString>("folderWritable", "withDatabase", "full", "cause",
                                                            "freeKiB", "build");
        QTest::newRow("read-only folder") << false << false << false << "folder" << 0 << "";
        QTest::newRow("read-only folder with a database") << false << true << false << "folder" << 0 << "";
        QTest::newRow("read-only database file") << true << true << false << "file" << 0 << "";
        QTest::newRow("read-only database file of 05be2ea") << true << true << false << "file" << 0 << "05be2ea";
        QTest::newRow("read-only folder with a database of 2434833")
            << false << true << false << "folder" << 0 << "2434833";
        QTest::newRow("full disk") << true << false << true << "folder" << 0 << "";
        QTest::newRow("full disk with a database") << true << true << true << "folder" << 0 << "";
        QTest::newRow("full disk with a database of 05be2ea") << true << true << true << "folder" << 0 << "05be2ea";
        QTest::newRow("100 KiB free") << true << false << true << "" << 100 << "";
    }

    void unwritableFolderOrFileIsNamedAndLeftAlone()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, withDatabase);
        QFETCH(bool, full);
        QFETCH(QString, cause);
        QFETCH(int, freeKiB);
        QFETCH(QString, build);
        TestFolder folder;
        const auto writableAgain = qScopeGuard([&folder] { makeWritable(folder.path()); });
        const QString place = full ? folder.file(QStringLiteral("disk")) : folder.path();
        std::unique_ptr<SmallDisk> disk;
        if (full) {
            QVERIFY(QDir().mkdir(place));
            disk = std::make_unique<SmallDisk>(place);
            if (!disk->isMounted())
                QSKIP("no small memory file system could be mounted (that takes root)");
        }
        const QString path = QDir(place).filePath(QLatin1String(databaseName));
        if (withDatabase) {
            if (build.isEmpty())
                QVERIFY(makeUserDatabase(path));
            else
                QCOMPARE(OldFiles::make(path, build), QString());
            if (full && build.isEmpty()) {
                // As the program keeps the ones it makes: the log beside it
                // holds the pages that are written until they are played into it.
                FileConnection file(path);
                QCOMPARE(file.value(QStringLiteral("PRAGMA journal_mode = WAL;")).toString(), QStringLiteral("wal"));
            }
            QVERIFY(QFile::setPermissions(path, full ? QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther
                                                       | QFile::WriteOther
                                                 : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther;
        const QFile::Permissions writable = readable | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        QVERIFY(QFile::setPermissions(place, folderWritable ? writable : readable));
        if (full) {
            // The user reaches the disk through the test's folder.
            QVERIFY(QFile::setPermissions(folder.path(), readable));
            QVERIFY(disk->fill(freeKiB * 1024));
        }
        const QDir dir(place);
        const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        const QStringList before = dir.entryList(all, QDir::Name);
        const QByteArray database = OldFiles::bytes(path);

        m_server = std::make_unique<LoopbackServer>();
        QVERIFY(m_server->start());
        UserProcess program;
        prepare(program, place, *m_server);
        program.start();
        const bool ended = endsWithoutComingUp(program);
        const bool started = program.error() != QProcess::FailedToStart;
        QVERIFY(QFile::setPermissions(place, writable));
        if (!started)
            QSKIP("the program cannot be started by an unprivileged user from where it was built");
        QVERIFY2(ended, "the program came up on a database it cannot write");
        QCOMPARE(program.exitCode(), 1);
        const QString message = QString::fromUtf8(program.readAllStandardError());
        const QString reason = QString::fromLocal8Bit(std::strerror(full ? ENOSPC : EACCES));
        const QString named = cause.isEmpty() ? QStringLiteral("failed to load a database: %1").arg(reason)
                                              : QStringLiteral("the %1 %2 cannot be written (%3)")
                                                    .arg(cause, cause == QLatin1String("file") ? path : place, reason);
        QVERIFY2(message.contains(named), qPrintable(message));
        QStringList after = dir.entryList(all, QDir::Name);
        // Where it can be written, the log names the cause too.
        if (!full || freeKiB > 0)
            after.removeAll(QStringLiteral("log.txt"));
        QCOMPARE(after, before);
        QVERIFY(OldFiles::bytes(path) == database);
    }

    // With the HTTP proxy option on, the program's own start-up requests
    // (the update check and the server messages) go through the proxy from
    // the first one on: none reaches the server around it.
    void startupRequestsGoThroughTheProxy()
    {
        TestFolder folder;
        const QString path = folder.file(QLatin1String(databaseName));
        QVERIFY(makeUserDatabase(path));
        LoopbackServer proxy;
        QVERIFY(proxy.start());
        {
            FileConnection file(path);
            QVERIFY(QSqlQuery(file.db()).exec(
                QStringLiteral("INSERT INTO Options (HttpProxy, HttpAddress, HttpPort) VALUES (1, '127.0.0.1', %1);")
                    .arg(proxy.port())));
        }
        QProcess program;
        start(program, folder.path());
        const QString server = m_server->url(QStringLiteral("/")).toString();
        const auto viaProxy = [&proxy, &server] {
            QStringList targets;
            for (const LoopbackServer::Request& request : proxy.requests()) {
                if (request.target.startsWith(server.toUtf8()))
                    targets << QString::fromUtf8(request.target.mid(server.size()));
            }
            targets.sort();
            return targets;
        };
        QTRY_VERIFY_WITH_TIMEOUT(viaProxy().size() + m_server->requests().size() >= 2
                                     || program.state() == QProcess::NotRunning,
                                 hangMs);
        end(program);
        QStringList direct;
        for (const LoopbackServer::Request& request : m_server->requests())
            direct << QString::fromUtf8(request.target);
        QCOMPARE(direct, QStringList());
        QCOMPARE(viaProxy(), (QStringList{"sysmessages.php", "sysupdates.php"}));
    }

    // A desktop's logout or shutdown sends SIGTERM, a terminal's Ctrl+C
    // SIGINT: the program closes as File > Exit does. It exits 0, its window
    // state is stored and the database is closed (no write-ahead log left).
    // While another program holds the database past the closing's wait, the
    // window state is not stored and the exit status says so.
    void terminationSignalClosesAsExitDoes_data()
    {
        addColumns<int, bool, bool>("signal", "whileStarting", "held");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false << false;
        // Once the database file is there: the window closes when it is up.
        QTest::newRow("SIGTERM while starting") << int(SIGTERM) << true << false;
        QTest::newRow("SIGTERM, database held by another program") << int(SIGTERM) << false << true;
    }

    void terminationSignalClosesAsExitDoes()
    {
        QFETCH(int, signal);
        QFETCH(bool, whileStarting);
        QFETCH(bool, held);
        TestFolder folder;
        const QString path = folder.file(QLatin1String(databaseName));
        QProcess program;
        start(program, folder.path());
        if (whileStarting) {
            QVERIFY(program.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path) || program.state() == QProcess::NotRunning, hangMs);
        } else {
            QVERIFY(cameUp(program));
            FileConnection file(path);
            QCOMPARE(file.value(QStringLiteral("SELECT COUNT(*) FROM GUI;")).toInt(), 0);
            QVERIFY(QFileInfo::exists(path + QStringLiteral("-wal")));
        }
        auto holder = held ? std::make_unique<FileConnection>(path) : nullptr;
        QVERIFY(!holder || QSqlQuery(holder->db()).exec(QStringLiteral("BEGIN EXCLUSIVE;")));

        QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
        QVERIFY(program.waitForFinished(hangMs));
        holder.reset();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), held ? Vexal::WndMain::unsavedExitCode : 0);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral("-wal")));
        FileConnection file(path);
        QCOMPARE(file.value(QStringLiteral("SELECT COUNT(*) FROM GUI WHERE Maximized = 1;")).toInt(), held ? 0 : 1);
    }
};

TESVAR_TEST(StartupProcessTest)
#include "StartupProcessTest.moc"
