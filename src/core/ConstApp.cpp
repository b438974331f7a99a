#include "core/ConstApp.h"

#include <QDir>
#include <QFileInfo>
#include <QtWebKit/qwebkitglobal.h>

namespace Vexal {

namespace {

// The maker's web host; a reserved name that never resolves on the internet.
const char* const defaultServerUrl = "http://tesvar-browser.example/";
const char* const serverUrlVariable = "TESVAR_SERVER_URL";

} // namespace

QString ConstApp::currentPath()
{
    return QDir::currentPath();
}

QString ConstApp::databaseFile()
{
    return QStringLiteral("%1/TesvarBrowser.db").arg(currentPath());
}

QString ConstApp::logFile()
{
    return QStringLiteral("%1/log.txt").arg(currentPath());
}

QString ConstApp::webkitFolder()
{
    return ensureFolder(currentPath() + QStringLiteral("/webkit"));
}

QString ConstApp::backupFolder()
{
    return ensureFolder(backupFolderPath());
}

QString ConstApp::backupFolderPath()
{
    return currentPath() + QStringLiteral("/bku");
}

QString ConstApp::ensureFolder(const QString& path)
{
    if (path.isEmpty())
        return path;
    if (QFileInfo(path).isDir())
        return path;
    if (!QDir().mkdir(path))
        return QString();
    return path;
}

QString ConstApp::driverName()
{
    return QStringLiteral("QSQLITE");
}

QString ConstApp::version()
{
    return QStringLiteral("2.0.1");
}

QString ConstApp::title()
{
    return QStringLiteral("Tesvar Web Browser");
}

QString ConstApp::aboutText()
{
    return QStringLiteral("<p><b>%1. Version %2</b></p><p>Based on Qt %3, QWebKit %4</p>"
                          "<p>A web browser for search engine optimisation work.</p>")
        .arg(title(), version(), QString::fromLatin1(qVersion()), qWebKitVersion());
}

QString ConstApp::serverUrl()
{
    QString url = qEnvironmentVariable(serverUrlVariable).trimmed();
    if (url.isEmpty())
        url = QString::fromLatin1(defaultServerUrl);
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

QString ConstApp::serverPage(const QString& path)
{
    return serverUrl() + path;
}

QString ConstApp::homeUrl()
{
    return serverPage(QStringLiteral("index.php"));
}

QString ConstApp::updatesUrl()
{
    return serverPage(QStringLiteral("sysupdates.php"));
}

QString ConstApp::messagesUrl()
{
    return serverPage(QStringLiteral("sysmessages.php"));
}

QString ConstApp::templatesUrl()
{
    return serverPage(QStringLiteral("templates.php"));
}

QString ConstApp::updatesPageUrl()
{
    return serverPage(QStringLiteral("downloads.php#updates"));
}

QString ConstApp::helpUrl()
{
    return serverPage(QStringLiteral("help.php"));
}

QString ConstApp::termsUrl()
{
    return serverPage(QStringLiteral("appterms.php"));
}

} // namespace Vexal
