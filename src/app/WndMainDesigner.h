#pragma once

#include "app/WndMainCommand.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QMenu;

namespace Vexal {

enum class ExportGroup;
class WidFind;
class WidGotoLine;
class WidNotificationBar;
class WidReplace;
class WidStatusBar;
class WidTabManager;

// The widget layer of the main window: its size, title and icon, the bars and
// the tab manager in one vertical layout, and the ten menus, whose items are
// the commands of the command table at their places. Every menu slot is a
// virtual slot with an empty body; WndMain gives them their bodies. Built in
// two steps: construct, then initialize().
class WndMainDesigner : public QMainWindow
{
    Q_OBJECT
public:
    explicit WndMainDesigner(QWidget* parent = nullptr);
    ~WndMainDesigner() override;

    // Starts the server jobs (waiting a bounded time for them to run), then
    // runs setupWindow, createWidgets, createMenus, loadData and
    // connectSignals in this order. False when the data start-up failed; the
    // failure has been logged and shown, and the window must not be shown.
    bool initialize();

    WidFind* findBar() const { return m_findBar; }
    WidReplace* replaceBar() const { return m_replaceBar; }
    WidGotoLine* gotoLineBar() const { return m_gotoLineBar; }
    WidNotificationBar* notificationBar() const { return m_notificationBar; }
    WidTabManager* tabManager() const { return m_tabManager; }
    WidStatusBar* statusBarWidget() const { return m_statusBarWidget; }
    QMenu* bookmarksMenu() const { return m_bookmarksMenu; }
    QMenu* onlineToolsMenu() const { return m_onlineToolsMenu; }
    QAction* viewMenuBarAction() const { return m_viewMenuBarAction; }
    QAction* tabMenuBarAction() const { return m_tabMenuBarAction; }
    QAction* windowMenuBarAction() const { return m_windowMenuBarAction; }
    QAction* viewStatusBarAction() const { return m_viewStatusBarAction; }
    QAction* tabStatusBarAction() const { return m_tabStatusBarAction; }
    QAction* privateBrowsingAction() const { return m_privateBrowsingAction; }
    bool exitRequested() const { return m_exitRequested; }
    // The command whose menu item the action is; null for another action.
    const CommandEntry* commandOfItem(const QAction* item) const
    {
        return m_commandItems.key(const_cast<QAction*>(item));
    }

public slots:
    virtual void slotDebug() {}
    virtual void slotNewTab() {}
    virtual void slotOpenFile() {}
    virtual void slotCloseWindow() {}
    virtual void slotCloseTab() {}
    virtual void slotSave() {}
    virtual void slotImport() {}
    virtual void slotExport() {}
    virtual void slotExit() {}
    virtual void slotUndo() {}
    virtual void slotRedo() {}
    virtual void slotCut() {}
    virtual void slotCopy() {}
    virtual void slotPaste() {}
    virtual void slotAdd() {}
    virtual void slotEdit() {}
    virtual void slotDelete() {}
    virtual void slotSelectAll() {}
    virtual void slotFind() {}
    virtual void slotFindNext() {}
    virtual void slotFindPrevious() {}
    virtual void slotReplace() {}
    virtual void slotBack() {}
    virtual void slotForward() {}
    virtual void slotReload() {}
    virtual void slotStop() {}
    virtual void slotHomePage() {}
    virtual void slotOpenLocation() {}
    virtual void slotWebSearch() {}
    virtual void slotMenuBar() {}
    virtual void slotStatusBar() {}
    virtual void slotZoomIn() {}
    virtual void slotZoomOut() {}
    virtual void slotZoomReset() {}
    virtual void slotZoomTextOnly() {}
    virtual void slotNoStyle() {}
    virtual void slotOriginalStyle() {}
    virtual void slotPageSource() {}
    virtual void slotHistory() {}
    virtual void slotClearRecentHistory() {}
    virtual void slotUrlClicked() {}
    virtual void handleUrlHovered() {}
    virtual void slotQuickBookmark() {}
    virtual void slotBookmarkTab() {}
    virtual void slotBookmarkAllTabs() {}
    virtual void slotBookmarks() {}
    virtual void slotDownloads() {}
    virtual void slotErrorConsole() {}
    virtual void slotNotificationConsole() {}
    virtual void slotBackupDB() {}
    virtual void slotCleanDB() {}
    virtual void slotReindexDB() {}
    virtual void slotDatabase() {}
    virtual void slotPrivateBrowsing() {}
    virtual void slotOptions() {}
    virtual void slotPageRank() {}
    virtual void slotPageRankHistory() {}
    virtual void slotGUID() {}
    virtual void slotStrongPassword() {}
    virtual void slotUriInfo() {}
    virtual void slotFormFiller() {}
    virtual void slotWebsites() {}
    virtual void slotMasterAccounts() {}
    virtual void slotAccounts() {}
    virtual void slotQuickLogin() {}
    virtual void slotLogin() {}
    virtual void slotRegister() {}
    virtual void slotLogout() {}
    virtual void slotHomePageEx() {}
    virtual void slotLoginPage() {}
    virtual void slotRegistrationPage() {}
    virtual void slotUserPage() {}
    virtual void slotSelectors() {}
    virtual void slotLoginTemplates() {}
    virtual void slotRegistrationTemplates() {}
    virtual void slotDirectoryTemplates() {}
    virtual void slotSocialBookmarkTemplates() {}
    virtual void slotArticleTemplates() {}
    virtual void slotProjects() {}
    virtual void slotSwitchToProject() {}
    virtual void slotDirectories() {}
    virtual void slotDirectorySubmitter() {}
    virtual void slotSocialBookmarks() {}
    virtual void slotSocialBookmarkSubmitter() {}
    virtual void slotArticles() {}
    virtual void slotSpinnedArticles() {}
    virtual void slotCategories() {}
    virtual void slotSynonyms() {}
    virtual void slotArticleSubmitter() {}
    virtual void slotOnlineHelp() {}
    virtual void slotCheckForUpdates() {}
    virtual void slotCheckForTemplates() {}
    virtual void slotAboutQt() {}
    virtual void slotAbout() {}

protected:
    // The five set-up steps, each called once by initialize, in this order.
    virtual void setupWindow();
    virtual void createWidgets();
    virtual void createMenus();
    // False stops the start-up (see initialize).
    virtual bool loadData() { return true; }
    virtual void connectSignals() {}
    // What a command's menu item runs; WndMain runs the command.
    virtual void runCommand(const CommandEntry&) {}

