#include "app/WndMain.h"

#include "core/ConstApp.h"
#include "core/Debug.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBManager.h"
#include "shell/BaseTab.h"
#include "app/DelegateBrowser.h"
#include "app/DelegateFind.h"
#include "app/DelegateTools.h"
#include "app/DelegateToolsPlus.h"
#include "app/DelegateWeb.h"
#include "app/DelegateProject.h"
#include "sites/DelegateSiteJournals.h"
#include "views/DelegateBookmarks.h"
#include "views/DelegateHistory.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidNotificationBar.h"
#include "shell/WidReplace.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "sites/SecurityNotificator.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"
#include "texts/UtilKeySequence.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QMessageBox>
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
    std::unique_ptr<WndMain> window = create(manager);
    if (!window)
        return 1;
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

BaseTab* WndMain::tabFor(const QString& action)
{
    setContext(action);
    return currentTab();
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

// --- File

void WndMain::slotDebug()
{
    setContext(M::debug());
    Debug debug;
    debug.run();
}

void WndMain::slotNewTab()
{
    setContext(M::newTab());
    DelegateBrowser(m_tabManager, this).newTab();
}

void WndMain::slotOpenFile()
{
    setContext(M::open());
    DelegateBrowser(m_tabManager, this).openFile();
}

void WndMain::slotCloseWindow()
{
    setContext(M::closeWindow());
    m_exitRequested = false;
    close();
}

void WndMain::slotCloseTab()
{
    setContext(M::closeTab());
    m_tabManager->closeTab(m_tabManager->currentIndex(), false);
}

void WndMain::slotSave()
{
    if (BaseTab* tab = tabFor(M::save()))
        tab->save();
}

void WndMain::slotImport()
{
    setContext(M::importData());
    DelegateBrowser(m_tabManager, this).importXml();
    buildOnlineToolsMenu();
    buildBookmarksMenu();
}

void WndMain::slotExport()
{
    setContext(M::exportData());
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int code = action->data().toInt();
    if (code != 0)
        DelegateBrowser(m_tabManager, this).exportXml(code);
}

void WndMain::slotExit()
{
    setContext(M::exit());
    m_exitRequested = true;
    close();
}

// --- Edit

void WndMain::slotUndo()
{
    if (BaseTab* tab = tabFor(M::undo()))
        tab->undo();
}

void WndMain::slotRedo()
{
    if (BaseTab* tab = tabFor(M::redo()))
        tab->redo();
}

void WndMain::slotCut()
{
    if (BaseTab* tab = tabFor(M::cut()))
        tab->cut();
}

void WndMain::slotCopy()
{
    if (BaseTab* tab = tabFor(M::copy()))
        tab->copy();
}

void WndMain::slotPaste()
{
    if (BaseTab* tab = tabFor(M::paste()))
        tab->paste();
}

void WndMain::slotAdd()
{
    if (BaseTab* tab = tabFor(M::add()))
        tab->add();
}

void WndMain::slotEdit()
{
    if (BaseTab* tab = tabFor(M::edit()))
        tab->edit();
}

void WndMain::slotDelete()
{
    if (BaseTab* tab = tabFor(M::deleteItem()))
        tab->remove();
}

void WndMain::slotSelectAll()
{
    if (BaseTab* tab = tabFor(M::selectAll()))
        tab->selectAll();
}

void WndMain::slotFind()
{
    setContext(M::find());
    findCommand()->showFind();
}

void WndMain::slotFindNext()
{
    setContext(M::findNext());
    findCommand()->findNext();
}

void WndMain::slotFindPrevious()
{
    setContext(M::findPrevious());
    findCommand()->findPrevious();
}

void WndMain::slotReplace()
{
    setContext(M::replace());
    findCommand()->showReplace();
}

// --- Navigate

void WndMain::slotBack()
{
    if (BaseTab* tab = tabFor(M::back()))
        tab->back();
}

void WndMain::slotForward()
{
    if (BaseTab* tab = tabFor(M::forward()))
        tab->forward();
}

void WndMain::slotReload()
{
    if (BaseTab* tab = tabFor(M::reload()))
        tab->reload();
}

void WndMain::slotStop()
{
    if (BaseTab* tab = tabFor(M::stop()))
        tab->stop();
}

void WndMain::slotHomePage()
{
    setContext(M::homePage());
    DelegateBrowser(m_tabManager, this).homePage();
}

void WndMain::slotOpenLocation()
{
    setContext(M::openLocation());
    DelegateBrowser(m_tabManager, this).focusLocation();
}

void WndMain::slotWebSearch()
{
    setContext(M::webSearch());
    DelegateBrowser(m_tabManager, this).focusWebSearch();
}

// --- View

void WndMain::slotMenuBar()
{
    setContext(M::menuBar());
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const bool checked = action->isChecked();
    for (QAction* each : {m_viewMenuBarAction, m_tabMenuBarAction, m_windowMenuBarAction})
        if (each)
            each->setChecked(checked);
    menuBar()->setVisible(checked);
    UtilKeySequence::assignMenuBarKeys(m_viewMenuBarAction, m_windowMenuBarAction, checked);
    saveGuiState();
}

void WndMain::slotStatusBar()
{
    setContext(M::statusBar());
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const bool checked = action->isChecked();
    for (QAction* each : {m_viewStatusBarAction, m_tabStatusBarAction})
        if (each)
            each->setChecked(checked);
    m_statusBarWidget->setVisible(checked);
    saveGuiState();
}

void WndMain::slotZoomIn()
{
    if (BaseTab* tab = tabFor(M::zoomIn()))
        tab->zoomIn();
}

void WndMain::slotZoomOut()
{
    if (BaseTab* tab = tabFor(M::zoomOut()))
        tab->zoomOut();
}

void WndMain::slotZoomReset()
{
    if (BaseTab* tab = tabFor(M::zoomReset()))
        tab->zoomReset();
}

void WndMain::slotZoomTextOnly()
{
    if (BaseTab* tab = tabFor(M::zoomTextOnly()))
        tab->setZoomTextOnly(!tab->isZoomTextOnly());
}

void WndMain::slotPageSource()
{
    setContext(M::pageSource());
    DelegateBrowser(m_tabManager, this).pageSource();
}

// --- History and bookmarks

void WndMain::slotHistory()
{
    setContext(M::history());
    DelegateHistory(m_tabManager, this).history();
}

void WndMain::slotClearRecentHistory()
{
    setContext(M::clearRecentHistory());
    DelegateHistory(m_tabManager, this).clearRecentHistory();
}

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

void WndMain::slotQuickBookmark()
{
    setContext(M::quickBookmark());
    bookmarkSaved(DelegateBookmarks(m_tabManager, this).quickBookmarkCurrentTab(), LocaleMessage::bookmarkSaved());
}

void WndMain::slotBookmarkTab()
{
    setContext(M::bookmarkThisTab());
    bookmarkSaved(DelegateBookmarks(m_tabManager, this).bookmarkCurrentTab(), LocaleMessage::bookmarkSaved());
}

void WndMain::slotBookmarkAllTabs()
{
    setContext(M::bookmarkAllTabs());
    bookmarkSaved(DelegateBookmarks(m_tabManager, this).bookmarkAllTabs(), LocaleMessage::allBookmarksSaved());
}

void WndMain::slotBookmarks()
{
    setContext(M::bookmarks());
    DelegateBookmarks(m_tabManager, this).openJournal();
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

// --- Tools

void WndMain::slotErrorConsole()
{
    setContext(M::errorConsole());
    DelegateTools(m_tabManager, this).openErrorConsole();
}

void WndMain::slotNotificationConsole()
{
    setContext(M::notificationConsole());
    DelegateTools(m_tabManager, this).openNotificationConsole();
}

void WndMain::slotBackupDB()
{
    setContext(M::backupDatabase());
    DelegateTools(m_tabManager, this).backupDatabase();
}

void WndMain::slotCleanDB()
{
    setContext(M::cleanDatabase());
    DelegateTools(m_tabManager, this).cleanDatabase();
}

void WndMain::slotReindexDB()
{
    setContext(M::rebuildIndexes());
    DelegateTools(m_tabManager, this).reindexDatabase();
}

void WndMain::slotDatabase()
{
    setContext(M::database());
    DelegateTools(m_tabManager, this).openDatabase();
}

void WndMain::slotPrivateBrowsing()
{
    setContext(M::privateBrowsing());
    // A failed save puts the check mark back (the command asks the window).
    DelegateTools(m_tabManager, this).setPrivateBrowsing(m_privateBrowsingAction->isChecked());
}

void WndMain::slotOptions()
{
    setContext(M::options());
    DelegateTools(m_tabManager, this).openOptions();
}

void WndMain::slotPageRank()
{
    setContext(M::pageRank());
    DelegateToolsPlus(m_tabManager, this).checkPageRank();
}

void WndMain::slotPageRankHistory()
{
    setContext(M::pageRankHistory());
    DelegateToolsPlus(m_tabManager, this).openRankJournal();
}

void WndMain::slotGUID()
{
    setContext(M::guid());
    DelegateToolsPlus(m_tabManager, this).openGuidGenerator();
}

void WndMain::slotStrongPassword()
{
    setContext(M::strongPassword());
    DelegateToolsPlus(m_tabManager, this).openPasswordGenerator();
}

void WndMain::slotUriInfo()
{
    setContext(M::uriInfo());
    DelegateToolsPlus(m_tabManager, this).openUrlInfo();
}

void WndMain::slotFormFiller()
{
    setContext(M::formFiller());
    DelegateToolsPlus(m_tabManager, this).openFormFiller();
}

// --- Web

void WndMain::slotWebsites()
{
    setContext(M::websites());
    DelegateSiteJournals(m_tabManager, this).openWebsites();
}

void WndMain::slotMasterAccounts()
{
    setContext(M::masterAccounts());
    DelegateSiteJournals(m_tabManager, this).openMasterAccounts();
}

void WndMain::slotAccounts()
{
    setContext(M::accounts());
    DelegateSiteJournals(m_tabManager, this).openAccounts();
}

void WndMain::slotQuickLogin()
{
    setContext(M::login());
    DelegateWeb(m_tabManager, this).quickLogin();
}

void WndMain::slotLogin()
{
    setContext(M::login());
    DelegateWeb(m_tabManager, this).login();
}

void WndMain::slotRegister()
{
    setContext(M::registerAccount());
    DelegateWeb(m_tabManager, this).openRegistrationSubmitter();
}

void WndMain::slotLogout()
{
    setContext(M::logout());
    DelegateWeb(m_tabManager, this).openCurrentSitePage(2);
}

void WndMain::slotHomePageEx()
{
    setContext(M::homePage());
    DelegateWeb(m_tabManager, this).openCurrentSitePage(0);
}

void WndMain::slotLoginPage()
{
    setContext(M::loginPage());
    DelegateWeb(m_tabManager, this).openCurrentSitePage(1);
}

void WndMain::slotRegistrationPage()
{
    setContext(M::registrationPage());
    DelegateWeb(m_tabManager, this).openCurrentSitePage(3);
}

void WndMain::slotUserPage()
{
    setContext(M::userPage());
    DelegateWeb(m_tabManager, this).openCurrentSitePage(4);
}

void WndMain::slotSelectors()
{
    setContext(M::selectors());
    DelegateWeb(m_tabManager, this).openSelectors();
}

void WndMain::slotLoginTemplates()
{
    setContext(M::loginTemplates());
    DelegateWeb(m_tabManager, this).openLoginTemplates();
}

void WndMain::slotRegistrationTemplates()
{
    setContext(M::registrationTemplates());
    DelegateWeb(m_tabManager, this).openRegistrationTemplates();
}

void WndMain::slotDirectoryTemplates()
{
    setContext(M::directoryTemplates());
    DelegateWeb(m_tabManager, this).openDirectoryTemplates();
}

void WndMain::slotSocialBookmarkTemplates()
{
    setContext(M::socialBookmarkTemplates());
    DelegateWeb(m_tabManager, this).openSocialBookmarkTemplates();
}

void WndMain::slotArticleTemplates()
{
    setContext(M::articleTemplates());
    DelegateWeb(m_tabManager, this).openArticleTemplates();
}

// --- Projects

void WndMain::slotProjects()
{
    setContext(M::projects());
    DelegateProject(m_tabManager, this).openProjects();
}

void WndMain::slotSwitchToProject()
{
    setContext(M::switchToProject());
    DelegateProject(m_tabManager, this).switchToProject();
}

void WndMain::slotDirectories()
{
    setContext(M::directories());
    DelegateProject(m_tabManager, this).openDirectories();
}

void WndMain::slotDirectorySubmitter()
{
    setContext(M::submit());
    DelegateProject(m_tabManager, this).openDirectorySubmitter();
}

void WndMain::slotSocialBookmarks()
{
    setContext(M::socialBookmarks());
    DelegateProject(m_tabManager, this).openSocialBookmarks();
}

void WndMain::slotSocialBookmarkSubmitter()
{
    setContext(M::submit());
    DelegateProject(m_tabManager, this).openSocialBookmarkSubmitter();
}

void WndMain::slotArticles()
{
    setContext(M::articles());
    DelegateProject(m_tabManager, this).openArticles();
}

void WndMain::slotSpinnedArticles()
{
    setContext(M::spunArticles());
    DelegateProject(m_tabManager, this).openSpinnedArticles();
}

void WndMain::slotCategories()
{
    setContext(M::categories());
    DelegateProject(m_tabManager, this).openCategories();
}

void WndMain::slotSynonyms()
{
    setContext(M::synonyms());
    DelegateProject(m_tabManager, this).openSynonyms();
}

void WndMain::slotArticleSubmitter()
{
    setContext(M::submit());
    DelegateProject(m_tabManager, this).openArticleSubmitter();
}

void WndMain::slotOpenSpinnedArticles(const QString& articleID)
{
    setContext(M::spunArticles());
    DelegateProject(m_tabManager, this).openSpinnedArticles(articleID);
}

// --- Help

void WndMain::slotOnlineHelp()
{
    setContext(M::onlineHelp());
    DelegateBrowser(m_tabManager, this).open(QUrl(ConstApp::helpUrl()));
}

void WndMain::slotCheckForUpdates()
{
    setContext(M::checkForUpdates());
    DelegateBrowser(m_tabManager, this).open(QUrl(ConstApp::updatesPageUrl()));
}

void WndMain::slotCheckForTemplates()
{
    setContext(M::checkForNewTemplates());
    DelegateBrowser(m_tabManager, this).open(QUrl(ConstApp::templatesUrl()));
}

void WndMain::slotAboutQt()
{
    setContext(M::aboutQt());
    QMessageBox::aboutQt(this, ConstApp::title());
}

void WndMain::slotAbout()
{
    setContext(M::about());
    QMessageBox::about(this, ConstApp::title(), ConstApp::aboutText());
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

void WndMain::slotUpdateProject()
{
    setContext(M::updateProject());
    updateProjectLabel();
}

void WndMain::slotUpdateOptions()
{
    setContext(M::updateOptions());
    reloadOptions();
}

void WndMain::slotRestoreBookmarksMenu()
{
    setContext(M::restoreBookmarksMenu());
    buildBookmarksMenu();
}

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
