#include "data/DBManager.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSchema.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

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

// Removes what builds of earlier starts left behind when they were killed.
// A fresh one may belong to another instance starting at the same moment.
void removeStaleBuilds(const QFileInfo& target)
{
    QDir folder = target.absoluteDir();
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-DBManager::staleBuildSeconds);
    const QFileInfoList found =
        folder.entryInfoList({target.fileName() + QStringLiteral(".*.new*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : found) {
        if (file.lastModified() < limit)
            QFile::remove(file.absoluteFilePath());
    }
}

// Builds a database with the whole schema under a temporary name next to
// `path` and renames it into place: over the existing file when `replace`,
// else only if no file has appeared there meanwhile. "" on success.
QString createDatabase(const QString& path, bool replace)
{
    const QFileInfo target(path);
    removeStaleBuilds(target);
    // SQLite makes the file, with the permissions it always gives a database.
    const QString building = QStringLiteral("%1.%2-%3.new")
                                 .arg(target.absoluteFilePath())
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));

    QString error;
    const QString name = QStringLiteral("tesvar-new-database");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(ConstApp::driverName(), name);
        db.setDatabaseName(building);
        if (!db.open())
            error = db.lastError().text();
        else if (DBSchema::create(db, &error))
            // Readers of a file made here never wait for a job's writer.
            DBConnection::useWriteAheadLog(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    removeSideFiles(building);
    if (!error.isEmpty()) {
        QFile::remove(building);
        return error;
    }

    // Journals of a file that is gone, or that is about to be replaced,
    // would be played into the new one.
    if (replace || !QFileInfo::exists(path))
        removeSideFiles(path);
    if (replace) {
        std::error_code code;
        std::filesystem::rename(QFile::encodeName(building).toStdString(), QFile::encodeName(path).toStdString(),
                                code);
        if (code) {
            QFile::remove(building);
            return QString::fromStdString(code.message());
        }
        return QString();
    }
    // Never over a file that another instance has just put in place.
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        if (!QFileInfo::exists(path))
            return LocaleMessage::invalidFileName();
    }
    return QString();
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
    *error = query.lastError().text();
    return -1;
}

} // namespace

DBManager::DBManager(QObject* parent)
    : QObject(parent)
{
}

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

    QString error;
    if (openDatabase(db, path, &error))
        return true;
    db.close();

    Logger::critical(LocaleSql::databaseConnectionFailure());
    Logger::critical(LocaleSql::databaseError(error));
    Logger::critical(LocaleSql::databaseFile(path));
    UtilPrompt::critical(nullptr, ConstApp::title(), LocaleSql::databaseLoadFailed());
    return false;
}

bool DBManager::openDatabase(QSqlDatabase& db, const QString& path, QString* error)
{
    if (!QFileInfo::exists(path)) {
        *error = createDatabase(path, false);
        if (!error->isEmpty())
            return false;
    }
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    int objects = 0;
    {
        StartupWait wait;
        objects = schemaObjects(db, error);
    }
    if (objects != 0)
        return objects > 0;

    // A file without a single table holds nothing of the user's: it is what a
    // start cut short left behind, and it is made anew.
    db.close();
    *error = createDatabase(path, true);
    if (!error->isEmpty())
        return false;
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

bool DBManager::checkProject()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), checkProjectAction());
    StartupWait wait;
    bool loaded = false;
    if (loadActiveProjects(&loaded))
        return true;
    if (loaded && createDefaultProject())
        return true;
    UtilPrompt::critical(nullptr, ConstApp::title(), LocaleSql::activeProjectLoadFailed());
    return false;
}

bool DBManager::loadActiveProjects(bool* loaded)
{
    if (loaded)
        *loaded = false;
    DBProjectList list(true);
    if (!list.load()) {
        Logger::critical(list.errorText());
        return false;
    }
    if (loaded)
        *loaded = true;
    if (list.count() == 0) {
        Logger::critical(LocaleSql::activeProjectMissing());
        return false;
    }
    return true;
}

bool DBManager::createDefaultProject()
{
    DBProject project;
    project.setName(LocaleBase::defaultName());
    project.setActive(true);
    project.setUrl(ConstApp::homeUrl());
    if (!project.save()) {
        Logger::critical(project.errorText());
        return false;
    }
    return true;
}

} // namespace Vexal
