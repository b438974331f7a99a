#include "app/WndMain.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBManager.h"
#include "data/DBProject.h"
#include "data/DBWriteQueue.h"
#include "shell/BaseTab.h"
#include "app/DelegateBrowser.h"
#include "app/DelegateFind.h"
#include "app/DelegateProject.h"
#include "app/UtilExitSignals.h"
#include "views/DelegateBookmarks.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidNotificationBar.h"
#include "shell/WidReplace.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "sites/SecurityNotificator.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QToolTip>

namespace Vexal {

using M = LocaleMenu;
using W = WndMainDesigner;

WndMain::WndMain(QWidget* parent)
    : WndMainBase(parent)
{
}

WndMain::~WndMain()
{
    // The hub outlives the window: the tab manager's teardown must not reach
    // a half-destroyed window through it.
    UtilSignalManager::instance()->disconnect(this);
    SecurityNotificator::instance()->disconnect(this);
}

std::unique_ptr<WndMain> WndMain::create(DBManager& manager)
{
    if (!manager.setupConnection() || !manager.checkProject())
        return nullptr;
    auto window = std::make_unique<WndMain>();
    window->startOnProject(manager.takeActiveProject());
    if (!window->initialize())
        return nullptr;
    return window;
}

int WndMain::run()
{
    DBManager manager;
    UtilExitSignals exitSignals;
    std::unique_ptr<WndMain> window = create(manager);
    if (!window)
        return 1;
    exitSignals.setWindow(window.get());
    window->setVisible(true);
    return exitCode(QApplication::exec());
}

int WndMain::exitCode(int loopCode)
{
    return loopCode == 0 && DBWriteQueue::changesLost() ? unsavedExitCode : loopCode;
}

void WndMain::setContext(const QString& action) const
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), action);
}

std::unique_ptr<DelegateFind> WndMain::findCommand()
{
    auto command = std::make_unique<DelegateFind>(m_tabManager, this);
    command->setFindBar(m_findBar);
    command->setReplaceBar(m_replaceBar);
    command->setGotoLineBar(m_gotoLineBar);
    return command;
}

void WndMain::bookmarkSaved(bool saved, const QString& text)
{
    if (!saved)
        return;
    m_notificationBar->showInfo(text);
    buildBookmarksMenu();
}

void WndMain::runCommand(const CommandEntry& entry)
{
    if (!entry.run)
        return;
    setContext(entry.actionText());
    entry.run(*this);
}

void WndMain::runSlot(void (WndMainDesigner::*slot)())
{
    if (const CommandEntry* entry = commandOfSlot(slot))
        runCommand(*entry);
}

void WndMain::runRequest(const QString& action, void (WndMainBase::*step)())
{
    setContext(action);
    (this->*step)();
}

void WndMain::connectSignals()
{
    UtilSignalManager* hub = UtilSignalManager::instance();
    connect(hub, &UtilSignalManager::onError, this, &WndMain::slotError);
    connect(hub, &UtilSignalManager::onWarning, this, &WndMain::slotWarning);
    connect(hub, &UtilSignalManager::onInfo, this, &WndMain::slotInfo);
    connect(hub, &UtilSignalManager::onRestoreBookmarksMenu, this, &WndMain::slotRestoreBookmarksMenu);
    connect(hub, &UtilSignalManager::onUpdateOptions, this, &WndMain::slotUpdateOptions);
    connect(hub, &UtilSignalManager::onUpdateProject, this, &WndMain::slotUpdateProject);
    connect(hub, &UtilSignalManager::onUpdateTabStatus, this, &WndMain::handleUpdateTabStatus);
    connect(hub, &UtilSignalManager::onLoad, this, &WndMain::slotLoad);
    connect(hub, &UtilSignalManager::onWebSearch, this,
            QOverload<const QString&, bool, bool>::of(&WndMain::slotWebSearch));
    connect(hub, &UtilSignalManager::onLinkHovered, this, &WndMain::handleLinkHovered);
    connect(hub, &UtilSignalManager::onQuickBookmark, this,
            QOverload<const QUrl&, const QString&, const QPixmap&>::of(&WndMain::slotQuickBookmark));
    connect(hub, QOverload<>::of(&UtilSignalManager::onBookmarkTab), this, QOverload<>::of(&WndMain::slotBookmarkTab));
    connect(hub, QOverload<const QUrl&, const QString&, const QPixmap&>::of(&UtilSignalManager::onBookmarkTab), this,
            QOverload<const QUrl&, const QString&, const QPixmap&>::of(&WndMain::slotBookmarkTab));
    connect(hub, &UtilSignalManager::onBookmarkAllTabs, this, &WndMain::slotBookmarkAllTabs);
    connect(hub, &UtilSignalManager::onPageSource, this, &WndMain::handlePageSource);
    connect(SecurityNotificator::instance(), &SecurityNotificator::onSecurityMessage, this,
            &WndMain::slotSecurityMessage);
    // The server may have answered before this window could listen.
    SecurityNotificator::instance()->deliverPending();
    connect(m_findBar, &WidFind::onFind, this, &WndMain::handleFind);
    connect(m_findBar, &WidFind::onFindAll, this, &WndMain::handleFindAll);
    connect(m_findBar, &WidFind::onClose, this, &WndMain::handleCloseFindBar);
    connect(m_replaceBar, &WidReplace::onReplace, this, &WndMain::handleReplace);
    connect(m_replaceBar, &WidReplace::onReplaceAll, this, &WndMain::handleReplaceAll);
    connect(m_replaceBar, &WidReplace::onClose, this, &WndMain::handleCloseFindBar);
    // Qt's own handling would close the window at logout, with the window's
    // close questions instead of each editor's.
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &WndMain::handleCommitData, Qt::DirectConnection);
}

