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

#include <algorithm>
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

// What the commands run; a friend of the window, so that a command can reach
// the window's bars, actions and command objects.
class CommandRunner
{
public:
    // Every command, in menu order.
    static const CommandEntry* begin();
    static const CommandEntry* end();

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

namespace {

// The item looks, for the table below.
constexpr unsigned lineAbove = CommandEntry::LineAbove;
constexpr unsigned hidden = CommandEntry::Hidden;
constexpr unsigned disabled = CommandEntry::Disabled;
constexpr unsigned checkable = CommandEntry::Checkable;
constexpr unsigned checked = CommandEntry::Checked;
constexpr unsigned repeats = CommandEntry::Repeats;

} // namespace

// A new command is a row here (at its place in its menu), its text and its
// key; a journal opens with call<&DelegateBase::openUniqueTab<Journal>>.
struct CommandTable
{
    using P = MenuPlace;
    using M = LocaleMenu;
    using K = UtilKeySequence;
    using W = WndMainDesigner;
    using R = CommandRunner;

    static constexpr auto spunArticles =
        static_cast<void (DelegateProject::*)()>(&DelegateProject::openSpinnedArticles);

    static constexpr CommandEntry rows[] = {
        {P::File, hidden, M::debug, K::debug, &W::slotDebug, R::debug},
        {P::File, 0, M::newTab, K::newTab, &W::slotNewTab, R::call<&DelegateBrowser::newTab>},
        {P::File, 0, M::open, K::open, &W::slotOpenFile, R::call<&DelegateBrowser::openFile>},
        {P::File, 0, M::closeWindow, K::closeWindow, &W::slotCloseWindow, R::closeWindow},
        {P::File, 0, M::closeTab, K::closeTab, &W::slotCloseTab, R::closeTab},
        {P::File, lineAbove, M::save, K::save, &W::slotSave, R::onTab<&BaseTab::save>},
        {P::File, lineAbove, M::importData, K::importData, &W::slotImport, R::importData},
        // The items of the Export submenu, one for each kind.
        {P::None, 0, M::exportData, K::none, &W::slotExport, R::exportData},
        {P::FileEnd, lineAbove, M::exit, K::exit, &W::slotExit, R::exit},

        {P::Edit, repeats, M::undo, K::undo, &W::slotUndo, R::onTab<&BaseTab::undo>},
        {P::Edit, repeats, M::redo, K::redo, &W::slotRedo, R::onTab<&BaseTab::redo>},
        {P::Edit, lineAbove, M::cut, K::cut, &W::slotCut, R::onTab<&BaseTab::cut>},
        {P::Edit, 0, M::copy, K::copy, &W::slotCopy, R::onTab<&BaseTab::copy>},
        {P::Edit, 0, M::paste, K::paste, &W::slotPaste, R::onTab<&BaseTab::paste>},
        {P::Edit, lineAbove, M::add, K::add, &W::slotAdd, R::onTab<&BaseTab::add>},
        {P::Edit, 0, M::edit, K::edit, &W::slotEdit, R::onTab<&BaseTab::edit>},
        {P::Edit, 0, M::deleteItem, K::deleteItem, &W::slotDelete, R::onTab<&BaseTab::remove>},
        {P::Edit, lineAbove, M::selectAll, K::selectAll, &W::slotSelectAll, R::onTab<&BaseTab::selectAll>},
        {P::Edit, lineAbove, M::find, K::find, &W::slotFind, R::find<&DelegateFind::showFind>},
        {P::Edit, repeats, M::findNext, K::findNext, &W::slotFindNext, R::find<&DelegateFind::findNext>},
        {P::Edit, repeats, M::findPrevious, K::findPrevious, &W::slotFindPrevious,
         R::find<&DelegateFind::findPrevious>},
        {P::Edit, 0, M::replace, K::replace, &W::slotReplace, R::find<&DelegateFind::showReplace>},

        {P::Navigate, repeats, M::back, K::back, &W::slotBack, R::onTab<&BaseTab::back>},
        {P::Navigate, repeats, M::forward, K::forward, &W::slotForward, R::onTab<&BaseTab::forward>},
        {P::Navigate, 0, M::reload, K::reload, &W::slotReload, R::onTab<&BaseTab::reload>},
        {P::Navigate, 0, M::stop, K::stop, &W::slotStop, R::onTab<&BaseTab::stop>},
        {P::Navigate, 0, M::homePage, K::homePage, &W::slotHomePage, R::call<&DelegateBrowser::homePage>},
        {P::Navigate, lineAbove, M::openLocation, K::openLocation, &W::slotOpenLocation,
         R::call<&DelegateBrowser::focusLocation>},
        {P::Navigate, 0, M::webSearch, K::webSearch, &W::slotWebSearch, R::call<&DelegateBrowser::focusWebSearch>},

        {P::View, checked, M::menuBar, K::menuBar, &W::slotMenuBar, R::menuBar},
        {P::View, checked, M::statusBar, K::statusBar, &W::slotStatusBar, R::statusBar},
        {P::ViewEnd, lineAbove, M::pageSource, K::pageSource, &W::slotPageSource,
         R::call<&DelegateBrowser::pageSource>},
        {P::Zoom, repeats, M::zoomIn, K::zoomIn, &W::slotZoomIn, R::onTab<&BaseTab::zoomIn>},
        {P::Zoom, repeats, M::zoomOut, K::zoomOut, &W::slotZoomOut, R::onTab<&BaseTab::zoomOut>},
        {P::Zoom, lineAbove, M::zoomReset, K::zoomReset, &W::slotZoomReset, R::onTab<&BaseTab::zoomReset>},
        {P::Zoom, lineAbove | checkable, M::zoomTextOnly, K::zoomTextOnly, &W::slotZoomTextOnly, R::zoomTextOnly},
        // The page style and the character encodings are shown, never chosen.
        {P::PageStyle, checkable | disabled, M::noStyle, K::noStyle, &W::slotNoStyle, nullptr},
        {P::PageStyle, checked | disabled, M::originalStyle, K::originalStyle, &W::slotOriginalStyle, nullptr},
        {P::Encoding, disabled, M::autoDetect, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::westEuropean, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::eastEuropean, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::eastAsian, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::seSwAsian, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::middleEastern, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::unicode, K::none, nullptr, nullptr},
        {P::Encoding, lineAbove | disabled, M::unicodeUtf8, K::none, nullptr, nullptr},
        {P::Encoding, disabled, M::unicodeUtf16, K::none, nullptr, nullptr},

        {P::History, 0, M::history, K::history, &W::slotHistory, R::call<&DelegateHistory::history>},
        {P::History, 0, M::clearRecentHistory, K::clearRecentHistory, &W::slotClearRecentHistory,
         R::call<&DelegateHistory::clearRecentHistory>},

        {P::Bookmarks, 0, M::quickBookmark, K::quickBookmark, &W::slotQuickBookmark,
         R::bookmark<&DelegateBookmarks::quickBookmarkCurrentTab, &LocaleMessage::bookmarkSaved>},
        {P::Bookmarks, 0, M::bookmarkThisTab, K::bookmarkThisTab, &W::slotBookmarkTab,
         R::bookmark<&DelegateBookmarks::bookmarkCurrentTab, &LocaleMessage::bookmarkSaved>},
        {P::Bookmarks, 0, M::bookmarkAllTabs, K::bookmarkAllTabs, &W::slotBookmarkAllTabs,
         R::bookmark<&DelegateBookmarks::bookmarkAllTabs, &LocaleMessage::allBookmarksSaved>},
        {P::Bookmarks, 0, M::bookmarks, K::bookmarks, &W::slotBookmarks, R::call<&DelegateBookmarks::openJournal>},

        {P::Tools, lineAbove, M::pageRank, K::pageRank, &W::slotPageRank, R::call<&DelegateToolsPlus::checkPageRank>},
        {P::Tools, 0, M::pageRankHistory, K::pageRankHistory, &W::slotPageRankHistory,
         R::call<&DelegateToolsPlus::openRankJournal>},
        {P::Tools, lineAbove, M::guid, K::guid, &W::slotGUID, R::call<&DelegateToolsPlus::openGuidGenerator>},
        {P::Tools, 0, M::strongPassword, K::strongPassword, &W::slotStrongPassword,
         R::call<&DelegateToolsPlus::openPasswordGenerator>},
        {P::Tools, 0, M::uriInfo, K::uriInfo, &W::slotUriInfo, R::call<&DelegateToolsPlus::openUrlInfo>},
        {P::Tools, lineAbove, M::errorConsole, K::errorConsole, &W::slotErrorConsole,
         R::call<&DelegateTools::openErrorConsole>},
        {P::Tools, 0, M::notificationConsole, K::notificationConsole, &W::slotNotificationConsole,
         R::call<&DelegateTools::openNotificationConsole>},
        // There is no download manager.
        {P::Tools, lineAbove | disabled, M::downloads, K::downloads, &W::slotDownloads, nullptr},
        {P::Tools, 0, M::formFiller, K::formFiller, &W::slotFormFiller, R::call<&DelegateToolsPlus::openFormFiller>},
        {P::Database, 0, M::backupDatabase, K::backupDatabase, &W::slotBackupDB,
         R::call<&DelegateTools::backupDatabase>},
        {P::Database, 0, M::cleanDatabase, K::cleanDatabase, &W::slotCleanDB, R::call<&DelegateTools::cleanDatabase>},
        {P::Database, 0, M::rebuildIndexes, K::rebuildIndexes, &W::slotReindexDB,
         R::call<&DelegateTools::reindexDatabase>},
        {P::Database, lineAbove, M::database, K::database, &W::slotDatabase, R::call<&DelegateTools::openDatabase>},
        {P::ToolsEnd, lineAbove | checkable, M::privateBrowsing, K::privateBrowsing, &W::slotPrivateBrowsing,
         R::privateBrowsing},
        {P::ToolsEnd, lineAbove, M::options, K::options, &W::slotOptions, R::call<&DelegateTools::openOptions>},

        {P::Web, 0, M::websites, K::websites, &W::slotWebsites, R::call<&DelegateSiteJournals::openWebsites>},
        {P::Web, lineAbove, M::masterAccounts, K::masterAccounts, &W::slotMasterAccounts,
         R::call<&DelegateSiteJournals::openMasterAccounts>},
        {P::Web, 0, M::accounts, K::accounts, &W::slotAccounts, R::call<&DelegateSiteJournals::openAccounts>},
        // Logged as a login: the quick one only skips the dialog.
        {P::Web, lineAbove, M::quickLogin, K::quickLogin, &W::slotQuickLogin, R::call<&DelegateWeb::quickLogin>,
         M::login},
        {P::Web, 0, M::login, K::login, &W::slotLogin, R::call<&DelegateWeb::login>},
        {P::Web, 0, M::registerAccount, K::registerAccount, &W::slotRegister,
         R::call<&DelegateWeb::openRegistrationSubmitter>},
        {P::Web, 0, M::logout, K::logout, &W::slotLogout, R::sitePage<DelegateWeb::LogoutPage>},
        {P::Web, lineAbove, M::homePage, K::none, &W::slotHomePageEx, R::sitePage<DelegateWeb::HomePage>},
        {P::Web, 0, M::loginPage, K::loginPage, &W::slotLoginPage, R::sitePage<DelegateWeb::LoginPage>},
        {P::Web, 0, M::registrationPage, K::registrationPage, &W::slotRegistrationPage,
         R::sitePage<DelegateWeb::RegistrationPage>},
        {P::Web, 0, M::userPage, K::userPage, &W::slotUserPage, R::sitePage<DelegateWeb::UserPage>},
        {P::Web, lineAbove, M::selectors, K::none, &W::slotSelectors, R::call<&DelegateWeb::openSelectors>},
        {P::Templates, 0, M::loginTemplates, K::none, &W::slotLoginTemplates,
         R::call<&DelegateWeb::openLoginTemplates>},
        {P::Templates, 0, M::registrationTemplates, K::none, &W::slotRegistrationTemplates,
         R::call<&DelegateWeb::openRegistrationTemplates>},
        {P::Templates, lineAbove, M::articleTemplates, K::none, &W::slotArticleTemplates,
         R::call<&DelegateWeb::openArticleTemplates>},
        {P::Templates, 0, M::directoryTemplates, K::none, &W::slotDirectoryTemplates,
         R::call<&DelegateWeb::openDirectoryTemplates>},
        {P::Templates, 0, M::socialBookmarkTemplates, K::none, &W::slotSocialBookmarkTemplates,
         R::call<&DelegateWeb::openSocialBookmarkTemplates>},

        {P::Projects, 0, M::projects, K::projects, &W::slotProjects, R::call<&DelegateProject::openProjects>},
        {P::Projects, 0, M::switchToProject, K::switchToProject, &W::slotSwitchToProject,
         R::call<&DelegateProject::switchToProject>},
        {P::Articles, 0, M::articles, K::none, &W::slotArticles, R::call<&DelegateProject::openArticles>},
        {P::Articles, 0, M::spunArticles, K::none, &W::slotSpinnedArticles, R::call<spunArticles>},
        {P::Articles, lineAbove, M::categories, K::none, &W::slotCategories, R::call<&DelegateProject::openCategories>},
        {P::Articles, 0, M::synonyms, K::none, &W::slotSynonyms, R::call<&DelegateProject::openSynonyms>},
        {P::Articles, lineAbove, M::submit, K::none, &W::slotArticleSubmitter,
         R::call<&DelegateProject::openArticleSubmitter>},
        {P::Directories, 0, M::directories, K::none, &W::slotDirectories, R::call<&DelegateProject::openDirectories>},
        {P::Directories, lineAbove, M::submit, K::none, &W::slotDirectorySubmitter,
         R::call<&DelegateProject::openDirectorySubmitter>},
        {P::SocialBookmarks, 0, M::socialBookmarks, K::none, &W::slotSocialBookmarks,
         R::call<&DelegateProject::openSocialBookmarks>},
        {P::SocialBookmarks, lineAbove, M::submit, K::none, &W::slotSocialBookmarkSubmitter,
         R::call<&DelegateProject::openSocialBookmarkSubmitter>},

        {P::Help, 0, M::onlineHelp, K::onlineHelp, &W::slotOnlineHelp, R::openAddress<&ConstApp::helpUrl>},
        {P::Help, lineAbove, M::checkForUpdates, K::checkForUpdates, &W::slotCheckForUpdates,
         R::openAddress<&ConstApp::updatesPageUrl>},
        {P::Help, 0, M::checkForNewTemplates, K::checkForNewTemplates, &W::slotCheckForTemplates,
         R::openAddress<&ConstApp::templatesUrl>},
        {P::Help, lineAbove, M::aboutQt, K::aboutQt, &W::slotAboutQt, R::aboutQt},
        {P::Help, 0, M::about, K::about, &W::slotAbout, R::about},
    };
};

const CommandEntry* CommandRunner::begin()
{
    return std::begin(CommandTable::rows);
}

const CommandEntry* CommandRunner::end()
{
    return std::end(CommandTable::rows);
}

std::vector<const CommandEntry*> commandsAt(MenuPlace place)
{
    std::vector<const CommandEntry*> entries;
    for (const CommandEntry* entry = CommandRunner::begin(); entry != CommandRunner::end(); ++entry) {
        if (entry->place == place)
            entries.push_back(entry);
    }
    return entries;
}

const CommandEntry* commandOfSlot(void (WndMainDesigner::*slot)())
{
    const CommandEntry* entry = std::find_if(CommandRunner::begin(), CommandRunner::end(),
                                             [slot](const CommandEntry& each) { return slot && each.slot == slot; });
    return entry != CommandRunner::end() ? entry : nullptr;
}

} // namespace Vexal
