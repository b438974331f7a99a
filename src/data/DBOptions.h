#pragma once

#include "data/DBKind.h"

namespace Vexal {

// The user's browser preferences: one stored record in the single-row table
// "Options". Its field table holds each option's column and what its setter
// keeps to: logins are cut to 128 characters, addresses and folders to 1024,
// the tab limit, the history period and the proxy ports stay within the
// ranges of their rows, and the proxy passwords are held and stored
// scrambled, never cut (a cut one would no longer decode). A row is read as
// it is stored. An option with a range is held in a DBRanged member, which
// only its row reads: its getter hands out the value within the row's range
// (a row written by another program or by hand is never used out of range),
// and the option pages show and offer that same range.
class DBOptions final : public DBKind<DBOptions, &DBSql::tableOptions, &LocaleSql::tableOptions>
{
    Q_OBJECT
public:
    explicit DBOptions(QObject* parent = nullptr);

    // ID, Name and Comments, then the options in column order.
    const DBFields& fields() const override { return fieldTable(); }
    static const DBFields& fieldTable();

    // A getter and a setter per option; a setter marks the record modified,
    // then stores the value as the option's field keeps it.
    int startup() const { return m_startup; }
    void setStartup(int value) { setField(m_startup, value); }
    QString homeUrl() const { return m_homeUrl; }
    void setHomeUrl(const QString& value) { setField(m_homeUrl, value); }
    bool showDownloads() const { return m_showDownloads; }
    void setShowDownloads(bool value) { setField(m_showDownloads, value); }
    bool closeDownloads() const { return m_closeDownloads; }
    void setCloseDownloads(bool value) { setField(m_closeDownloads, value); }
    QString downloadsFolder() const { return m_downloadsFolder; }
    void setDownloadsFolder(const QString& value) { setField(m_downloadsFolder, value); }
    bool askDownloads() const { return m_askDownloads; }
    void setAskDownloads(bool value) { setField(m_askDownloads, value); }
    bool keepLastFolder() const { return m_keepLastFolder; }
    void setKeepLastFolder(bool value) { setField(m_keepLastFolder, value); }
    QString defaultFolder() const { return m_defaultFolder; }
    void setDefaultFolder(const QString& value) { setField(m_defaultFolder, value); }
    bool warnTabsClosing() const { return m_warnTabsClosing; }
    void setWarnTabsClosing(bool value) { setField(m_warnTabsClosing, value); }
    int maxOpenedTabs() const { return inRange(m_maxOpenedTabs); }
    void setMaxOpenedTabs(int value) { setField(m_maxOpenedTabs, value); }
    bool reloadAllTabs() const { return m_reloadAllTabs; }
    void setReloadAllTabs(bool value) { setField(m_reloadAllTabs, value); }
    bool focusNewTab() const { return m_focusNewTab; }
    void setFocusNewTab(bool value) { setField(m_focusNewTab, value); }
    bool enableFlash() const { return m_enableFlash; }
    void setEnableFlash(bool value) { setField(m_enableFlash, value); }
    bool enableImages() const { return m_enableImages; }
    void setEnableImages(bool value) { setField(m_enableImages, value); }
    bool enableJScript() const { return m_enableJScript; }
    void setEnableJScript(bool value) { setField(m_enableJScript, value); }
    bool overrideOnImport() const { return m_overrideOnImport; }
    void setOverrideOnImport(bool value) { setField(m_overrideOnImport, value); }
    bool crossSessionImport() const { return m_crossSessionImport; }
    void setCrossSessionImport(bool value) { setField(m_crossSessionImport, value); }
    bool blockPopups() const { return m_blockPopups; }
    void setBlockPopups(bool value) { setField(m_blockPopups, value); }
    bool focusPopups() const { return m_focusPopups; }
    void setFocusPopups(bool value) { setField(m_focusPopups, value); }
    bool ignoreSSLErrors() const { return m_ignoreSSLErrors; }
    void setIgnoreSSLErrors(bool value) { setField(m_ignoreSSLErrors, value); }
    bool saveHistory() const { return m_saveHistory; }
    void setSaveHistory(bool value) { setField(m_saveHistory, value); }
    int historyPeriod() const { return inRange(m_historyPeriod); }
    void setHistoryPeriod(int value) { setField(m_historyPeriod, value); }
    bool saveDownloadHistory() const { return m_saveDownloadHistory; }
    void setSaveDownloadHistory(bool value) { setField(m_saveDownloadHistory, value); }
    int locationBar() const { return m_locationBar; }
    void setLocationBar(int value) { setField(m_locationBar, value); }
    bool httpProxy() const { return m_httpProxy; }
    void setHttpProxy(bool value) { setField(m_httpProxy, value); }
    QString httpLogin() const { return m_httpLogin; }
    void setHttpLogin(const QString& value) { setField(m_httpLogin, value); }
    QString httpPassword() const { return m_httpPassword; }
    void setHttpPassword(const QString& value) { setField(m_httpPassword, value); }
    QString httpAddress() const { return m_httpAddress; }
    void setHttpAddress(const QString& value) { setField(m_httpAddress, value); }
    int httpPort() const { return inRange(m_httpPort); }
    void setHttpPort(int value) { setField(m_httpPort, value); }
    bool socksProxy() const { return m_socksProxy; }
    void setSocksProxy(bool value) { setField(m_socksProxy, value); }
    QString socksLogin() const { return m_socksLogin; }
    void setSocksLogin(const QString& value) { setField(m_socksLogin, value); }
    QString socksPassword() const { return m_socksPassword; }
    void setSocksPassword(const QString& value) { setField(m_socksPassword, value); }
    QString socksAddress() const { return m_socksAddress; }
    void setSocksAddress(const QString& value) { setField(m_socksAddress, value); }
    int socksPort() const { return inRange(m_socksPort); }
    void setSocksPort(int value) { setField(m_socksPort, value); }
    bool ftpProxy() const { return m_ftpProxy; }
    void setFtpProxy(bool value) { setField(m_ftpProxy, value); }
    QString ftpLogin() const { return m_ftpLogin; }
    void setFtpLogin(const QString& value) { setField(m_ftpLogin, value); }
    QString ftpPassword() const { return m_ftpPassword; }
    void setFtpPassword(const QString& value) { setField(m_ftpPassword, value); }
    QString ftpAddress() const { return m_ftpAddress; }
    void setFtpAddress(const QString& value) { setField(m_ftpAddress, value); }
    int ftpPort() const { return inRange(m_ftpPort); }
    void setFtpPort(int value) { setField(m_ftpPort, value); }