void WndMain::handleCommitData(QSessionManager& manager)
{
    // Without leave to ask, the edits go as the session ends (logged).
    if (!manager.allowsInteraction())
        return;
    const bool drop = confirmDropUnsavedEdits();
    manager.release();
    if (!drop) {
        manager.cancel();
        return;
    }
    m_exitRequested = true;
}

// --- Menu slots: each runs the command of the command table that it names.

void WndMain::slotDebug() { runSlot(&W::slotDebug); }
void WndMain::slotNewTab() { runSlot(&W::slotNewTab); }
void WndMain::slotOpenFile() { runSlot(&W::slotOpenFile); }
void WndMain::slotCloseWindow() { runSlot(&W::slotCloseWindow); }
void WndMain::slotCloseTab() { runSlot(&W::slotCloseTab); }
void WndMain::slotSave() { runSlot(&W::slotSave); }
void WndMain::slotImport() { runSlot(&W::slotImport); }
void WndMain::slotExport() { runSlot(&W::slotExport); }
void WndMain::slotExit() { runSlot(&W::slotExit); }
void WndMain::slotUndo() { runSlot(&W::slotUndo); }
void WndMain::slotRedo() { runSlot(&W::slotRedo); }
void WndMain::slotCut() { runSlot(&W::slotCut); }
void WndMain::slotCopy() { runSlot(&W::slotCopy); }
void WndMain::slotPaste() { runSlot(&W::slotPaste); }
void WndMain::slotAdd() { runSlot(&W::slotAdd); }
void WndMain::slotEdit() { runSlot(&W::slotEdit); }
void WndMain::slotDelete() { runSlot(&W::slotDelete); }
void WndMain::slotSelectAll() { runSlot(&W::slotSelectAll); }
void WndMain::slotFind() { runSlot(&W::slotFind); }
void WndMain::slotFindNext() { runSlot(&W::slotFindNext); }
void WndMain::slotFindPrevious() { runSlot(&W::slotFindPrevious); }
void WndMain::slotReplace() { runSlot(&W::slotReplace); }
void WndMain::slotBack() { runSlot(&W::slotBack); }
void WndMain::slotForward() { runSlot(&W::slotForward); }
void WndMain::slotReload() { runSlot(&W::slotReload); }
void WndMain::slotStop() { runSlot(&W::slotStop); }
void WndMain::slotHomePage() { runSlot(&W::slotHomePage); }
void WndMain::slotOpenLocation() { runSlot(&W::slotOpenLocation); }
void WndMain::slotWebSearch() { runSlot(&W::slotWebSearch); }
void WndMain::slotMenuBar() { runSlot(&W::slotMenuBar); }
void WndMain::slotStatusBar() { runSlot(&W::slotStatusBar); }
void WndMain::slotZoomIn() { runSlot(&W::slotZoomIn); }
void WndMain::slotZoomOut() { runSlot(&W::slotZoomOut); }
void WndMain::slotZoomReset() { runSlot(&W::slotZoomReset); }
void WndMain::slotZoomTextOnly() { runSlot(&W::slotZoomTextOnly); }
void WndMain::slotPageSource() { runSlot(&W::slotPageSource); }
void WndMain::slotHistory() { runSlot(&W::slotHistory); }
void WndMain::slotClearRecentHistory() { runSlot(&W::slotClearRecentHistory); }
void WndMain::slotQuickBookmark() { runSlot(&W::slotQuickBookmark); }
void WndMain::slotBookmarkTab() { runSlot(&W::slotBookmarkTab); }
void WndMain::slotBookmarkAllTabs() { runSlot(&W::slotBookmarkAllTabs); }
void WndMain::slotBookmarks() { runSlot(&W::slotBookmarks); }
void WndMain::slotErrorConsole() { runSlot(&W::slotErrorConsole); }
void WndMain::slotNotificationConsole() { runSlot(&W::slotNotificationConsole); }
void WndMain::slotBackupDB() { runSlot(&W::slotBackupDB); }
void WndMain::slotCleanDB() { runSlot(&W::slotCleanDB); }
void WndMain::slotReindexDB() { runSlot(&W::slotReindexDB); }
void WndMain::slotDatabase() { runSlot(&W::slotDatabase); }
void WndMain::slotPrivateBrowsing() { runSlot(&W::slotPrivateBrowsing); }
void WndMain::slotOptions() { runSlot(&W::slotOptions); }
void WndMain::slotPageRank() { runSlot(&W::slotPageRank); }
void WndMain::slotPageRankHistory() { runSlot(&W::slotPageRankHistory); }
void WndMain::slotGUID() { runSlot(&W::slotGUID); }
void WndMain::slotStrongPassword() { runSlot(&W::slotStrongPassword); }
void WndMain::slotUriInfo() { runSlot(&W::slotUriInfo); }
void WndMain::slotFormFiller() { runSlot(&W::slotFormFiller); }
void WndMain::slotWebsites() { runSlot(&W::slotWebsites); }
void WndMain::slotMasterAccounts() { runSlot(&W::slotMasterAccounts); }
void WndMain::slotAccounts() { runSlot(&W::slotAccounts); }
void WndMain::slotQuickLogin() { runSlot(&W::slotQuickLogin); }
void WndMain::slotLogin() { runSlot(&W::slotLogin); }
void WndMain::slotRegister() { runSlot(&W::slotRegister); }
void WndMain::slotLogout() { runSlot(&W::slotLogout); }
void WndMain::slotHomePageEx() { runSlot(&W::slotHomePageEx); }
void WndMain::slotLoginPage() { runSlot(&W::slotLoginPage); }
void WndMain::slotRegistrationPage() { runSlot(&W::slotRegistrationPage); }
void WndMain::slotUserPage() { runSlot(&W::slotUserPage); }
void WndMain::slotSelectors() { runSlot(&W::slotSelectors); }
void WndMain::slotLoginTemplates() { runSlot(&W::slotLoginTemplates); }
void WndMain::slotRegistrationTemplates() { runSlot(&W::slotRegistrationTemplates); }
void WndMain::slotDirectoryTemplates() { runSlot(&W::slotDirectoryTemplates); }
void WndMain::slotSocialBookmarkTemplates() { runSlot(&W::slotSocialBookmarkTemplates); }
void WndMain::slotArticleTemplates() { runSlot(&W::slotArticleTemplates); }
void WndMain::slotProjects() { runSlot(&W::slotProjects); }
void WndMain::slotSwitchToProject() { runSlot(&W::slotSwitchToProject); }
void WndMain::slotDirectories() { runSlot(&W::slotDirectories); }
void WndMain::slotDirectorySubmitter() { runSlot(&W::slotDirectorySubmitter); }
void WndMain::slotSocialBookmarks() { runSlot(&W::slotSocialBookmarks); }
void WndMain::slotSocialBookmarkSubmitter() { runSlot(&W::slotSocialBookmarkSubmitter); }
void WndMain::slotArticles() { runSlot(&W::slotArticles); }
void WndMain::slotSpinnedArticles() { runSlot(&W::slotSpinnedArticles); }
void WndMain::slotCategories() { runSlot(&W::slotCategories); }
void WndMain::slotSynonyms() { runSlot(&W::slotSynonyms); }
void WndMain::slotArticleSubmitter() { runSlot(&W::slotArticleSubmitter); }
void WndMain::slotOnlineHelp() { runSlot(&W::slotOnlineHelp); }
void WndMain::slotCheckForUpdates() { runSlot(&W::slotCheckForUpdates); }
void WndMain::slotCheckForTemplates() { runSlot(&W::slotCheckForTemplates); }
void WndMain::slotAboutQt() { runSlot(&W::slotAboutQt); }
void WndMain::slotAbout() { runSlot(&W::slotAbout); }

