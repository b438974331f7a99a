#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Fixed values of the program: file locations, driver, version, title and the
// addresses of the maker's web pages. Every file and folder lies under the
// current working directory.
namespace ConstApp {

QString currentPath();
QString databaseFile();
QString logFile();
// Created when missing; "" when the folder cannot be created.
QString webkitFolder();
QString backupFolder();
// Where backupFolder() is, without making it.
QString backupFolderPath();
// An empty path is returned unchanged; an existing folder is returned;
// otherwise the folder is made (one level) and "" is returned on failure.
QString ensureFolder(const QString& path);
// Other names under which callers know the folder getters.
inline QString webDataFolder() { return webkitFolder(); }
inline QString appBackupDir() { return backupFolder(); }

QString driverName();
QString version();
QString title();
QString aboutText();

// Base address of the maker's web site, ending in "/". The environment
// variable TESVAR_SERVER_URL replaces the built-in host (tests point it at
// a loopback server).
QString serverUrl();
QString homeUrl();
QString updatesUrl();
QString messagesUrl();
QString templatesUrl();
QString updatesPageUrl();
QString helpUrl();
QString termsUrl();

QString serverPage(const QString& path);

} // namespace ConstApp

} // namespace Vexal