    // What the setters keep to: the most characters of a login and of an
    // address or folder, and the ranges of the tab limit, the history period
    // (days of history kept before today) and the ports.
    static constexpr int shortTextLimit = 128;
    static constexpr int longTextLimit = 1024;
    static constexpr int minOpenedTabs = 1;
    static constexpr int maxOpenedTabsLimit = 30;
    static constexpr int minHistoryPeriod = 1;
    static constexpr int maxHistoryPeriod = 21;
    static constexpr int minPort = 1;
    static constexpr int maxPort = 65535;

    // The proxy passwords in clear; "" for an empty stored text.
    QString decryptedHttpPassword() const;
    QString decryptedSocksPassword() const;
    QString decryptedFtpPassword() const;

private:
    int m_startup = 2;
    QString m_homeUrl;
    bool m_showDownloads = true;
    bool m_closeDownloads = false;
    QString m_downloadsFolder;
    bool m_askDownloads = false;
    bool m_keepLastFolder = true;
    QString m_defaultFolder;
    bool m_warnTabsClosing = true;
    DBRanged m_maxOpenedTabs{15};
    bool m_reloadAllTabs = false;
    bool m_focusNewTab = true;
    bool m_enableFlash = true;
    bool m_enableImages = true;
    bool m_enableJScript = true;
    bool m_overrideOnImport = false;
    bool m_crossSessionImport = true;
    bool m_blockPopups = false;
    bool m_focusPopups = false;
    bool m_ignoreSSLErrors = true;
    bool m_saveHistory = true;
    DBRanged m_historyPeriod{7};
    bool m_saveDownloadHistory = true;
    int m_locationBar = 2;
    bool m_httpProxy = false;
    QString m_httpLogin;
    QString m_httpPassword;
    QString m_httpAddress;
    DBRanged m_httpPort{0};
    bool m_socksProxy = false;
    QString m_socksLogin;
    QString m_socksPassword;
    QString m_socksAddress;
    DBRanged m_socksPort{0};
    bool m_ftpProxy = false;
    QString m_ftpLogin;
    QString m_ftpPassword;
    QString m_ftpAddress;
    DBRanged m_ftpPort{0};
};

} // namespace Vexal
