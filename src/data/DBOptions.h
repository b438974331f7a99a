#pragma once

#include "data/DBKind.h"

namespace Vexal {

// The option columns after ID, Name and Comments, in column order:
// X(column, getter, setter, kind, default). Kinds: Int and Bool stored as
// integers; Text cut to 128 characters, LongText to 1024; Password is the
// scrambled text, never cut (a cut one would no longer decode); TabLimit and
// Days are clamped integers.
#define TESVAR_OPTIONS_FIELDS(X) \
    X(Startup, startup, setStartup, Int, 2) \
    X(HomeURL, homeUrl, setHomeUrl, LongText, ConstApp::homeUrl()) \
    X(ShowDownloads, showDownloads, setShowDownloads, Bool, true) \
    X(CloseDownloads, closeDownloads, setCloseDownloads, Bool, false) \
    X(DownloadsFolder, downloadsFolder, setDownloadsFolder, LongText, QString()) \
    X(AskDownloads, askDownloads, setAskDownloads, Bool, false) \
    X(KeepLastFolder, keepLastFolder, setKeepLastFolder, Bool, true) \
    X(DefaultFolder, defaultFolder, setDefaultFolder, LongText, QDir::homePath()) \
    X(WarnTabsClosing, warnTabsClosing, setWarnTabsClosing, Bool, true) \
    X(MaxOpenedTabs, maxOpenedTabs, setMaxOpenedTabs, TabLimit, 15) \
    X(ReloadAllTabs, reloadAllTabs, setReloadAllTabs, Bool, false) \
    X(FocusNewTab, focusNewTab, setFocusNewTab, Bool, true) \
    X(EnableFlash, enableFlash, setEnableFlash, Bool, true) \
    X(EnableImages, enableImages, setEnableImages, Bool, true) \
    X(EnableJScript, enableJScript, setEnableJScript, Bool, true) \
    X(OverrideOnImport, overrideOnImport, setOverrideOnImport, Bool, false) \
    X(CrossSessionImport, crossSessionImport, setCrossSessionImport, Bool, true) \
    X(BlockPopups, blockPopups, setBlockPopups, Bool, false) \
    X(FocusPopups, focusPopups, setFocusPopups, Bool, false) \
    X(IgnoreSSLErrors, ignoreSSLErrors, setIgnoreSSLErrors, Bool, true) \
    X(SaveHistory, saveHistory, setSaveHistory, Bool, true) \
    X(HistoryPeriod, historyPeriod, setHistoryPeriod, Days, 7) \
    X(SaveDownloadHistory, saveDownloadHistory, setSaveDownloadHistory, Bool, true) \
    X(LocationBar, locationBar, setLocationBar, Int, 2) \
    X(HttpProxy, httpProxy, setHttpProxy, Bool, false) \
    X(HttpLogin, httpLogin, setHttpLogin, Text, QString()) \
    X(HttpPassword, httpPassword, setHttpPassword, Password, QString()) \
    X(HttpAddress, httpAddress, setHttpAddress, LongText, QString()) \
    X(HttpPort, httpPort, setHttpPort, Int, 0) \
    X(SocksProxy, socksProxy, setSocksProxy, Bool, false) \
    X(SocksLogin, socksLogin, setSocksLogin, Text, QString()) \
    X(SocksPassword, socksPassword, setSocksPassword, Password, QString()) \
    X(SocksAddress, socksAddress, setSocksAddress, LongText, QString()) \
    X(SocksPort, socksPort, setSocksPort, Int, 0) \
    X(FtpProxy, ftpProxy, setFtpProxy, Bool, false) \
    X(FtpLogin, ftpLogin, setFtpLogin, Text, QString()) \
    X(FtpPassword, ftpPassword, setFtpPassword, Password, QString()) \
    X(FtpAddress, ftpAddress, setFtpAddress, LongText, QString()) \
    X(FtpPort, ftpPort, setFtpPort, Int, 0)

#define TESVAR_OPTION_TYPE_Int int
#define TESVAR_OPTION_TYPE_TabLimit int
#define TESVAR_OPTION_TYPE_Days int
#define TESVAR_OPTION_TYPE_Bool bool
#define TESVAR_OPTION_TYPE_Text QString
#define TESVAR_OPTION_TYPE_LongText QString
#define TESVAR_OPTION_TYPE_Password QString

#define TESVAR_OPTION_PARAM_Int int
#define TESVAR_OPTION_PARAM_TabLimit int
#define TESVAR_OPTION_PARAM_Days int
#define TESVAR_OPTION_PARAM_Bool bool
#define TESVAR_OPTION_PARAM_Text const QString&
#define TESVAR_OPTION_PARAM_LongText const QString&
#define TESVAR_OPTION_PARAM_Password const QString&

// The user's browser preferences: one stored record in the single-row table
// "Options". Proxy passwords are held and stored scrambled.
class DBOptions final : public DBKind<DBOptions, &DBSql::tableOptions, &LocaleSql::tableOptions>
{
    Q_OBJECT
public:
    static constexpr int shortTextLimit = 128;
    static constexpr int longTextLimit = 1024;
    static constexpr int minOpenedTabs = 1;
    static constexpr int maxOpenedTabsLimit = 30;
    static constexpr int maxHistoryPeriod = 21;

    explicit DBOptions(QObject* parent = nullptr);

#define TESVAR_OPTION_ACCESSORS(Column, getter, setter, Kind, Default) \
    TESVAR_OPTION_TYPE_##Kind getter() const { return m_##getter; } \
    void setter(TESVAR_OPTION_PARAM_##Kind value);
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_ACCESSORS)
#undef TESVAR_OPTION_ACCESSORS

    // The proxy passwords in clear; "" for an empty stored text.
    QString decryptedHttpPassword() const;
    QString decryptedSocksPassword() const;
    QString decryptedFtpPassword() const;

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* other) override;
    QStringList columns() const override;

private:
#define TESVAR_OPTION_FIELD(Column, getter, setter, Kind, Default) \
    TESVAR_OPTION_TYPE_##Kind m_##getter;
    TESVAR_OPTIONS_FIELDS(TESVAR_OPTION_FIELD)
#undef TESVAR_OPTION_FIELD
};

} // namespace Vexal
