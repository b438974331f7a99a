#include "app/WndMain.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBManager.h"
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
    return QApplication::exec();
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

void WndMain::runCommand(Command command)
{
    const CommandEntry& entry = commandEntry(command);
    setContext(entry.actionText());
    entry.run(*this);
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
}

// --- Menu commands: each runs its entry of the command table.

void WndMain::slotDebug() { runCommand(Command::Debug); }
void WndMain::slotNewTab() { runCommand(Command::NewTab); }
void WndMain::slotOpenFile() { runCommand(Command::OpenFile); }
void WndMain::slotCloseWindow() { runCommand(Command::CloseWindow); }
void WndMain::slotCloseTab() { runCommand(Command::CloseTab); }
void WndMain::slotSave() { runCommand(Command::Save); }
void WndMain::slotImport() { runCommand(Command::Import); }
void WndMain::slotExport() { runCommand(Command::Export); }
void WndMain::slotExit() { runCommand(Command::Exit); }
void WndMain::slotUndo() { runCommand(Command::Undo); }
void WndMain::slotRedo() { runCommand(Command::Redo); }
void WndMain::slotCut() { runCommand(Command::Cut); }
void WndMain::slotCopy() { runCommand(Command::Copy); }
void WndMain::slotPaste() { runCommand(Command::Paste); }
void WndMain::slotAdd() { runCommand(Command::Add); }
void WndMain::slotEdit() { runCommand(Command::Edit); }
void WndMain::slotDelete() { runCommand(Command::Delete); }
void WndMain::slotSelectAll() { runCommand(Command::SelectAll); }
void WndMain::slotFind() { runCommand(Command::Find); }
void WndMain::slotFindNext() { runCommand(Command::FindNext); }
void WndMain::slotFindPrevious() { runCommand(Command::FindPrevious); }
void WndMain::slotReplace() { runCommand(Command::Replace); }
void WndMain::slotBack() { runCommand(Command::Back); }
void WndMain::slotForward() { runCommand(Command::Forward); }
void WndMain::slotReload() { runCommand(Command::Reload); }
void WndMain::slotStop() { runCommand(Command::Stop); }
void WndMain::slotHomePage() { runCommand(Command::HomePage); }
void WndMain::slotOpenLocation() { runCommand(Command::OpenLocation); }
void WndMain::slotWebSearch() { runCommand(Command::WebSearch); }
void WndMain::slotMenuBar() { runCommand(Command::MenuBar); }
void WndMain::slotStatusBar() { runCommand(Command::StatusBar); }
void WndMain::slotZoomIn() { runCommand(Command::ZoomIn); }
void WndMain::slotZoomOut() { runCommand(Command::ZoomOut); }
void WndMain::slotZoomReset() { runCommand(Command::ZoomReset); }
void WndMain::slotZoomTextOnly() { runCommand(Command::ZoomTextOnly); }
void WndMain::slotPageSource() { runCommand(Command::PageSource); }
void WndMain::slotHistory() { runCommand(Command::History); }
void WndMain::slotClearRecentHistory() { runCommand(Command::ClearRecentHistory); }
void WndMain::slotQuickBookmark() { runCommand(Command::QuickBookmark); }
void WndMain::slotBookmarkTab() { runCommand(Command::BookmarkTab); }
void WndMain::slotBookmarkAllTabs() { runCommand(Command::BookmarkAllTabs); }
void WndMain::slotBookmarks() { runCommand(Command::Bookmarks); }
void WndMain::slotErrorConsole() { runCommand(Command::ErrorConsole); }
void WndMain::slotNotificationConsole() { runCommand(Command::NotificationConsole); }
void WndMain::slotBackupDB() { runCommand(Command::BackupDB); }
void WndMain::slotCleanDB() { runCommand(Command::CleanDB); }
void WndMain::slotReindexDB() { runCommand(Command::ReindexDB); }
void WndMain::slotDatabase() { runCommand(Command::Database); }
void WndMain::slotPrivateBrowsing() { runCommand(Command::PrivateBrowsing); }
void WndMain::slotOptions() { runCommand(Command::Options); }
void WndMain::slotPageRank() { runCommand(Command::PageRank); }
void WndMain::slotPageRankHistory() { runCommand(Command::PageRankHistory); }
void WndMain::slotGUID() { runCommand(Command::Guid); }
void WndMain::slotStrongPassword() { runCommand(Command::StrongPassword); }
void WndMain::slotUriInfo() { runCommand(Command::UriInfo); }
void WndMain::slotFormFiller() { runCommand(Command::FormFiller); }
void WndMain::slotWebsites() { runCommand(Command::Websites); }
void WndMain::slotMasterAccounts() { runCommand(Command::MasterAccounts); }
void WndMain::slotAccounts() { runCommand(Command::Accounts); }
void WndMain::slotQuickLogin() { runCommand(Command::QuickLogin); }
void WndMain::slotLogin() { runCommand(Command::Login); }
void WndMain::slotRegister() { runCommand(Command::Register); }
void WndMain::slotLogout() { runCommand(Command::Logout); }
void WndMain::slotHomePageEx() { runCommand(Command::SiteHomePage); }
void WndMain::slotLoginPage() { runCommand(Command::LoginPage); }
void WndMain::slotRegistrationPage() { runCommand(Command::RegistrationPage); }
void WndMain::slotUserPage() { runCommand(Command::UserPage); }
void WndMain::slotSelectors() { runCommand(Command::Selectors); }
void WndMain::slotLoginTemplates() { runCommand(Command::LoginTemplates); }
void WndMain::slotRegistrationTemplates() { runCommand(Command::RegistrationTemplates); }
void WndMain::slotDirectoryTemplates() { runCommand(Command::DirectoryTemplates); }
void WndMain::slotSocialBookmarkTemplates() { runCommand(Command::SocialBookmarkTemplates); }
void WndMain::slotArticleTemplates() { runCommand(Command::ArticleTemplates); }
void WndMain::slotProjects() { runCommand(Command::Projects); }
void WndMain::slotSwitchToProject() { runCommand(Command::SwitchToProject); }
void WndMain::slotDirectories() { runCommand(Command::Directories); }
void WndMain::slotDirectorySubmitter() { runCommand(Command::DirectorySubmitter); }
void WndMain::slotSocialBookmarks() { runCommand(Command::SocialBookmarks); }
void WndMain::slotSocialBookmarkSubmitter() { runCommand(Command::SocialBookmarkSubmitter); }
void WndMain::slotArticles() { runCommand(Command::Articles); }
void WndMain::slotSpinnedArticles() { runCommand(Command::SpinnedArticles); }
void WndMain::slotCategories() { runCommand(Command::Categories); }
void WndMain::slotSynonyms() { runCommand(Command::Synonyms); }
void WndMain::slotArticleSubmitter() { runCommand(Command::ArticleSubmitter); }
void WndMain::slotOnlineHelp() { runCommand(Command::OnlineHelp); }
void WndMain::slotCheckForUpdates() { runCommand(Command::CheckForUpdates); }
void WndMain::slotCheckForTemplates() { runCommand(Command::CheckForTemplates); }
void WndMain::slotAboutQt() { runCommand(Command::AboutQt); }
void WndMain::slotAbout() { runCommand(Command::About); }

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

void WndMain::slotUpdateProject() { runCommand(Command::UpdateProject); }

void WndMain::slotUpdateOptions() { runCommand(Command::UpdateOptions); }

void WndMain::slotRestoreBookmarksMenu() { runCommand(Command::RestoreBookmarksMenu); }

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

void WndMain::slotError(const QString& text)
{
    setContext(M::error());
    m_notificationBar->showError(text);
}

} // namespace Vexal
