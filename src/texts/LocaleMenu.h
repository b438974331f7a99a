#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_MENU_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(fileMenu, "&File") \
    TEXT(editMenu, "&Edit") \
    TEXT(navigateMenu, "&Navigate") \
    TEXT(viewMenu, "&View") \
    TEXT(historyMenu, "&History") \
    TEXT(bookmarksMenu, "&Bookmarks") \
    TEXT(toolsMenu, "&Tools") \
    TEXT(webMenu, "&Web") \
    TEXT(projectsMenu, "&Projects") \
    TEXT(helpMenu, "&Help") \
    TEXT(debug, "Debug") \
    TEXT(newTab, "New Tab") \
    TEXT(open, "Open") \
    TEXT(closeWindow, "Close Window") \
    TEXT(closeTab, "Close Tab") \
    TEXT(save, "Save") \
    TEXT(importData, "Import") \
    TEXT(exit, "Exit") \
    TEXT(exportMenu, "Export") \
    TEXT(exportSystemMenu, "System") \
    TEXT(exportProjectMenu, "Project") \
    TEXT(exportWebMenu, "Web") \
    TEXT(exportToolsMenu, "Tools") \
    TEXT(exportWebBrowserMenu, "Web Browser") \
    TEXT(exportLanguages, "Languages") \
    TEXT(exportFirstNames, "First Names") \
    TEXT(exportLastNames, "Last Names") \
    TEXT(exportCountries, "Countries") \
    TEXT(exportCities, "Cities") \
    TEXT(exportAddresses, "Addresses") \
    TEXT(exportProjects, "Projects") \
    TEXT(exportArticles, "Articles") \
    TEXT(exportSpunArticles, "Spun Articles") \
    TEXT(exportDirectories, "Directories") \
    TEXT(exportSocialBookmarks, "Social Bookmarks") \
    TEXT(exportCategories, "Categories") \
    TEXT(exportWords, "Words") \
    TEXT(exportSynonyms, "Synonyms") \
    TEXT(exportWebsites, "Websites") \
    TEXT(exportMasterAccounts, "Master Accounts") \
    TEXT(exportAccounts, "Accounts") \
    TEXT(exportLoginTemplates, "Login Templates") \
    TEXT(exportRegistrationTemplates, "Registration Templates") \
    TEXT(exportDirectoryTemplates, "Directory Templates") \
    TEXT(exportSocialBookmarkTemplates, "Social Bookmark Templates") \
    TEXT(exportArticleTemplates, "Article Templates") \
    TEXT(exportOnlineTools, "Online Tools") \
    TEXT(exportPageRankHistory, "Page Rank History") \
    TEXT(exportHistory, "History") \
    TEXT(exportBookmarks, "Bookmarks") \
    TEXT(exportUriShortcuts, "Uri Shortcuts") \
    TEXT(undo, "Undo") \
    TEXT(redo, "Redo") \
    TEXT(cut, "Cut") \
    TEXT(copy, "Copy") \
    TEXT(paste, "Paste") \
    TEXT(add, "Add") \
    TEXT(edit, "Edit") \
    TEXT(deleteItem, "Delete") \
    TEXT(selectAll, "Select All") \
    TEXT(find, "Find") \
    TEXT(findNext, "Find Next") \
    TEXT(findPrevious, "Find Previous") \
    TEXT(replace, "Replace") \
    TEXT(goToLine, "Go to Line") \
    TEXT(back, "Back") \
    TEXT(forward, "Forward") \
    TEXT(reload, "Reload") \
    TEXT(stop, "Stop") \
    TEXT(homePage, "Home Page") \
    TEXT(openLocation, "Open Location") \
    TEXT(webSearch, "Web Search") \
    TEXT(menuBar, "Menu Bar") \
    TEXT(statusBar, "Status Bar") \
    TEXT(pageSource, "Page Source") \
    TEXT(zoom, "Zoom") \
    TEXT(zoomIn, "Zoom In") \
    TEXT(zoomOut, "Zoom Out") \
    TEXT(zoomReset, "Reset") \
    TEXT(zoomTextOnly, "Zoom Text Only") \
    TEXT(pageStyle, "Page Style") \
    TEXT(noStyle, "No Style") \
    TEXT(originalStyle, "Original Style") \
    TEXT(characterEncoding, "Character Encoding") \
    TEXT(autoDetect, "Auto-Detect") \
    TEXT(westEuropean, "West European") \
    TEXT(eastEuropean, "East European") \
    TEXT(eastAsian, "East Asian") \
    TEXT(seSwAsian, "SE & SW Asian") \
    TEXT(middleEastern, "Middle Eastern") \
    TEXT(unicode, "Unicode") \
    TEXT(unicodeUtf8, "Unicode UTF-8") \
    TEXT(unicodeUtf16, "Unicode UTF-16") \
    TEXT(history, "History") \
    TEXT(clearRecentHistory, "Clear Recent History") \
    TEXT(quickBookmark, "Quick Bookmark") \
    TEXT(bookmarkThisTab, "Bookmark this Tab") \
    TEXT(bookmarkAllTabs, "Bookmark all Tabs") \
    TEXT(bookmarks, "Bookmarks") \
    TEXT(options, "Options") \
    TEXT(privateBrowsing, "Private Browsing") \
    TEXT(formFiller, "Form Filler") \
    TEXT(downloads, "Downloads") \
    TEXT(notificationConsole, "Notification Console") \
    TEXT(errorConsole, "Error Console") \
    TEXT(uriInfo, "Uri Info") \
    TEXT(strongPassword, "Strong Password") \
    TEXT(guid, "GUID") \
    TEXT(pageRankHistory, "Page Rank History") \
    TEXT(pageRank, "Page Rank") \
    TEXT(database, "Database") \
    TEXT(rebuildIndexes, "Rebuild Indexes") \
    TEXT(cleanDatabase, "Clean Database") \
    TEXT(backupDatabase, "Backup Database") \
    TEXT(onlineTools, "Online Tools") \
    TEXT(websites, "Websites") \
    TEXT(masterAccounts, "Master Accounts") \
    TEXT(accounts, "Accounts") \
    TEXT(quickLogin, "Quick Login") \
    TEXT(login, "Login") \
    TEXT(registerAccount, "Register") \
    TEXT(logout, "Logout") \
    TEXT(loginPage, "Login Page") \
    TEXT(registrationPage, "Registration Page") \
    TEXT(userPage, "User Page") \
    TEXT(selectors, "Selectors") \
    TEXT(templates, "Templates") \
    TEXT(loginTemplates, "Login") \
    TEXT(registrationTemplates, "Registration") \
    TEXT(articleTemplates, "Articles") \
    TEXT(directoryTemplates, "Directories") \
    TEXT(socialBookmarkTemplates, "Social Bookmarks") \
    TEXT(projects, "Projects") \
    TEXT(switchToProject, "Switch to Project") \
    TEXT(articles, "Articles") \
    TEXT(spunArticles, "Spun Articles") \
    TEXT(categories, "Categories") \
    TEXT(synonyms, "Synonyms") \
    TEXT(submit, "Submit") \
    TEXT(socialBookmarks, "Social Bookmarks") \
    TEXT(directories, "Directories") \
    TEXT(onlineHelp, "Online Help") \
    TEXT(checkForUpdates, "Check for Updates") \
    TEXT(checkForNewTemplates, "Check for new Templates") \
    TEXT(aboutQt, "About Qt") \
    TEXT(about, "About") \
    TEXT(information, "Information") \
    TEXT(warning, "Warning") \
    TEXT(error, "Error") \
    TEXT(updateProject, "Update Project") \
    TEXT(updateOptions, "Update Options") \
    TEXT(restoreBookmarksMenu, "Restore Bookmarks Menu") \
    TEXT(load, "Load") \
    TEXT(exportData, "Export") \
    TEXT(forums, "Forums") \
    TEXT(video, "Video") \
    TEXT(blogs, "Blogs") \
    TEXT(closeSession, "Close Session") \
    TEXT(openSession, "Open Session") \
    TEXT(restoreRecentlyClosedTabsMenu, "Restore recently closed tabs Menu") \
    TEXT(restoreSessionMenu, "Restore Session Menu") \
    TEXT(restoreHistoryMenu, "Restore History Menu") \
    TEXT(setupColumns, "Setup Columns") \
    TEXT(restoreDefaultLayout, "Restore Default Layout") \
    TEXT(saveLayout, "Save Layout") \
    TEXT(resizeAllColumns, "Resize all Columns") \
    TEXT(resizeColumn, "Resize Column") \
    TEXT(closeOtherTabs, "Close other Tabs") \
    TEXT(ninjaTab, "Ninja Tab") \
    TEXT(lockedTab, "Locked Tab") \
    TEXT(reloadAllTabs, "Reload all Tabs") \
    TEXT(reloadTab, "Reload Tab") \
    TEXT(cloneTab, "Clone Tab") \
    TEXT(saveImageAs, "Save Image As") \
    TEXT(copyImageLocation, "Copy Image Location") \
    TEXT(copyImage, "Copy Image") \
    TEXT(viewImage, "View Image") \
    TEXT(saveLinkAs, "Save Link As") \
    TEXT(copyLinkLocation, "Copy Link Location") \
    TEXT(bookmarkThisLink, "Bookmark this Link") \
    TEXT(quickBookmarkThisLink, "Quick Bookmark this Link") \
    TEXT(openLinkInNewTab, "Open Link in New Tab") \
    TEXT(searchEngines, "Search Engines") \
    TEXT(searchEngineTemplates, "Search Engines") \
    TEXT(logoutPage, "Logout Page") \
    TEXT(webmasterTools, "Webmaster Tools") \
    TEXT(googleAnalytics, "Google Analytics") \
    TEXT(keywordTool, "Keyword Tool") \
    TEXT(submitNewWebsite, "Submit new Website") \
    TEXT(googleTranslate, "Google Translate") \
    TEXT(google, "Google") \
    TEXT(google2, "Google") \
    TEXT(formInspector, "Form Inspector") \
    TEXT(testTemplates, "Test Templates") \
    TEXT(testSelectors, "Test Selectors") \
    TEXT(toolsPlus, "Tools ++") \
    TEXT(memoryConsole, "Memory Console") \
    TEXT(domInspector, "DOM Inspector") \
    TEXT(recentlyClosedTabs, "Recently Closed Tabs") \
    TEXT(refreshHistory, "Refresh History") \
    TEXT(fullScreen, "Full Screen") \
    TEXT(reloadTree, "Reload Tree") \
    TEXT(exportSearchEngineTemplates, "Search Engine Templates") \
    TEXT(exportEverything, "Everything") \
    TEXT(everything, "Everything") \
    TEXT(exportOptions, "Options") \
    TEXT(exportBookmarkFolders, "Bookmark Folders") \
    TEXT(close, "Close") \
    TEXT(sessions, "Sessions") \
    TEXT(templatesMenu, "Templates") \
    TEXT(sessionsMenu, "Sessions") \
    FORWARD(confirmCloseAllTabs, LocaleMessage, confirmCloseAllTabs) \
    FORWARD(confirmLoseUnsavedData, LocaleMessage, confirmLoseUnsavedData) \
    FORWARD(allBookmarksSaved, LocaleMessage, allBookmarksSaved) \
    FORWARD(bookmarkSaved, LocaleMessage, bookmarkSaved) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD(activeProjectMissing, LocaleMessage, activeProjectMissing) \
    FORWARD(activeSessionMissing, LocaleMessage, activeSessionMissing) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError)

namespace Vexal {

// Texts of the main window's menus and commands, and the operation names of
// its handlers.
class LocaleMenu final : public QObject
{
    Q_OBJECT
public:
    explicit LocaleMenu(QObject* parent = nullptr);

    TESVAR_LOCALE_DECLARE_STATIC(TESVAR_LOCALE_MENU_TABLE)

    // The rich-text project label; the name is HTML-escaped.
    static QString projectLabel(const QString& name);
};

} // namespace Vexal