    // Menu builders; each returns a new menu whose parent is the window.
    QMenu* createFileMenu();
    QMenu* createExportMenu();
    QMenu* createExportMenu(ExportGroup group);
    QMenu* createEditMenu();
    QMenu* createNavigateMenu();
    QMenu* createViewMenu();
    QMenu* createZoomMenu();
    QMenu* createPageStyleMenu();
    QMenu* createEncodingMenu();
    QMenu* createHistoryMenu();
    QMenu* createBookmarksMenu();
    QMenu* createToolsMenu();
    QMenu* createOnlineToolsMenu();
    QMenu* createDatabaseMenu();
    QMenu* createWebMenu();
    QMenu* createTemplatesMenu();
    QMenu* createProjectMenu();
    QMenu* createArticlesMenu();
    QMenu* createDirectoriesMenu();
    QMenu* createSocialBookmarksMenu();
    QMenu* createHelpMenu();

    WidFind* m_findBar = nullptr;
    WidReplace* m_replaceBar = nullptr;
    WidGotoLine* m_gotoLineBar = nullptr;
    WidNotificationBar* m_notificationBar = nullptr;
    WidTabManager* m_tabManager = nullptr;
    WidStatusBar* m_statusBarWidget = nullptr;
    QMenu* m_bookmarksMenu = nullptr;
    QMenu* m_onlineToolsMenu = nullptr;
    QAction* m_viewMenuBarAction = nullptr;
    QAction* m_tabMenuBarAction = nullptr;
    QAction* m_windowMenuBarAction = nullptr;
    QAction* m_viewStatusBarAction = nullptr;
    QAction* m_tabStatusBarAction = nullptr;
    QAction* m_privateBrowsingAction = nullptr;
    bool m_exitRequested = false;

private:
    using Slot = void (WndMainDesigner::*)();
    // A menu item with its key (an empty sequence clears it) connected to the
    // slot; a null slot leaves the item unconnected.
    QAction* addItem(QMenu* menu, const QString& text, const QKeySequence& key, Slot slot);
    // The items of the commands at that place, in order, each running its
    // command (an item of no command is connected to nothing).
    void addCommands(QMenu* menu, MenuPlace place);
    // A new menu with the items of the commands at that place.
    QMenu* commandMenu(const QString& title, MenuPlace place);
    // The item of the command that a slot names; null before it is made.
    QAction* commandItem(Slot slot) const;

    QHash<const CommandEntry*, QAction*> m_commandItems;
};

} // namespace Vexal
