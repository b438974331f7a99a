// The menu builders of the main window.
#include "app/WndMainDesigner.h"

#include "texts/LocaleMenu.h"
#include "texts/UtilKeySequence.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

using M = LocaleMenu;
using K = UtilKeySequence;
using W = WndMainDesigner;

QMenu* WndMainDesigner::createFileMenu()
{
    auto* menu = new QMenu(M::fileMenu(), this);
    addItem(menu, M::debug(), K::debug(), &W::slotDebug)->setVisible(false);
    addItem(menu, M::newTab(), K::newTab(), &W::slotNewTab);
    addItem(menu, M::open(), K::open(), &W::slotOpenFile);
    addItem(menu, M::closeWindow(), K::closeWindow(), &W::slotCloseWindow);
    addItem(menu, M::closeTab(), K::closeTab(), &W::slotCloseTab);
    menu->addSeparator();
    addItem(menu, M::save(), K::save(), &W::slotSave);
    menu->addSeparator();
    addItem(menu, M::importData(), K::importData(), &W::slotImport);
    menu->addMenu(createExportMenu());
    menu->addSeparator();
    addItem(menu, M::exit(), K::exit(), &W::slotExit);
    return menu;
}

QMenu* WndMainDesigner::createExportMenu()
{
    auto* menu = new QMenu(M::exportMenu(), this);
    menu->addMenu(createExportBrowserMenu());
    menu->addMenu(createExportToolsMenu());
    menu->addMenu(createExportWebMenu());
    menu->addMenu(createExportProjectMenu());
    menu->addMenu(createExportSystemMenu());
    return menu;
}

QMenu* WndMainDesigner::createExportBrowserMenu()
{
    auto* menu = new QMenu(M::exportWebBrowserMenu(), this);
    addExportItem(menu, M::exportHistory(), K::exportHistory(), 1);
    addExportItem(menu, M::exportBookmarks(), K::exportBookmarks(), 2);
    addExportItem(menu, M::exportUriShortcuts(), K::exportUriShortcuts(), 3);
    return menu;
}

QMenu* WndMainDesigner::createExportToolsMenu()
{
    auto* menu = new QMenu(M::exportToolsMenu(), this);
    addExportItem(menu, M::exportOnlineTools(), K::exportOnlineTools(), 21);
    addExportItem(menu, M::exportPageRankHistory(), K::exportPageRankHistory(), 22);
    return menu;
}

QMenu* WndMainDesigner::createExportWebMenu()
{
    auto* menu = new QMenu(M::exportWebMenu(), this);
    addExportItem(menu, M::exportWebsites(), K::exportWebsites(), 13);
    menu->addSeparator();
    addExportItem(menu, M::exportMasterAccounts(), K::exportMasterAccounts(), 14);
    addExportItem(menu, M::exportAccounts(), K::exportAccounts(), 5);
    menu->addSeparator();
    addExportItem(menu, M::exportLoginTemplates(), K::exportLoginTemplates(), 23);
    addExportItem(menu, M::exportRegistrationTemplates(), K::exportRegistrationTemplates(), 24);
    menu->addSeparator();
    addExportItem(menu, M::exportDirectoryTemplates(), K::exportDirectoryTemplates(), 25);
    addExportItem(menu, M::exportSocialBookmarkTemplates(), K::exportSocialBookmarkTemplates(), 26);
    addExportItem(menu, M::exportArticleTemplates(), K::exportArticleTemplates(), 27);
    return menu;
}

QMenu* WndMainDesigner::createExportProjectMenu()
{
    auto* menu = new QMenu(M::exportProjectMenu(), this);
    addExportItem(menu, M::exportProjects(), K::exportProjects(), 4);
    menu->addSeparator();
    addExportItem(menu, M::exportArticles(), K::exportArticles(), 8);
    addExportItem(menu, M::exportSpunArticles(), K::exportSpunArticles(), 9);
    menu->addSeparator();
    addExportItem(menu, M::exportDirectories(), K::exportDirectories(), 6);
    addExportItem(menu, M::exportSocialBookmarks(), K::exportSocialBookmarks(), 7);
    menu->addSeparator();
    addExportItem(menu, M::exportCategories(), K::exportCategories(), 10);
    addExportItem(menu, M::exportWords(), K::exportWords(), 12);
    addExportItem(menu, M::exportSynonyms(), K::exportSynonyms(), 11);
    return menu;
}

