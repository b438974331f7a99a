#include "data/DBManager.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSchema.h"
#include "data/TemporaryFiles.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Vexal {

namespace {

// The start-up checks run before any window exists: they may wait for a lock
// as long as a job does. The window's short wait applies again afterwards.
class StartupWait final
{
public:
    StartupWait()
        : m_db(DBConnection::current())
    {
        DBConnection::setBusyTimeout(m_db, DBConnection::jobBusyTimeoutMs);
    }
    ~StartupWait() { DBConnection::setBusyTimeout(m_db, DBConnection::windowBusyTimeoutMs); }

private:
    QSqlDatabase m_db;
};

const char* const sideFiles[] = {"-journal", "-wal", "-shm"};

void removeSideFiles(const QString& path)
{
    for (const char* suffix : sideFiles)
        QFile::remove(path + QLatin1String(suffix));
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// What opening a database takes on the disk beside it: the 32 KiB shared
// index of its write-ahead log and the log's first pages.
constexpr qint64 openingSpace = 64 * 1024;

// Bytes this process may still write on the disk of `folder`; a file system
// that tells no sizes counts as having room.
qint64 freeSpace(const QString& folder)
{
    struct statvfs disk
    {
    };
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0 || disk.f_blocks == 0)
        return std::numeric_limits<qint64>::max();
    // The blocks kept back for the system are root's too.
    const fsblkcnt_t blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
    return qint64(blocks) * qint64(disk.f_frsize);
}

// Why the program cannot write what it must at `path`: the folder (a new
// file, and the journals SQLite keeps beside any file) and the file itself;
// "" when it can. Asked before SQLite opens the file, since a connection
// that cannot write still leaves its -wal and -shm files behind.
QString notWritable(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return LocaleMessage::folderNotWritable(folder, systemError(errno));
    if (freeSpace(folder) < openingSpace)
        return LocaleMessage::folderNotWritable(folder, systemError(ENOSPC));
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0 && errno != ENOENT)
        return LocaleMessage::fileNotWritable(path, systemError(errno));
    return QString();
}

// Starts of the program in one folder take turns while it holds this lock on
// the folder. On a file system without such locks nothing waits.
class FolderLock final
{
public:
    explicit FolderLock(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {}
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

enum class Placed { Done, Taken, Failed };

// Gives a finished file its final name, but never over a file that stands
// there: another start may have put its database there meanwhile.
Placed placeWithoutReplacing(const QString& from, const QString& to, QString* error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return Placed::Done;
    // File systems that cannot rename without replacing can make a link.
    if (errno == EINVAL || errno == ENOSYS) {
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return Placed::Done;
        }
    }
    if (errno == EEXIST)
        return Placed::Taken;
    *error = systemError(errno);
    return Placed::Failed;
}

// Writes `bytes` into the file at `path`, made with the permissions that
// SQLite gives a database file it makes; the system's reason on failure.
QString writeNewFile(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return systemError(errno);
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int code = written < 0 ? errno : ENOSPC;
            ::close(fd);
            return systemError(code);
        }
        done += written;
    }
    return ::close(fd) == 0 ? QString() : systemError(errno);
}

// Runs statements of the build; the first failure's text in `error`.
bool execAll(QSqlDatabase db, std::initializer_list<const char*> statements, QString* error)
{
    for (const char* statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(QLatin1String(statement))) {
            *error =
                LocaleSql::sqlQueryFailed(QLatin1String(statement), DBConnection::errorText(db, query.lastError()));
            return false;
        }
    }
    return true;
}

} // namespace

