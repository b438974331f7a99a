#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_OPTIONS_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(warnClosingTabs, "Warn me when closing multiple tabs") \
    TEXT(tabs, "Tabs") \
    TEXT(maxOpenedTabs, "Max. opened tabs") \
    TEXT(activateNewTab, "When I open a link in a new tab, activate it") \
    TEXT(reloadAllTabsOnStartup, "Reload all tabs on start-up") \
    TEXT(downloads, "Downloads") \
    TEXT(homePage, "Home Page") \
    TEXT(defaultFolder, "Default folder") \
    TEXT(rememberLastFolder, "Remember the last used folder") \
    TEXT(saveOpenOperations, "Save/Open Operations") \
    TEXT(general, "General") \
    TEXT(alwaysAskSaveLocation, "Always ask me where to save files") \
    TEXT(saveFilesTo, "Save files to") \
    TEXT(closeWhenDownloadsFinished, "Close it when all downloads are finished") \
    TEXT(showDownloadsTab, "Show the Downloads tab when downloading a file") \
    TEXT(useDefaultSettings, "Use Default settings") \
    TEXT(showLastTabs, "Show my tabs from last time") \
    TEXT(showBlankPage, "Show a blank page") \
    TEXT(showHomePage, "Show my Home page") \
    TEXT(whenApplicationStarts, "When Application starts") \
    TEXT(startUp, "Start-up") \
    TEXT(ignoreSslErrors, "Ignore SSL errors") \
    TEXT(activatePopupTab, "When the popup tab opens, activate it") \
    TEXT(blockPopups, "Block popups") \
    TEXT(popups, "Popups") \
    TEXT(allowCrossSessionImport, "Allow cross-session import") \
    TEXT(overrideExistingData, "Override existing data") \
    TEXT(importAndExport, "Import and Export") \
    TEXT(enableJavaScript, "Enable JavaScript") \
    TEXT(enableImages, "Enable Images") \
    TEXT(enableFlash, "Enable Flash") \
    TEXT(content, "Content") \
    TEXT(bookmarks, "Bookmarks") \
    TEXT(history, "History") \
    TEXT(privacy, "Privacy") \
    TEXT(nothing, "Nothing") \
    TEXT(locationBarSuggest, "When using the location bar, suggest") \
    TEXT(locationBar, "Location Bar") \
    TEXT(rememberHistoryDays, "Remember history for n days") \
    TEXT(rememberDownloadsHistory, "Remember my downloads history") \
    TEXT(rememberHistory, "Remember my history") \
    TEXT(address, "Address") \
    TEXT(password, "Password") \
    TEXT(login, "Login") \
    TEXT(proxy, "Proxy") \
    TEXT(ftpProxy, "FTP Proxy") \
    TEXT(socksProxy, "SOCKS Proxy") \
    TEXT(httpProxy, "HTTP Proxy") \
    TEXT(port, "Port") \
    TEXT(useProxy, "Use Proxy") \
    TEXT(proxySettings, "Proxy Settings") \
    TEXT(uriShortcuts, "Uri Shortcuts") \
    FORWARD(options, LocaleInstance, options)

namespace Vexal {

// Pages, groups and fields of the options editor.
namespace LocaleOptions {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_OPTIONS_TABLE)

} // namespace LocaleOptions

} // namespace Vexal