// --- Bookmark, history and content requests

void WndMain::slotUrlClicked()
{
    setContext(M::load());
    const QUrl url = urlOfSender();
    if (!url.isEmpty())
        DelegateBrowser(m_tabManager, this).open(url);
}

void WndMain::handleUrlHovered()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (action && !action->toolTip().isEmpty())
        QToolTip::showText(QCursor::pos(), action->toolTip(), this);
}

void WndMain::slotQuickBookmark(const QUrl& url, const QString& title, const QPixmap& icon)
{
    setContext(M::quickBookmark());
    bookmarkSaved(DelegateBookmarks(m_tabManager, this).quickBookmark(url, title, icon), LocaleMessage::bookmarkSaved());
}

void WndMain::slotBookmarkTab(const QUrl& url, const QString& title, const QPixmap& icon)
{
    setContext(M::bookmarkThisTab());
    bookmarkSaved(DelegateBookmarks(m_tabManager, this).bookmarkWithDialog(url, title, icon),
                  LocaleMessage::bookmarkSaved());
}

void WndMain::slotOpenSpinnedArticles(const QString& articleID)
{
    setContext(M::spunArticles());
    DelegateProject(m_tabManager, this).openSpinnedArticles(articleID);
}

// --- Bars, hub and server notices

void WndMain::handleCloseFindBar()
{
    m_findBar->setVisible(false);
    m_replaceBar->setVisible(false);
    m_gotoLineBar->setVisible(false);
}

