#include "app/WndMainCommand.h"

#include "app/DelegateBrowser.h"
#include "app/DelegateFind.h"
#include "app/DelegateProject.h"
#include "app/DelegateTools.h"
#include "app/DelegateToolsPlus.h"
#include "app/DelegateWeb.h"
#include "app/WndMain.h"
#include "core/ConstApp.h"
#include "core/Debug.h"
#include "exchange/RecordKinds.h"
#include "shell/BaseTab.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "sites/DelegateSiteJournals.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"
#include "texts/UtilKeySequence.h"
#include "views/DelegateBookmarks.h"
#include "views/DelegateHistory.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

#include <iterator>

namespace Vexal {

namespace {

template <class Member>
struct CommandClass;
template <class Class, class Result>
struct CommandClass<Result (Class::*)()> {
    using type = Class;
};

} // namespace

// Builds the table; a friend of the window, so that what a command runs can
// reach the window's bars, actions and command objects.
class CommandRunner
{
public:
    static const CommandEntry& entry(Command command);

private:
    // An operation of the current tab; no tab is reported.
    template <void (BaseTab::*operation)()>
    static void onTab(WndMain& window)
    {
        if (BaseTab* tab = window.currentTab())
            (tab->*operation)();
    }

    // One operation of a command object built for the window.
    template <auto operation>
    static void call(WndMain& window)
    {
        typename CommandClass<decltype(operation)>::type command(window.tabManager(), &window);
        (command.*operation)();
    }

    template <void (WndMainBase::*operation)()>
    static void onWindow(WndMain& window)
    {
        (window.*operation)();
    }

    template <void (DelegateFind::*operation)()>
    static void find(WndMain& window)
    {
        ((*window.findCommand()).*operation)();
    }

    template <bool (DelegateBookmarks::*operation)(), QString (*saved)()>
    static void bookmark(WndMain& window)
    {
        window.bookmarkSaved((DelegateBookmarks(window.tabManager(), &window).*operation)(), saved());
    }

    template <int page>
    static void sitePage(WndMain& window)
    {
        DelegateWeb(window.tabManager(), &window).openCurrentSitePage(page);
    }

    template <QString (*address)()>
    static void openAddress(WndMain& window)
    {
        DelegateBrowser(window.tabManager(), &window).open(QUrl(address()));
    }

    static void debug(WndMain&)
    {
        Debug debug;
        debug.run();
    }

    static void closeWindow(WndMain& window)
    {
        window.m_exitRequested = false;
        window.close();
    }

    static void exit(WndMain& window)
    {
        window.m_exitRequested = true;
        window.close();
    }

    static void closeTab(WndMain& window)
    {
        window.m_tabManager->closeTab(window.m_tabManager->currentIndex(), false);
    }

    static void importData(WndMain& window)
    {
        DelegateBrowser(window.tabManager(), &window).importXml();
        window.buildOnlineToolsMenu();
        window.buildBookmarksMenu();
    }

    // Each Export item carries the type code of what it exports.
    static void exportData(WndMain& window)
    {
        auto* action = qobject_cast<QAction*>(window.sender());
        if (!action)
            return;
        const int code = action->data().toInt();
        if (RecordKinds::find(code))
            DelegateBrowser(window.tabManager(), &window).exportXml(code);
    }

    // The View menu, the tab menu and the window's own key each toggle the
    // menu bar; all three follow the one that was triggered.
    static void menuBar(WndMain& window)
    {
        auto* action = qobject_cast<QAction*>(window.sender());
        if (!action)
            return;
        const bool checked = action->isChecked();
        for (QAction* each : {window.m_viewMenuBarAction, window.m_tabMenuBarAction, window.m_windowMenuBarAction})
            if (each)
                each->setChecked(checked);
        window.menuBar()->setVisible(checked);
        UtilKeySequence::assignMenuBarKeys(window.m_viewMenuBarAction, window.m_windowMenuBarAction, checked);
        window.saveGuiState();
    }

    static void statusBar(WndMain& window)
    {
        auto* action = qobject_cast<QAction*>(window.sender());
        if (!action)
            return;
        const bool checked = action->isChecked();
        for (QAction* each : {window.m_viewStatusBarAction, window.m_tabStatusBarAction})
            if (each)
                each->setChecked(checked);
        window.m_statusBarWidget->setVisible(checked);
        window.saveGuiState();
    }

    // Follows the tab's own flag, whatever the menu's check mark says.
    static void zoomTextOnly(WndMain& window)
    {
        if (BaseTab* tab = window.currentTab())
            tab->setZoomTextOnly(!tab->isZoomTextOnly());
    }

