// The menu builders of the main window.
#include "app/WndMainDesigner.h"

#include "exchange/RecordKinds.h"
#include "texts/LocaleMenu.h"
#include "texts/UtilKeySequence.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

using M = LocaleMenu;
using K = UtilKeySequence;
using W = WndMainDesigner;
using C = Command;

namespace {
// A separator in a list of menu items.
constexpr std::nullopt_t separator = std::nullopt;
} // namespace

QMenu* WndMainDesigner::createFileMenu()
{
    auto* menu = new QMenu(M::fileMenu(), this);
    addItem(menu, C::Debug)->setVisible(false);
    addItems(menu, {C::NewTab, C::OpenFile, C::CloseWindow, C::CloseTab, separator, C::Save, separator, C::Import});
    menu->addMenu(createExportMenu());
    addItems(menu, {separator, C::Exit});
    return menu;
}

QMenu* WndMainDesigner::createExportMenu()
{
    auto* menu = new QMenu(M::exportMenu(), this);
    for (ExportGroup group : exportGroups)
        menu->addMenu(createExportMenu(group));
    return menu;
}

// Each item carries its kind's type code, which the Export command reads.
QMenu* WndMainDesigner::createExportMenu(ExportGroup group)
{
    auto* menu = new QMenu(RecordKinds::groupTitle(group), this);
    const Slot slot = commandEntry(Command::Export).slot;
    for (const RecordKindEntry* entry : RecordKinds::exportItems(group)) {
        if (entry->menu.separatorBefore)
            menu->addSeparator();
        addItem(menu, entry->menu.text(), entry->menu.key(), slot)->setData(kindCode(entry->kind));
    }
    return menu;
}

QMenu* WndMainDesigner::createEditMenu()
{
    auto* menu = new QMenu(M::editMenu(), this);
    addItems(menu, {C::Undo, C::Redo, separator, C::Cut, C::Copy, C::Paste, separator, C::Add, C::Edit, C::Delete,
                    separator, C::SelectAll, separator, C::Find, C::FindNext, C::FindPrevious, C::Replace});
    return menu;
}

QMenu* WndMainDesigner::createNavigateMenu()
{
    auto* menu = new QMenu(M::navigateMenu(), this);
    addItems(menu, {C::Back, C::Forward, C::Reload, C::Stop, C::HomePage, separator, C::OpenLocation, C::WebSearch});
    return menu;
}

QMenu* WndMainDesigner::createViewMenu()
{
    auto* menu = new QMenu(M::viewMenu(), this);
    m_viewMenuBarAction = addItem(menu, C::MenuBar);
    m_viewMenuBarAction->setCheckable(true);
    m_viewMenuBarAction->setChecked(true);

    // Holds the menu-bar key while the menu bar is hidden: the actions of a
    // hidden menu bar receive no shortcuts.
    m_windowMenuBarAction = new QAction(this);
    m_windowMenuBarAction->setCheckable(true);
    m_windowMenuBarAction->setChecked(false);
    addAction(m_windowMenuBarAction);
    connect(m_windowMenuBarAction, &QAction::triggered, this, &W::slotMenuBar);

    m_viewStatusBarAction = addItem(menu, C::StatusBar);
    m_viewStatusBarAction->setCheckable(true);
    m_viewStatusBarAction->setChecked(true);
    menu->addSeparator();
    menu->addMenu(createZoomMenu());
    menu->addMenu(createPageStyleMenu());
    menu->addMenu(createEncodingMenu());
    addItems(menu, {separator, C::PageSource});
    return menu;
}

QMenu* WndMainDesigner::createZoomMenu()
{
    auto* menu = new QMenu(M::zoom(), this);
    addItem(menu, C::ZoomIn);
    auto* alternate = new QAction(this);
    alternate->setShortcut(K::zoomInAlternate());
    addAction(alternate);
    connect(alternate, &QAction::triggered, this, &W::slotZoomIn);
    addItems(menu, {C::ZoomOut, separator, C::ZoomReset, separator});
    QAction* textOnly = addItem(menu, C::ZoomTextOnly);
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
    addItems(menu, {C::History, C::ClearRecentHistory});
    return menu;
}