QMenu* WndMainDesigner::createExportSystemMenu()
{
    auto* menu = new QMenu(M::exportSystemMenu(), this);
    addExportItem(menu, M::exportLanguages(), K::exportLanguages(), 15);
    menu->addSeparator();
    addExportItem(menu, M::exportFirstNames(), K::exportFirstNames(), 19);
    addExportItem(menu, M::exportLastNames(), K::exportLastNames(), 20);
    menu->addSeparator();
    addExportItem(menu, M::exportCountries(), K::exportCountries(), 18);
    addExportItem(menu, M::exportCities(), K::exportCities(), 17);
    addExportItem(menu, M::exportAddresses(), K::exportAddresses(), 16);
    return menu;
}

QMenu* WndMainDesigner::createEditMenu()
{
    auto* menu = new QMenu(M::editMenu(), this);
    addItem(menu, M::undo(), K::undo(), &W::slotUndo);
    addItem(menu, M::redo(), K::redo(), &W::slotRedo);
    menu->addSeparator();
    addItem(menu, M::cut(), K::cut(), &W::slotCut);
    addItem(menu, M::copy(), K::copy(), &W::slotCopy);
    addItem(menu, M::paste(), K::paste(), &W::slotPaste);
    menu->addSeparator();
    addItem(menu, M::add(), K::add(), &W::slotAdd);
    addItem(menu, M::edit(), K::edit(), &W::slotEdit);
    addItem(menu, M::deleteItem(), K::deleteItem(), &W::slotDelete);
    menu->addSeparator();
    addItem(menu, M::selectAll(), K::selectAll(), &W::slotSelectAll);
    menu->addSeparator();
    addItem(menu, M::find(), K::find(), &W::slotFind);
    addItem(menu, M::findNext(), K::findNext(), &W::slotFindNext);
    addItem(menu, M::findPrevious(), K::findPrevious(), &W::slotFindPrevious);
    addItem(menu, M::replace(), K::replace(), &W::slotReplace);
    return menu;
}

QMenu* WndMainDesigner::createNavigateMenu()
{
    auto* menu = new QMenu(M::navigateMenu(), this);
    addItem(menu, M::back(), K::back(), &W::slotBack);
    addItem(menu, M::forward(), K::forward(), &W::slotForward);
    addItem(menu, M::reload(), K::reload(), &W::slotReload);
    addItem(menu, M::stop(), K::stop(), &W::slotStop);
    addItem(menu, M::homePage(), K::homePage(), &W::slotHomePage);
    menu->addSeparator();
    addItem(menu, M::openLocation(), K::openLocation(), &W::slotOpenLocation);
    addItem(menu, M::webSearch(), K::webSearch(), &W::slotWebSearch);
    return menu;
}

QMenu* WndMainDesigner::createViewMenu()
{
    auto* menu = new QMenu(M::viewMenu(), this);
    m_viewMenuBarAction = addItem(menu, M::menuBar(), K::menuBar(), &W::slotMenuBar);
    m_viewMenuBarAction->setCheckable(true);
    m_viewMenuBarAction->setChecked(true);

    // Holds the menu-bar key while the menu bar is hidden: the actions of a
    // hidden menu bar receive no shortcuts.
    m_windowMenuBarAction = new QAction(this);
    m_windowMenuBarAction->setCheckable(true);
    m_windowMenuBarAction->setChecked(false);
    addAction(m_windowMenuBarAction);
    connect(m_windowMenuBarAction, &QAction::triggered, this, &W::slotMenuBar);

    m_viewStatusBarAction = addItem(menu, M::statusBar(), K::statusBar(), &W::slotStatusBar);
    m_viewStatusBarAction->setCheckable(true);
    m_viewStatusBarAction->setChecked(true);
    menu->addSeparator();
    menu->addMenu(createZoomMenu());
    menu->addMenu(createPageStyleMenu());
    menu->addMenu(createEncodingMenu());
    menu->addSeparator();
    addItem(menu, M::pageSource(), K::pageSource(), &W::slotPageSource);
    return menu;
}

QMenu* WndMainDesigner::createZoomMenu()
{
    auto* menu = new QMenu(M::zoom(), this);
    addItem(menu, M::zoomIn(), K::zoomIn(), &W::slotZoomIn);
    auto* alternate = new QAction(this);
    alternate->setShortcut(K::zoomInAlternate());
    addAction(alternate);
    connect(alternate, &QAction::triggered, this, &W::slotZoomIn);
    addItem(menu, M::zoomOut(), K::zoomOut(), &W::slotZoomOut);
    menu->addSeparator();
    addItem(menu, M::zoomReset(), K::zoomReset(), &W::slotZoomReset);
    menu->addSeparator();
    QAction* textOnly = addItem(menu, M::zoomTextOnly(), K::zoomTextOnly(), &W::slotZoomTextOnly);
    textOnly->setCheckable(true);
    textOnly->setChecked(false);
    return menu;
}

