#include "data/DBManager.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/DBSchema.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleSql.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>

namespace Vexal {

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
    const bool isNew = !QFileInfo::exists(path);

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
    bool ok = db.open();
    if (!ok) {
        error = db.lastError().text();
    } else if (isNew && !DBSchema::create(db, &error)) {
        // Leave no half-made file behind: the next start tries again.
        ok = false;
        db.close();
        QFile::remove(path);
    }
    if (ok)
        return true;

    Logger::critical(LocaleSql::databaseConnectionFailure());
    Logger::critical(LocaleSql::databaseError(error));
    Logger::critical(LocaleSql::databaseFile(path));
    UtilPrompt::critical(nullptr, ConstApp::title(), LocaleSql::databaseLoadFailed());
    return false;
}

bool DBManager::checkProject()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), checkProjectAction());
    if (loadActiveProjects())
        return true;
    if (createDefaultProject())
        return true;
    UtilPrompt::critical(nullptr, ConstApp::title(), LocaleSql::activeProjectLoadFailed());
    return false;
}

bool DBManager::loadActiveProjects()
{
    DBProjectList list(true);
    if (!list.load()) {
        Logger::critical(list.errorText());
        return false;
    }
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
