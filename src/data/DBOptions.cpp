#include "data/DBOptions.h"

#include "core/ConstApp.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "data/Encryptor.h"

#include <QDir>

namespace Vexal {

namespace {

QString decrypted(const QString& stored)
{
    if (stored.isEmpty())
        return QString();
    Encryptor encryptor(Encryptor::programKey());
    return encryptor.decode(stored);
}

} // namespace

DBOptions::DBOptions(QObject* parent)
    : DBKind(parent)
    , m_homeUrl(ConstApp::homeUrl())
    , m_defaultFolder(QDir::homePath())
{
}

const DBFields& DBOptions::fields() const
{
    using O = DBOptions;
    static const DBFields table(
        baseFields(),
        {
            DBField::integer(&DBSql::colStartup, &O::m_startup),
            DBField::text(&DBSql::colHomeURL, &O::m_homeUrl, longTextLimit),
            DBField::flag(&DBSql::colShowDownloads, &O::m_showDownloads),
            DBField::flag(&DBSql::colCloseDownloads, &O::m_closeDownloads),
            DBField::text(&DBSql::colDownloadsFolder, &O::m_downloadsFolder, longTextLimit),
            DBField::flag(&DBSql::colAskDownloads, &O::m_askDownloads),
            DBField::flag(&DBSql::colKeepLastFolder, &O::m_keepLastFolder),
            DBField::text(&DBSql::colDefaultFolder, &O::m_defaultFolder, longTextLimit),
            DBField::flag(&DBSql::colWarnTabsClosing, &O::m_warnTabsClosing),
            DBField::range(&DBSql::colMaxOpenedTabs, &O::m_maxOpenedTabs, minOpenedTabs, maxOpenedTabsLimit),
            DBField::flag(&DBSql::colReloadAllTabs, &O::m_reloadAllTabs),
            DBField::flag(&DBSql::colFocusNewTab, &O::m_focusNewTab),
            DBField::flag(&DBSql::colEnableFlash, &O::m_enableFlash),
            DBField::flag(&DBSql::colEnableImages, &O::m_enableImages),
            DBField::flag(&DBSql::colEnableJScript, &O::m_enableJScript),
            DBField::flag(&DBSql::colOverrideOnImport, &O::m_overrideOnImport),
            DBField::flag(&DBSql::colCrossSessionImport, &O::m_crossSessionImport),
            DBField::flag(&DBSql::colBlockPopups, &O::m_blockPopups),
            DBField::flag(&DBSql::colFocusPopups, &O::m_focusPopups),
            DBField::flag(&DBSql::colIgnoreSSLErrors, &O::m_ignoreSSLErrors),
            DBField::flag(&DBSql::colSaveHistory, &O::m_saveHistory),
            DBField::range(&DBSql::colHistoryPeriod, &O::m_historyPeriod, 0, maxHistoryPeriod),
            DBField::flag(&DBSql::colSaveDownloadHistory, &O::m_saveDownloadHistory),
            DBField::integer(&DBSql::colLocationBar, &O::m_locationBar),
            DBField::flag(&DBSql::colHttpProxy, &O::m_httpProxy),
            DBField::text(&DBSql::colHttpLogin, &O::m_httpLogin, shortTextLimit),
            DBField::text(&DBSql::colHttpPassword, &O::m_httpPassword, 0),
            DBField::text(&DBSql::colHttpAddress, &O::m_httpAddress, longTextLimit),
            DBField::range(&DBSql::colHttpPort, &O::m_httpPort, 0, maxPort),
            DBField::flag(&DBSql::colSocksProxy, &O::m_socksProxy),
            DBField::text(&DBSql::colSocksLogin, &O::m_socksLogin, shortTextLimit),
            DBField::text(&DBSql::colSocksPassword, &O::m_socksPassword, 0),
            DBField::text(&DBSql::colSocksAddress, &O::m_socksAddress, longTextLimit),
            DBField::range(&DBSql::colSocksPort, &O::m_socksPort, 0, maxPort),
            DBField::flag(&DBSql::colFtpProxy, &O::m_ftpProxy),
            DBField::text(&DBSql::colFtpLogin, &O::m_ftpLogin, shortTextLimit),
            DBField::text(&DBSql::colFtpPassword, &O::m_ftpPassword, 0),
            DBField::text(&DBSql::colFtpAddress, &O::m_ftpAddress, longTextLimit),
            DBField::range(&DBSql::colFtpPort, &O::m_ftpPort, 0, maxPort),
        });
    return table;
}

int DBOptions::inRange(const int& member) const
{
    const DBField* field = fields().find(this, &member);
    return field ? int(qBound(field->minimum(), qint64(member), field->maximum())) : member;
}

QString DBOptions::decryptedHttpPassword() const
{
    return decrypted(m_httpPassword);
}

QString DBOptions::decryptedSocksPassword() const
{
    return decrypted(m_socksPassword);
}

QString DBOptions::decryptedFtpPassword() const
{
    return decrypted(m_ftpPassword);
}

} // namespace Vexal
