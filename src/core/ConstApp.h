#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Fixed values of the program: file locations, driver, version, title and the
// addresses of the maker's web pages. Every file and folder lies under the
// current working directory.
class ConstApp : public QObject
{
    Q_OBJECT
public:
    ConstApp() = delete;

    static QString currentPath();
    static QString databaseFile();
    static QString logFile();
    // Created when missing; "" when the folder cannot be created.
    static QString webkitFolder();
    static QString backupFolder();
    // An empty path is returned unchanged; an existing folder is returned;
    // otherwise the folder is made (one level) and "" is returned on failure.
    static QString ensureFolder(const QString& path);
    // Other names under which callers know the folder getters.
    static QString webDataFolder() { return webkitFolder(); }
    static QString appBackupDir() { return backupFolder(); }
    static QString ensureDir(const QString& path) { return ensureFolder(path); }

    static QString driverName();
    static QString version();
    static QString title();
    static QString aboutText();

    // Base address of the maker's web site, ending in "/". The environment
    // variable TESVAR_SERVER_URL replaces the built-in host (tests point it at
    // a loopback server).
    static QString serverUrl();
    static QString homeUrl();
    static QString updatesUrl();
    static QString messagesUrl();
    static QString templatesUrl();
    static QString updatesPageUrl();
    static QString helpUrl();
    static QString termsUrl();

private:
    static QString serverPage(const QString& path);
};

} // namespace Vexal