QMenu* WndMainDesigner::createPageStyleMenu()
{
    auto* menu = new QMenu(M::pageStyle(), this);
    QAction* noStyle = addItem(menu, M::noStyle(), K::noStyle(), &W::slotNoStyle);
    noStyle->setCheckable(true);
    noStyle->setChecked(false);
    noStyle->setEnabled(false);
    QAction* original = addItem(menu, M::originalStyle(), K::originalStyle(), &W::slotOriginalStyle);
    original->setCheckable(true);
    original->setChecked(true);
    original->setEnabled(false);
    return menu;
}

QMenu* WndMainDesigner::createEncodingMenu()
{
    auto* menu = new QMenu(M::characterEncoding(), this);
    const QStringList first = {M::autoDetect(),   M::westEuropean(),  M::eastEuropean(), M::eastAsian(),
                               M::seSwAsian(),    M::middleEastern(), M::unicode()};
    for (const QString& text : first)
        addItem(menu, text, K::none(), nullptr)->setEnabled(false);
    menu->addSeparator();
    addItem(menu, M::unicodeUtf8(), K::none(), nullptr)->setEnabled(false);
    addItem(menu, M::unicodeUtf16(), K::none(), nullptr)->setEnabled(false);
    return menu;
}

QMenu* WndMainDesigner::createHistoryMenu()
{
    auto* menu = new QMenu(M::historyMenu(), this);
    addItem(menu, M::history(), K::history(), &W::slotHistory);
    addItem(menu, M::clearRecentHistory(), K::clearRecentHistory(), &W::slotClearRecentHistory);
    return menu;
}

QMenu* WndMainDesigner::createBookmarksMenu()
{
    auto* menu = new QMenu(M::bookmarksMenu(), this);
    addItem(menu, M::quickBookmark(), K::quickBookmark(), &W::slotQuickBookmark);
    addItem(menu, M::bookmarkThisTab(), K::bookmarkThisTab(), &W::slotBookmarkTab);
    addItem(menu, M::bookmarkAllTabs(), K::bookmarkAllTabs(), &W::slotBookmarkAllTabs);
    addItem(menu, M::bookmarks(), K::bookmarks(), &W::slotBookmarks);
    menu->addSeparator();
    m_bookmarksMenu = menu;
    return menu;
}

QMenu* WndMainDesigner::createToolsMenu()
{
    auto* menu = new QMenu(M::toolsMenu(), this);
    menu->addMenu(createOnlineToolsMenu());
    menu->addSeparator();
    addItem(menu, M::pageRank(), K::pageRank(), &W::slotPageRank);
    addItem(menu, M::pageRankHistory(), K::pageRankHistory(), &W::slotPageRankHistory);
    menu->addSeparator();
    addItem(menu, M::guid(), K::guid(), &W::slotGUID);
    addItem(menu, M::strongPassword(), K::strongPassword(), &W::slotStrongPassword);
    addItem(menu, M::uriInfo(), K::uriInfo(), &W::slotUriInfo);
    menu->addSeparator();
    addItem(menu, M::errorConsole(), K::errorConsole(), &W::slotErrorConsole);
    addItem(menu, M::notificationConsole(), K::notificationConsole(), &W::slotNotificationConsole);
    menu->addSeparator();
    addItem(menu, M::downloads(), K::downloads(), &W::slotDownloads)->setEnabled(false);
    addItem(menu, M::formFiller(), K::formFiller(), &W::slotFormFiller);
    menu->addMenu(createDatabaseMenu());
    menu->addSeparator();
    m_privateBrowsingAction = addItem(menu, M::privateBrowsing(), K::privateBrowsing(), &W::slotPrivateBrowsing);
    m_privateBrowsingAction->setCheckable(true);
    menu->addSeparator();
    addItem(menu, M::options(), K::options(), &W::slotOptions);
    return menu;
}

QMenu* WndMainDesigner::createOnlineToolsMenu()
{
    m_onlineToolsMenu = new QMenu(M::onlineTools(), this);
    return m_onlineToolsMenu;
}

QMenu* WndMainDesigner::createDatabaseMenu()
{
    auto* menu = new QMenu(M::database(), this);
    addItem(menu, M::backupDatabase(), K::backupDatabase(), &W::slotBackupDB);
    addItem(menu, M::cleanDatabase(), K::cleanDatabase(), &W::slotCleanDB);
    addItem(menu, M::rebuildIndexes(), K::rebuildIndexes(), &W::slotReindexDB);
    menu->addSeparator();
    addItem(menu, M::database(), K::database(), &W::slotDatabase);
    return menu;
}

