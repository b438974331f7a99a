#pragma once

#include "app/WndMainBase.h"
#include "app/WndMainCommand.h"

#include <QPixmap>
#include <QSessionManager>
#include <QUrl>

#include <memory>

namespace Vexal {

class DBManager;
class DelegateFind;

// The command layer of the main window: every menu item and every menu slot
// runs its command of the command table, which names the command to the
// logger, then calls the current tab, one operation of a command object built
// on the stack, or the window. Also the receiver of the signal hub, the server
// notices and the find and replace bars.
class WndMain : public WndMainBase
{
    Q_OBJECT
public:
    explicit WndMain(QWidget* parent = nullptr);
    ~WndMain() override;

    // The program after the application object exists: the database steps,
    // the window's set-up, the window shown and the event loop. Returns
    // exitCode() of the event loop's result, or 1 when a start-up step failed
    // (its critical message has been shown and the window was never shown).
    static int run();
    // The process's status after its event loop ended with `loopCode`: that
    // code, or unsavedExitCode when it ended well but a change could not be
    // saved as the program closed (its last warning named it).
    static int exitCode(int loopCode);
    static constexpr int unsavedExitCode = 2;
    // The steps of run() before the window is shown: the database steps and
    // the window's set-up. Null when one failed (its message has been shown).
    static std::unique_ptr<WndMain> create(DBManager& manager);

public slots:
    void slotDebug() override;
    void slotNewTab() override;
    void slotOpenFile() override;
    void slotCloseWindow() override;
    void slotCloseTab() override;
    void slotSave() override;
    void slotImport() override;
    void slotExport() override;
    void slotExit() override;
    void slotUndo() override;
    void slotRedo() override;
    void slotCut() override;
    void slotCopy() override;
    void slotPaste() override;
    void slotAdd() override;
    void slotEdit() override;
    void slotDelete() override;
    void slotSelectAll() override;
    void slotFind() override;
    void slotFindNext() override;
    void slotFindPrevious() override;
    void slotReplace() override;
    void slotBack() override;
    void slotForward() override;
    void slotReload() override;
    void slotStop() override;
    void slotHomePage() override;
    void slotOpenLocation() override;
    void slotWebSearch() override;
    void slotMenuBar() override;
    void slotStatusBar() override;
    void slotZoomIn() override;
    void slotZoomOut() override;
    void slotZoomReset() override;
    void slotZoomTextOnly() override;
    void slotPageSource() override;
    void slotHistory() override;
    void slotClearRecentHistory() override;
    void slotUrlClicked() override;
    void handleUrlHovered() override;
    void slotQuickBookmark() override;
    void slotBookmarkTab() override;
    void slotBookmarkAllTabs() override;
    void slotBookmarks() override;
    void slotErrorConsole() override;
    void slotNotificationConsole() override;
    void slotBackupDB() override;
    void slotCleanDB() override;
    void slotReindexDB() override;
    void slotDatabase() override;
    void slotPrivateBrowsing() override;
    void slotOptions() override;
    void slotPageRank() override;
    void slotPageRankHistory() override;
    void slotGUID() override;
    void slotStrongPassword() override;
    void slotUriInfo() override;
    void slotFormFiller() override;
    void slotWebsites() override;
    void slotMasterAccounts() override;
    void slotAccounts() override;
    void slotQuickLogin() override;
    void slotLogin() override;
    void slotRegister() override;
    void slotLogout() override;
    void slotHomePageEx() override;
    void slotLoginPage() override;
    void slotRegistrationPage() override;
    void slotUserPage() override;
    void slotSelectors() override;
    void slotLoginTemplates() override;
    void slotRegistrationTemplates() override;
    void slotDirectoryTemplates() override;
    void slotSocialBookmarkTemplates() override;
    void slotArticleTemplates() override;
    void slotProjects() override;
    void slotSwitchToProject() override;
    void slotDirectories() override;
    void slotDirectorySubmitter() override;
    void slotSocialBookmarks() override;
    void slotSocialBookmarkSubmitter() override;
    void slotArticles() override;
    void slotSpinnedArticles() override;
    void slotCategories() override;
    void slotSynonyms() override;
    void slotArticleSubmitter() override;
    void slotOnlineHelp() override;
    void slotCheckForUpdates() override;
    void slotCheckForTemplates() override;
    void slotAboutQt() override;
    void slotAbout() override;

    void handleCloseFindBar();
    void handleLinkHovered(const QString& link);
    void slotSecurityMessage(const QString& text);
    void handleFindAll(const QString& text, bool matchCase);
    void handleFind(const QString& text, bool forward, bool matchCase);
    void handleGotoLine(int line);
    void handleReplaceAll(const QString& text, const QString& with, bool matchCase);
    void handleReplace(const QString& text, const QString& with, bool forward, bool matchCase);
    void handlePageSource(const QString& title, const QString& html);
    void slotWebSearch(const QString& words, bool newTab, bool focus);
    void slotLoad(const QUrl& url, bool newTab, bool focus);
    void handleUpdateTabStatus();
    void slotOpenSpinnedArticles(const QString& articleID);
    void slotUpdateProject();
    void slotUpdateOptions();
    void slotRestoreBookmarksMenu();
    void slotInfo(const QString& text);
    void slotWarning(const QString& text);
    void slotError(const QString& text, bool untilClosed = false);
    void slotBookmarkTab(const QUrl& url, const QString& title, const QPixmap& icon);
    void slotQuickBookmark(const QUrl& url, const QString& title, const QPixmap& icon);
    // The desktop's logout: the tabs with unsaved edits are asked about, as
    // closing them asks, when the session allows questions; a No stops the
    // logout, Yes to all closes the window without more questions.
    void handleCommitData(QSessionManager& manager);

protected:
    void connectSignals() override;
    // Names the command to the logger, then runs it; an item of no command
    // does nothing.
    void runCommand(const CommandEntry& entry) override;

private:
    friend class CommandRunner;

    void setContext(const QString& action) const;
    // Runs the command that the slot names.
    void runSlot(void (WndMainDesigner::*slot)());
    // A request of the signal hub: names it to the logger, then takes the step.
    void runRequest(const QString& action, void (WndMainBase::*step)());
    // The find command object with the window's three bars.
    std::unique_ptr<DelegateFind> findCommand();
    // After a bookmark command: the notice and the rebuilt Bookmarks menu
    // when it saved, nothing otherwise.
    void bookmarkSaved(bool saved, const QString& text);
};

} // namespace Vexal