void WndMain::handleLinkHovered(const QString& link)
{
    m_statusBarWidget->setLinkText(link);
}

void WndMain::slotSecurityMessage(const QString& text)
{
    m_notificationBar->showSecurity(text);
}

void WndMain::handleFind(const QString& text, bool forward, bool matchCase)
{
    findCommand()->find(text, forward, matchCase);
}

void WndMain::handleFindAll(const QString& text, bool matchCase)
{
    findCommand()->findAll(text, matchCase);
}

void WndMain::handleGotoLine(int line)
{
    findCommand()->gotoLine(line);
}

void WndMain::handleReplace(const QString& text, const QString& with, bool forward, bool matchCase)
{
    findCommand()->replace(text, with, forward, matchCase);
}

void WndMain::handleReplaceAll(const QString& text, const QString& with, bool matchCase)
{
    findCommand()->replaceAll(text, with, matchCase);
}

void WndMain::handlePageSource(const QString& title, const QString& html)
{
    DelegateBrowser(m_tabManager, this).openPageSource(title, html);
}

void WndMain::slotWebSearch(const QString& words, bool newTab, bool focus)
{
    setContext(M::webSearch());
    DelegateBrowser(m_tabManager, this).webSearch(words, newTab, focus);
}

void WndMain::slotLoad(const QUrl& url, bool newTab, bool focus)
{
    setContext(M::load());
    DelegateBrowser(m_tabManager, this).load(url, newTab, focus);
}

void WndMain::handleUpdateTabStatus()
{
    if (BaseTab* tab = m_tabManager->pageAt(m_tabManager->currentIndex()))
        m_statusBarWidget->setTabStatus(tab->status());
}

void WndMain::slotUpdateProject() { runRequest(M::updateProject(), &WndMainBase::updateProjectLabel); }

void WndMain::slotUpdateOptions() { runRequest(M::updateOptions(), &WndMainBase::reloadOptions); }

void WndMain::slotRestoreBookmarksMenu() { runRequest(M::restoreBookmarksMenu(), &WndMainBase::buildBookmarksMenu); }

void WndMain::slotInfo(const QString& text)
{
    setContext(M::information());
    m_notificationBar->showInfo(text);
}

void WndMain::slotWarning(const QString& text)
{
    setContext(M::warning());
    m_notificationBar->showWarning(text);
}

void WndMain::slotError(const QString& text, bool untilClosed)
{
    setContext(M::error());
    m_notificationBar->showError(text, untilClosed);
}

} // namespace Vexal
