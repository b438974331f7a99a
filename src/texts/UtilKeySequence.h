#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;

// Commands whose keys follow the platform's conventions (Qt standard keys).
#define VEXAL_STANDARD_KEYS(X)          \
    X(newTab, AddTab)                   \
    X(open, Open)                       \
    X(save, Save)                       \
    X(undo, Undo)                       \
    X(redo, Redo)                       \
    X(cut, Cut)                         \
    X(copy, Copy)                       \
    X(paste, Paste)                     \
    X(add, New)                         \
    X(deleteItem, Delete)               \
    X(selectAll, SelectAll)             \
    X(find, Find)                       \
    X(findNext, FindNext)               \
    X(findPrevious, FindPrevious)       \
    X(replace, Replace)                 \
    X(back, Back)                       \
    X(forward, Forward)                 \
    X(reload, Refresh)                  \
    X(zoomIn, ZoomIn)                   \
    X(zoomOut, ZoomOut)                 \
    X(onlineHelp, HelpContents)

// Commands with a fixed key, in Qt's portable notation.
#define VEXAL_TEXT_KEYS(X)                         \
    X(closeWindow, "Ctrl+Shift+W")                 \
    X(closeTab, "Ctrl+W")                          \
    X(exit, "Ctrl+Q")                              \
    X(edit, "Ctrl+M")                              \
    X(stop, "Esc")                                 \
    X(homePage, "Alt+Home")                        \
    X(openLocation, "Ctrl+L")                      \
    X(webSearch, "Ctrl+K")                         \
    X(menuBar, "F10")                              \
    X(pageSource, "Ctrl+U")                        \
    X(zoomInAlternate, "Ctrl+=")                   \
    X(zoomReset, "Ctrl+0")                         \
    X(history, "Ctrl+Shift+H")                     \
    X(clearRecentHistory, "Ctrl+Shift+Del")        \
    X(quickBookmark, "Ctrl+D")                     \
    X(bookmarkAllTabs, "Ctrl+Shift+D")             \
    X(bookmarks, "Ctrl+Shift+B")                   \
    X(downloads, "Ctrl+J")                         \
    X(errorConsole, "Ctrl+Shift+J")                \
    X(privateBrowsing, "Ctrl+Shift+P")             \
    X(quickLogin, "Ctrl+Shift+L")                  \
    X(switchToProject, "Ctrl+P")                   \
    X(fullScreen, "F11")                           \
    X(reloadTree, "Shift+F5")                      \
    X(goToLine, "Ctrl+G")

// Commands without a key: their getters give the empty sequence.
#define VEXAL_EMPTY_KEYS(X)                                                                    \
    X(none) X(importData) X(debug) X(statusBar) X(zoomTextOnly) X(noStyle) X(originalStyle)      \
    X(bookmarkThisTab) X(options) X(formFiller) X(notificationConsole) X(uriInfo)               \
    X(strongPassword) X(guid) X(pageRankHistory) X(pageRank) X(database) X(backupDatabase)      \
    X(cleanDatabase) X(rebuildIndexes) X(websites) X(masterAccounts) X(accounts) X(login)      \
    X(registerAccount) X(logout) X(loginPage) X(registrationPage) X(userPage) X(projects)       \
    X(checkForUpdates) X(checkForNewTemplates) X(aboutQt) X(about)                              \
    X(exportLanguages) X(exportFirstNames) X(exportLastNames) X(exportCountries)                \
    X(exportCities) X(exportAddresses) X(exportProjects) X(exportArticles)                      \
    X(exportSpunArticles) X(exportDirectories) X(exportSocialBookmarks) X(exportCategories)     \
    X(exportWords) X(exportSynonyms) X(exportWebsites) X(exportMasterAccounts)                  \
    X(exportAccounts) X(exportLoginTemplates) X(exportRegistrationTemplates)                    \
    X(exportDirectoryTemplates) X(exportSocialBookmarkTemplates) X(exportArticleTemplates)      \
    X(exportOnlineTools) X(exportPageRankHistory) X(exportHistory) X(exportBookmarks)           \
    X(exportUriShortcuts)

namespace Vexal {

// The keyboard shortcuts of the main window's commands. Every getter builds a
// new sequence on each call; an empty sequence set on an action clears its key.
class UtilKeySequence final : public QObject
{
    Q_OBJECT
public:
    explicit UtilKeySequence(QObject* parent = nullptr);

#define VEXAL_KEY_DECLARE(name, ...) static QKeySequence name();
    VEXAL_STANDARD_KEYS(VEXAL_KEY_DECLARE)
    VEXAL_TEXT_KEYS(VEXAL_KEY_DECLARE)
    VEXAL_EMPTY_KEYS(VEXAL_KEY_DECLARE)
#undef VEXAL_KEY_DECLARE

    // Puts the menu-bar key on the View menu's action while the menu bar is
    // shown, and on the window-level action (in no menu) while it is hidden,
    // since actions of a hidden menu bar receive no shortcuts. Null actions are skipped.
    static void assignMenuBarKeys(QAction* menuAction, QAction* windowAction, bool menuBarShown);
};

} // namespace Vexal