// Builds a new database under a temporary name next to `path`, on the
// default connection, and puts it in place, unless another start put its
// own there meanwhile (which is then the one opened). Nobody sees the file
// before it is whole, so it is written without a journal on the disk and
// without a sync on the way: the schema with its first rows (the file the
// build made), the "Default" project, then the switch to write-ahead logging
// (readers of a file made here never wait for a job's writer). Once closed
// it is synced whole, renamed into place and its folder synced, so that the
// name never stands for less than the whole file. The connection is left
// closed on `path`. "" on success.
QString DBManager::createDatabase(QSqlDatabase& db, const QString& path)
{
    const QFileInfo target(path);
    const QString building = TemporaryFiles::name(target.absoluteFilePath(), TemporaryFiles::newDatabase);
    db.setDatabaseName(building);
    // The schema with its first rows comes as the build made it: running the
    // script would cost the start more than all of its window.
    QString error = writeNewFile(building, DBSchema::newDatabase());
    if (error.isEmpty() && !db.open())
        error = DBConnection::errorText(db, db.lastError());
    else if (error.isEmpty() && execAll(db, {"PRAGMA synchronous = OFF;", "PRAGMA journal_mode = MEMORY;"}, &error)
             && saveDefaultProject(&error) != nullptr)
        DBConnection::useWriteAheadLog(db);
    db.close();
    db.setDatabaseName(path);
    removeSideFiles(building);
    if (error.isEmpty())
        error = TemporaryFiles::syncToDisk(building, false);
    if (!error.isEmpty()) {
        QFile::remove(building);
        return error;
    }

    Placed placed = Placed::Failed;
    {
        FolderLock turn(target.absolutePath());
        // Journals of a database that is gone would be played into the new
        // one. While no database stands there, no start has one open.
        if (!QFileInfo::exists(path))
            removeSideFiles(path);
        placed = placeWithoutReplacing(building, path, &error);
    }
    if (placed != Placed::Done) {
        QFile::remove(building);
        return placed == Placed::Failed ? error : QString();
    }
    // The new name on the disk too, before anything is written to the file
    // under it.
    return TemporaryFiles::syncToDisk(target.absolutePath(), true);
}

namespace {

// The last critical line of the project check: the cause its message names
// when the log could not take it.
QString& lastCause()
{
    static QString cause;
    return cause;
}

void critical(const QString& text)
{
    lastCause() = text;
    Logger::critical(text);
}

// Number of schema objects in the open database; -1 (and the error) when it
// cannot be read. A file that another program holds locked is certainly not
// one to make anew: it counts as holding tables, and the project look-up that
// follows waits for it once more.
int schemaObjects(QSqlDatabase db, QString* error)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master;")) && query.next())
        return query.value(0).toInt();
    if (DBConnection::isBusy(query.lastError()))
        return 1;
    *error = DBConnection::errorText(db, query.lastError());
    return -1;
}

} // namespace

DBManager::DBManager(QObject* parent)
    : QObject(parent)
{
}

DBManager::~DBManager() = default;

QString DBManager::setupConnectionAction()
{
    return QStringLiteral("Setup Connection");
}

QString DBManager::checkProjectAction()
{
    return QStringLiteral("Check Project");
}

bool DBManager::setupConnection()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), setupConnectionAction());
    const QString path = ConstApp::databaseFile();
    // What killed starts and backups left behind, also when the database
    // exists by now.
    TemporaryFiles::removeStaleOfEveryKind();

    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    QSqlDatabase db;
    if (QSqlDatabase::contains(name)) {
        db = QSqlDatabase::database(name, false);
        db.close();
    } else {
        db = QSqlDatabase::addDatabase(ConstApp::driverName());
    }
    db.setDatabaseName(path);
    db.setConnectOptions(DBConnection::busyTimeoutOption());
    DBConnection::defaultConnectionChanged();

    QString error = notWritable(path);
    const bool cause = !error.isEmpty();
    if (!cause && openDatabase(db, path, &error))
        return true;
    db.close();

    Logger::critical(LocaleSql::databaseConnectionFailure());
    Logger::critical(LocaleSql::databaseError(error));
    Logger::critical(LocaleSql::databaseFile(path));
    // The message names the error, and points to the log only where the log
    // took the lines.
    QString text = LocaleMessage::databaseLoadFailedSeeLog(error);
    if (cause)
        text = LocaleMessage::databaseLoadFailedBecause(error);
    else if (Logger::lostLines())
        text = LocaleMessage::databaseLoadFailedBecause(
            QStringLiteral("%1\n%2").arg(error, LocaleSql::databaseFile(path)));
    UtilPrompt::critical(nullptr, ConstApp::title(), text);
    return false;
}