    static void privateBrowsing(WndMain& window)
    {
        // A failed save puts the check mark back (the command asks the window).
        DelegateTools(window.tabManager(), &window).setPrivateBrowsing(window.m_privateBrowsingAction->isChecked());
    }

    static void aboutQt(WndMain& window) { QMessageBox::aboutQt(&window, ConstApp::title()); }
    static void about(WndMain& window) { QMessageBox::about(&window, ConstApp::title(), ConstApp::aboutText()); }
};

const CommandEntry& CommandRunner::entry(Command command)
{
    using C = Command;
    using M = LocaleMenu;
    using K = UtilKeySequence;
    using W = WndMainDesigner;
    constexpr auto spunArticles = static_cast<void (DelegateProject::*)()>(&DelegateProject::openSpinnedArticles);

    static constexpr CommandEntry table[] = {
        {C::Debug, M::debug, K::debug, &W::slotDebug, debug},
        {C::NewTab, M::newTab, K::newTab, &W::slotNewTab, call<&DelegateBrowser::newTab>},
        {C::OpenFile, M::open, K::open, &W::slotOpenFile, call<&DelegateBrowser::openFile>},
        {C::CloseWindow, M::closeWindow, K::closeWindow, &W::slotCloseWindow, closeWindow},
        {C::CloseTab, M::closeTab, K::closeTab, &W::slotCloseTab, closeTab},
        {C::Save, M::save, K::save, &W::slotSave, onTab<&BaseTab::save>},
        {C::Import, M::importData, K::importData, &W::slotImport, importData},
        {C::Export, M::exportData, K::none, &W::slotExport, exportData},
        {C::Exit, M::exit, K::exit, &W::slotExit, exit},

        {C::Undo, M::undo, K::undo, &W::slotUndo, onTab<&BaseTab::undo>},
        {C::Redo, M::redo, K::redo, &W::slotRedo, onTab<&BaseTab::redo>},
        {C::Cut, M::cut, K::cut, &W::slotCut, onTab<&BaseTab::cut>},
        {C::Copy, M::copy, K::copy, &W::slotCopy, onTab<&BaseTab::copy>},
        {C::Paste, M::paste, K::paste, &W::slotPaste, onTab<&BaseTab::paste>},
        {C::Add, M::add, K::add, &W::slotAdd, onTab<&BaseTab::add>},
        {C::Edit, M::edit, K::edit, &W::slotEdit, onTab<&BaseTab::edit>},
        {C::Delete, M::deleteItem, K::deleteItem, &W::slotDelete, onTab<&BaseTab::remove>},
        {C::SelectAll, M::selectAll, K::selectAll, &W::slotSelectAll, onTab<&BaseTab::selectAll>},
        {C::Find, M::find, K::find, &W::slotFind, find<&DelegateFind::showFind>},
        {C::FindNext, M::findNext, K::findNext, &W::slotFindNext, find<&DelegateFind::findNext>},
        {C::FindPrevious, M::findPrevious, K::findPrevious, &W::slotFindPrevious, find<&DelegateFind::findPrevious>},
        {C::Replace, M::replace, K::replace, &W::slotReplace, find<&DelegateFind::showReplace>},

        {C::Back, M::back, K::back, &W::slotBack, onTab<&BaseTab::back>},
        {C::Forward, M::forward, K::forward, &W::slotForward, onTab<&BaseTab::forward>},
        {C::Reload, M::reload, K::reload, &W::slotReload, onTab<&BaseTab::reload>},
        {C::Stop, M::stop, K::stop, &W::slotStop, onTab<&BaseTab::stop>},
        {C::HomePage, M::homePage, K::homePage, &W::slotHomePage, call<&DelegateBrowser::homePage>},
        {C::OpenLocation, M::openLocation, K::openLocation, &W::slotOpenLocation,
         call<&DelegateBrowser::focusLocation>},
        {C::WebSearch, M::webSearch, K::webSearch, &W::slotWebSearch, call<&DelegateBrowser::focusWebSearch>},

        {C::MenuBar, M::menuBar, K::menuBar, &W::slotMenuBar, menuBar},
        {C::StatusBar, M::statusBar, K::statusBar, &W::slotStatusBar, statusBar},
        {C::ZoomIn, M::zoomIn, K::zoomIn, &W::slotZoomIn, onTab<&BaseTab::zoomIn>},
        {C::ZoomOut, M::zoomOut, K::zoomOut, &W::slotZoomOut, onTab<&BaseTab::zoomOut>},
        {C::ZoomReset, M::zoomReset, K::zoomReset, &W::slotZoomReset, onTab<&BaseTab::zoomReset>},
        {C::ZoomTextOnly, M::zoomTextOnly, K::zoomTextOnly, &W::slotZoomTextOnly, zoomTextOnly},
        {C::PageSource, M::pageSource, K::pageSource, &W::slotPageSource, call<&DelegateBrowser::pageSource>},

        {C::History, M::history, K::history, &W::slotHistory, call<&DelegateHistory::history>},
        {C::ClearRecentHistory, M::clearRecentHistory, K::clearRecentHistory, &W::slotClearRecentHistory,
         call<&DelegateHistory::clearRecentHistory>},
        {C::QuickBookmark, M::quickBookmark, K::quickBookmark, &W::slotQuickBookmark,
         bookmark<&DelegateBookmarks::quickBookmarkCurrentTab, &LocaleMessage::bookmarkSaved>},
        {C::BookmarkTab, M::bookmarkThisTab, K::bookmarkThisTab, &W::slotBookmarkTab,
         bookmark<&DelegateBookmarks::bookmarkCurrentTab, &LocaleMessage::bookmarkSaved>},
        {C::BookmarkAllTabs, M::bookmarkAllTabs, K::bookmarkAllTabs, &W::slotBookmarkAllTabs,
         bookmark<&DelegateBookmarks::bookmarkAllTabs, &LocaleMessage::allBookmarksSaved>},
        {C::Bookmarks, M::bookmarks, K::bookmarks, &W::slotBookmarks, call<&DelegateBookmarks::openJournal>},

        {C::PageRank, M::pageRank, K::pageRank, &W::slotPageRank, call<&DelegateToolsPlus::checkPageRank>},
        {C::PageRankHistory, M::pageRankHistory, K::pageRankHistory, &W::slotPageRankHistory,
         call<&DelegateToolsPlus::openRankJournal>},
        {C::Guid, M::guid, K::guid, &W::slotGUID, call<&DelegateToolsPlus::openGuidGenerator>},
        {C::StrongPassword, M::strongPassword, K::strongPassword, &W::slotStrongPassword,
         call<&DelegateToolsPlus::openPasswordGenerator>},
        {C::UriInfo, M::uriInfo, K::uriInfo, &W::slotUriInfo, call<&DelegateToolsPlus::openUrlInfo>},
        {C::ErrorConsole, M::errorConsole, K::errorConsole, &W::slotErrorConsole,
         call<&DelegateTools::openErrorConsole>},
        {C::NotificationConsole, M::notificationConsole, K::notificationConsole, &W::slotNotificationConsole,
         call<&DelegateTools::openNotificationConsole>},
        {C::FormFiller, M::formFiller, K::formFiller, &W::slotFormFiller, call<&DelegateToolsPlus::openFormFiller>},
        {C::BackupDB, M::backupDatabase, K::backupDatabase, &W::slotBackupDB, call<&DelegateTools::backupDatabase>},
        {C::CleanDB, M::cleanDatabase, K::cleanDatabase, &W::slotCleanDB, call<&DelegateTools::cleanDatabase>},
        {C::ReindexDB, M::rebuildIndexes, K::rebuildIndexes, &W::slotReindexDB,
         call<&DelegateTools::reindexDatabase>},
        {C::Database, M::database, K::database, &W::slotDatabase, call<&DelegateTools::openDatabase>},
        {C::PrivateBrowsing, M::privateBrowsing, K::privateBrowsing, &W::slotPrivateBrowsing, privateBrowsing},
        {C::Options, M::options, K::options, &W::slotOptions, call<&DelegateTools::openOptions>},

        {C::Websites, M::websites, K::websites, &W::slotWebsites, call<&DelegateSiteJournals::openWebsites>},
        {C::MasterAccounts, M::masterAccounts, K::masterAccounts, &W::slotMasterAccounts,
         call<&DelegateSiteJournals::openMasterAccounts>},
        {C::Accounts, M::accounts, K::accounts, &W::slotAccounts, call<&DelegateSiteJournals::openAccounts>},
        // Logged as a login: the quick one only skips the dialog.
        {C::QuickLogin, M::quickLogin, K::quickLogin, &W::slotQuickLogin, call<&DelegateWeb::quickLogin>, M::login},
        {C::Login, M::login, K::login, &W::slotLogin, call<&DelegateWeb::login>},
        {C::Register, M::registerAccount, K::registerAccount, &W::slotRegister,
         call<&DelegateWeb::openRegistrationSubmitter>},
        {C::Logout, M::logout, K::logout, &W::slotLogout, sitePage<DelegateWeb::LogoutPage>},
        {C::SiteHomePage, M::homePage, K::none, &W::slotHomePageEx, sitePage<DelegateWeb::HomePage>},
        {C::LoginPage, M::loginPage, K::loginPage, &W::slotLoginPage, sitePage<DelegateWeb::LoginPage>},
        {C::RegistrationPage, M::registrationPage, K::registrationPage, &W::slotRegistrationPage,
         sitePage<DelegateWeb::RegistrationPage>},
        {C::UserPage, M::userPage, K::userPage, &W::slotUserPage, sitePage<DelegateWeb::UserPage>},
        {C::Selectors, M::selectors, K::none, &W::slotSelectors, call<&DelegateWeb::openSelectors>},
        {C::LoginTemplates, M::loginTemplates, K::none, &W::slotLoginTemplates, call<&DelegateWeb::openLoginTemplates>},
        {C::RegistrationTemplates, M::registrationTemplates, K::none, &W::slotRegistrationTemplates,
         call<&DelegateWeb::openRegistrationTemplates>},
        {C::ArticleTemplates, M::articleTemplates, K::none, &W::slotArticleTemplates,
         call<&DelegateWeb::openArticleTemplates>},
        {C::DirectoryTemplates, M::directoryTemplates, K::none, &W::slotDirectoryTemplates,
         call<&DelegateWeb::openDirectoryTemplates>},
        {C::SocialBookmarkTemplates, M::socialBookmarkTemplates, K::none, &W::slotSocialBookmarkTemplates,
         call<&DelegateWeb::openSocialBookmarkTemplates>},

        {C::Projects, M::projects, K::projects, &W::slotProjects, call<&DelegateProject::openProjects>},
        {C::SwitchToProject, M::switchToProject, K::switchToProject, &W::slotSwitchToProject,
         call<&DelegateProject::switchToProject>},
        {C::Articles, M::articles, K::none, &W::slotArticles, call<&DelegateProject::openArticles>},
        {C::SpinnedArticles, M::spunArticles, K::none, &W::slotSpinnedArticles, call<spunArticles>},
        {C::Categories, M::categories, K::none, &W::slotCategories, call<&DelegateProject::openCategories>},
        {C::Synonyms, M::synonyms, K::none, &W::slotSynonyms, call<&DelegateProject::openSynonyms>},
        {C::ArticleSubmitter, M::submit, K::none, &W::slotArticleSubmitter,
         call<&DelegateProject::openArticleSubmitter>},
        {C::Directories, M::directories, K::none, &W::slotDirectories, call<&DelegateProject::openDirectories>},
        {C::DirectorySubmitter, M::submit, K::none, &W::slotDirectorySubmitter,
         call<&DelegateProject::openDirectorySubmitter>},
        {C::SocialBookmarks, M::socialBookmarks, K::none, &W::slotSocialBookmarks,
         call<&DelegateProject::openSocialBookmarks>},
        {C::SocialBookmarkSubmitter, M::submit, K::none, &W::slotSocialBookmarkSubmitter,
         call<&DelegateProject::openSocialBookmarkSubmitter>},

        {C::OnlineHelp, M::onlineHelp, K::onlineHelp, &W::slotOnlineHelp, openAddress<&ConstApp::helpUrl>},
        {C::CheckForUpdates, M::checkForUpdates, K::checkForUpdates, &W::slotCheckForUpdates,
         openAddress<&ConstApp::updatesPageUrl>},
        {C::CheckForTemplates, M::checkForNewTemplates, K::checkForNewTemplates, &W::slotCheckForTemplates,
         openAddress<&ConstApp::templatesUrl>},
        {C::AboutQt, M::aboutQt, K::aboutQt, &W::slotAboutQt, aboutQt},
        {C::About, M::about, K::about, &W::slotAbout, about},

        // The signal hub's requests: no menu item of their own.
        {C::UpdateProject, M::updateProject, K::none, nullptr, onWindow<&WndMainBase::updateProjectLabel>},
        {C::UpdateOptions, M::updateOptions, K::none, nullptr, onWindow<&WndMainBase::reloadOptions>},
        {C::RestoreBookmarksMenu, M::restoreBookmarksMenu, K::none, nullptr,
         onWindow<&WndMainBase::buildBookmarksMenu>},
    };
    static_assert(std::size(table) == std::size_t(Command::Count), "one entry for each command");
    constexpr bool inOrder = [] {
        for (std::size_t i = 0; i < std::size(table); ++i)
            if (table[i].command != Command(i))
                return false;
        return true;
    }();
    static_assert(inOrder, "the entries stand in the order of the commands");
    return table[std::size_t(command)];
}

const CommandEntry& commandEntry(Command command)
{
    return CommandRunner::entry(command);
}

} // namespace Vexal