QMenu* WndMainDesigner::createBookmarksMenu()
{
    auto* menu = new QMenu(M::bookmarksMenu(), this);
    addItems(menu, {C::QuickBookmark, C::BookmarkTab, C::BookmarkAllTabs, C::Bookmarks, separator});
    m_bookmarksMenu = menu;
    return menu;
}

QMenu* WndMainDesigner::createToolsMenu()
{
    auto* menu = new QMenu(M::toolsMenu(), this);
    menu->addMenu(createOnlineToolsMenu());
    addItems(menu, {separator, C::PageRank, C::PageRankHistory, separator, C::Guid, C::StrongPassword, C::UriInfo,
                    separator, C::ErrorConsole, C::NotificationConsole, separator});
    addItem(menu, M::downloads(), K::downloads(), &W::slotDownloads)->setEnabled(false);
    addItem(menu, C::FormFiller);
    menu->addMenu(createDatabaseMenu());
    menu->addSeparator();
    m_privateBrowsingAction = addItem(menu, C::PrivateBrowsing);
    m_privateBrowsingAction->setCheckable(true);
    addItems(menu, {separator, C::Options});
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
    addItems(menu, {C::BackupDB, C::CleanDB, C::ReindexDB, separator, C::Database});
    return menu;
}

QMenu* WndMainDesigner::createWebMenu()
{
    auto* menu = new QMenu(M::webMenu(), this);
    addItems(menu, {C::Websites, separator, C::MasterAccounts, C::Accounts, separator, C::QuickLogin, C::Login,
                    C::Register, C::Logout, separator, C::SiteHomePage, C::LoginPage, C::RegistrationPage,
                    C::UserPage, separator, C::Selectors});
    menu->addMenu(createTemplatesMenu());
    return menu;
}

QMenu* WndMainDesigner::createTemplatesMenu()
{
    auto* menu = new QMenu(M::templates(), this);
    addItems(menu, {C::LoginTemplates, C::RegistrationTemplates, separator, C::ArticleTemplates,
                    C::DirectoryTemplates, C::SocialBookmarkTemplates});
    return menu;
}

QMenu* WndMainDesigner::createProjectMenu()
{
    auto* menu = new QMenu(M::projectsMenu(), this);
    addItems(menu, {C::Projects, C::SwitchToProject, separator});
    menu->addMenu(createArticlesMenu());
    menu->addMenu(createDirectoriesMenu());
    menu->addMenu(createSocialBookmarksMenu());
    return menu;
}

QMenu* WndMainDesigner::createArticlesMenu()
{
    auto* menu = new QMenu(M::articles(), this);
    addItems(menu, {C::Articles, C::SpinnedArticles, separator, C::Categories, C::Synonyms, separator,
                    C::ArticleSubmitter});
    return menu;
}

QMenu* WndMainDesigner::createDirectoriesMenu()
{
    auto* menu = new QMenu(M::directories(), this);
    addItems(menu, {C::Directories, separator, C::DirectorySubmitter});
    return menu;
}

QMenu* WndMainDesigner::createSocialBookmarksMenu()
{
    auto* menu = new QMenu(M::socialBookmarks(), this);
    addItems(menu, {C::SocialBookmarks, separator, C::SocialBookmarkSubmitter});
    return menu;
}

QMenu* WndMainDesigner::createHelpMenu()
{
    auto* menu = new QMenu(M::helpMenu(), this);
    addItems(menu, {C::OnlineHelp, separator, C::CheckForUpdates, C::CheckForTemplates, separator, C::AboutQt,
                    C::About});
    return menu;
}

} // namespace Vexal