QMenu* WndMainDesigner::createWebMenu()
{
    auto* menu = new QMenu(M::webMenu(), this);
    addItem(menu, M::websites(), K::websites(), &W::slotWebsites);
    menu->addSeparator();
    addItem(menu, M::masterAccounts(), K::masterAccounts(), &W::slotMasterAccounts);
    addItem(menu, M::accounts(), K::accounts(), &W::slotAccounts);
    menu->addSeparator();
    addItem(menu, M::quickLogin(), K::quickLogin(), &W::slotQuickLogin);
    addItem(menu, M::login(), K::login(), &W::slotLogin);
    addItem(menu, M::registerAccount(), K::registerAccount(), &W::slotRegister);
    addItem(menu, M::logout(), K::logout(), &W::slotLogout);
    menu->addSeparator();
    addItem(menu, M::homePage(), K::none(), &W::slotHomePageEx);
    addItem(menu, M::loginPage(), K::loginPage(), &W::slotLoginPage);
    addItem(menu, M::registrationPage(), K::registrationPage(), &W::slotRegistrationPage);
    addItem(menu, M::userPage(), K::userPage(), &W::slotUserPage);
    menu->addSeparator();
    addItem(menu, M::selectors(), K::none(), &W::slotSelectors);
    menu->addMenu(createTemplatesMenu());
    return menu;
}

QMenu* WndMainDesigner::createTemplatesMenu()
{
    auto* menu = new QMenu(M::templates(), this);
    addItem(menu, M::loginTemplates(), K::none(), &W::slotLoginTemplates);
    addItem(menu, M::registrationTemplates(), K::none(), &W::slotRegistrationTemplates);
    menu->addSeparator();
    addItem(menu, M::articleTemplates(), K::none(), &W::slotArticleTemplates);
    addItem(menu, M::directoryTemplates(), K::none(), &W::slotDirectoryTemplates);
    addItem(menu, M::socialBookmarkTemplates(), K::none(), &W::slotSocialBookmarkTemplates);
    return menu;
}

QMenu* WndMainDesigner::createProjectMenu()
{
    auto* menu = new QMenu(M::projectsMenu(), this);
    addItem(menu, M::projects(), K::projects(), &W::slotProjects);
    addItem(menu, M::switchToProject(), K::switchToProject(), &W::slotSwitchToProject);
    menu->addSeparator();
    menu->addMenu(createArticlesMenu());
    menu->addMenu(createDirectoriesMenu());
    menu->addMenu(createSocialBookmarksMenu());
    return menu;
}

QMenu* WndMainDesigner::createArticlesMenu()
{
    auto* menu = new QMenu(M::articles(), this);
    addItem(menu, M::articles(), K::none(), &W::slotArticles);
    addItem(menu, M::spunArticles(), K::none(), &W::slotSpinnedArticles);
    menu->addSeparator();
    addItem(menu, M::categories(), K::none(), &W::slotCategories);
    addItem(menu, M::synonyms(), K::none(), &W::slotSynonyms);
    menu->addSeparator();
    addItem(menu, M::submit(), K::none(), &W::slotArticleSubmitter);
    return menu;
}

QMenu* WndMainDesigner::createDirectoriesMenu()
{
    auto* menu = new QMenu(M::directories(), this);
    addItem(menu, M::directories(), K::none(), &W::slotDirectories);
    menu->addSeparator();
    addItem(menu, M::submit(), K::none(), &W::slotDirectorySubmitter);
    return menu;
}

QMenu* WndMainDesigner::createSocialBookmarksMenu()
{
    auto* menu = new QMenu(M::socialBookmarks(), this);
    addItem(menu, M::socialBookmarks(), K::none(), &W::slotSocialBookmarks);
    menu->addSeparator();
    addItem(menu, M::submit(), K::none(), &W::slotSocialBookmarkSubmitter);
    return menu;
}

QMenu* WndMainDesigner::createHelpMenu()
{
    auto* menu = new QMenu(M::helpMenu(), this);
    addItem(menu, M::onlineHelp(), K::onlineHelp(), &W::slotOnlineHelp);
    menu->addSeparator();
    addItem(menu, M::checkForUpdates(), K::checkForUpdates(), &W::slotCheckForUpdates);
    addItem(menu, M::checkForNewTemplates(), K::checkForNewTemplates(), &W::slotCheckForTemplates);
    menu->addSeparator();
    addItem(menu, M::aboutQt(), K::aboutQt(), &W::slotAboutQt);
    addItem(menu, M::about(), K::about(), &W::slotAbout);
    return menu;
}

} // namespace Vexal