bool DBManager::openDatabase(QSqlDatabase& db, const QString& path, QString* error)
{
    if (!QFileInfo::exists(path)) {
        *error = createDatabase(db, path);
        if (!error->isEmpty())
            return false;
    }
    if (!db.open()) {
        *error = DBConnection::errorText(db, db.lastError());
        return false;
    }
    StartupWait wait;
    // A file of this version is known by its mark at once. A file that
    // another program holds locked is certainly not one to make anew or to
    // bring up to date now: the project look-up that follows waits for it
    // once more.
    QSqlError readError;
    const int version = DBSchema::fileVersion(db, &readError);
    if (version == DBSchema::version() || (version < 0 && DBConnection::isBusy(readError)))
        return true;
    if (version < 0) {
        *error = DBConnection::errorText(db, readError);
        return false;
    }
    const int objects = schemaObjects(db, error);
    if (objects != 0)
        return objects > 0 && DBSchema::bringUpToDate(db, error);

    // A file without a single table holds nothing of the user's: it is what
    // a start cut short left behind. The schema goes into it in one write
    // transaction that looks again, so that of several starts one fills it.
    bool made = false;
    if (!DBSchema::createWhenEmpty(db, error, &made))
        return false;
    if (made)
        DBConnection::useWriteAheadLog(db);
    return true;
}

bool DBManager::checkProject()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), checkProjectAction());
    m_activeProject.reset();
    StartupWait wait;
    bool loaded = false;
    m_activeProject = findActiveProject(&loaded);
    if (!m_activeProject && loaded)
        m_activeProject = createDefaultProjectOnce();
    if (m_activeProject)
        return true;
    UtilPrompt::critical(nullptr, ConstApp::title(),
                         Logger::lostLines() ? LocaleMessage::activeProjectLoadFailedBecause(lastCause())
                                             : LocaleSql::activeProjectLoadFailed());
    return false;
}

std::unique_ptr<DBProject> DBManager::takeActiveProject()
{
    return std::move(m_activeProject);
}

namespace {

// The first record of a list, taken out of the list's ownership.
std::unique_ptr<DBProject> takeFirst(DBProjectList& list)
{
    DBProject* project = list.at(0);
    if (project)
        project->setParent(nullptr);
    return std::unique_ptr<DBProject>(project);
}

} // namespace

std::unique_ptr<DBProject> DBManager::createDefaultProjectOnce()
{
    // Another program starting at the same moment may be about to insert
    // one too: the look-up is made again, in the write transaction of the
    // insert, which the other start's waits for or that waits for it.
    QSqlDatabase db = DBConnection::current();
    QString error;
    if (!DBConnection::beginWrite(db, &error)) {
        critical(LocaleSql::sqlQueryFailed(DBConnection::beginWriteText(), error));
        return nullptr;
    }
    std::unique_ptr<DBProject> project;
    {
        DBProjectList list(true);
        if (!list.loadFirst()) {
            critical(list.errorText());
            db.rollback();
            return nullptr;
        }
        project = takeFirst(list);
    }
    if (!project) {
        project = saveDefaultProject(&error);
        if (!project) {
            critical(error);
            db.rollback();
            return nullptr;
        }
    }
    if (!db.commit()) {
        critical(LocaleSql::sqlQueryFailed(QStringLiteral("COMMIT"), DBConnection::errorText(db, db.lastError())));
        db.rollback();
        return nullptr;
    }
    return project;
}

std::unique_ptr<DBProject> DBManager::findActiveProject(bool* loaded)
{
    if (loaded)
        *loaded = false;
    // Only the first active row is read: in a database of many projects the
    // schema's index of the active ones finds it at once, and a file made
    // without that index is read no further than that row.
    DBProjectList list(true);
    if (!list.loadFirst()) {
        critical(list.errorText());
        return nullptr;
    }
    if (loaded)
        *loaded = true;
    std::unique_ptr<DBProject> project = takeFirst(list);
    if (!project)
        critical(LocaleSql::activeProjectMissing());
    return project;
}

bool DBManager::loadActiveProjects(bool* loaded)
{
    return findActiveProject(loaded) != nullptr;
}

bool DBManager::createDefaultProject()
{
    QString error;
    if (saveDefaultProject(&error))
        return true;
    critical(error);
    return false;
}

std::unique_ptr<DBProject> DBManager::saveDefaultProject(QString* error)
{
    auto project = std::make_unique<DBProject>();
    project->setName(LocaleBase::defaultName());
    project->setActive(true);
    project->setUrl(ConstApp::homeUrl());
    if (project->save())
        return project;
    *error = project->errorText();
    return nullptr;
}

} // namespace Vexal
