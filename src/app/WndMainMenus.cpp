// The menu builders of the main window: each puts the items of its places
// (the command table's rows) around its submenus.
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
using P = MenuPlace;

QMenu* WndMainDesigner::createFileMenu()
{
    auto* menu = new QMenu(M::fileMenu(), this);
    addCommands(menu, P::File);
    menu->addMenu(createExportMenu());
    addCommands(menu, P::FileEnd);
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
    for (const RecordKindEntry* entry : RecordKinds::exportItems(group)) {
        if (entry->menu.separatorBefore)
            menu->addSeparator();
        addItem(menu, entry->menu.text(), entry->menu.key(), &W::slotExport)->setData(kindCode(entry->kind));
    }
    return menu;
}

QMenu* WndMainDesigner::createEditMenu()
{
    auto* menu = new QMenu(M::editMenu(), this);
    addCommands(menu, P::Edit);
    return menu;
}

QMenu* WndMainDesigner::createNavigateMenu()
{
    auto* menu = new QMenu(M::navigateMenu(), this);
    addCommands(menu, P::Navigate);
    return menu;
}

QMenu* WndMainDesigner::createViewMenu()
{
    auto* menu = new QMenu(M::viewMenu(), this);
    addCommands(menu, P::View);
    m_viewMenuBarAction = commandItem(&W::slotMenuBar);
    m_viewStatusBarAction = commandItem(&W::slotStatusBar);

    // Holds the menu-bar key while the menu bar is hidden: the actions of a
    // hidden menu bar receive no shortcuts.
    m_windowMenuBarAction = new QAction(this);
    m_windowMenuBarAction->setCheckable(true);
    m_windowMenuBarAction->setChecked(false);
    addAction(m_windowMenuBarAction);
    connect(m_windowMenuBarAction, &QAction::triggered, this, &W::slotMenuBar);

    menu->addSeparator();
    menu->addMenu(createZoomMenu());
    menu->addMenu(createPageStyleMenu());
    menu->addMenu(createEncodingMenu());
    addCommands(menu, P::ViewEnd);
    return menu;
}

QMenu* WndMainDesigner::createZoomMenu()
{
    auto* menu = new QMenu(M::zoom(), this);
    addCommands(menu, P::Zoom);
    auto* alternate = new QAction(this);
    alternate->setShortcut(K::zoomInAlternate());
    addAction(alternate);
    connect(alternate, &QAction::triggered, this, &W::slotZoomIn);
    return menu;
}

QMenu* WndMainDesigner::createPageStyleMenu()
{
    auto* menu = new QMenu(M::pageStyle(), this);
    addCommands(menu, P::PageStyle);
    return menu;
}

QMenu* WndMainDesigner::createEncodingMenu()
{
    auto* menu = new QMenu(M::characterEncoding(), this);
    addCommands(menu, P::Encoding);
    return menu;
}

QMenu* WndMainDesigner::createHistoryMenu()
{
    auto* menu = new QMenu(M::historyMenu(), this);
    addCommands(menu, P::History);
    return menu;
}

// The bookmarks follow the separator.
QMenu* WndMainDesigner::createBookmarksMenu()
{
    auto* menu = new QMenu(M::bookmarksMenu(), this);
    addCommands(menu, P::Bookmarks);
    menu->addSeparator();
    m_bookmarksMenu = menu;
    return menu;
}

QMenu* WndMainDesigner::createToolsMenu()
{
    auto* menu = new QMenu(M::toolsMenu(), this);
    menu->addMenu(createOnlineToolsMenu());
    addCommands(menu, P::Tools);
    menu->addMenu(createDatabaseMenu());
    addCommands(menu, P::ToolsEnd);
    m_privateBrowsingAction = commandItem(&W::slotPrivateBrowsing);
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
    addCommands(menu, P::Database);
    return menu;
}

QMenu* WndMainDesigner::createWebMenu()
{
    auto* menu = new QMenu(M::webMenu(), this);
    addCommands(menu, P::Web);
    menu->addMenu(createTemplatesMenu());
    return menu;
}

QMenu* WndMainDesigner::createTemplatesMenu()
{
    auto* menu = new QMenu(M::templates(), this);
    addCommands(menu, P::Templates);
    return menu;
}

QMenu* WndMainDesigner::createProjectMenu()
{
    auto* menu = new QMenu(M::projectsMenu(), this);
    addCommands(menu, P::Projects);
    menu->addSeparator();
    menu->addMenu(createArticlesMenu());
    menu->addMenu(createDirectoriesMenu());
    menu->addMenu(createSocialBookmarksMenu());
    return menu;
}

QMenu* WndMainDesigner::createArticlesMenu()
{
    auto* menu = new QMenu(M::articles(), this);
    addCommands(menu, P::Articles);
    return menu;
}

QMenu* WndMainDesigner::createDirectoriesMenu()
{
    auto* menu = new QMenu(M::directories(), this);
    addCommands(menu, P::Directories);
    return menu;
}

QMenu* WndMainDesigner::createSocialBookmarksMenu()
{
    auto* menu = new QMenu(M::socialBookmarks(), this);
    addCommands(menu, P::SocialBookmarks);
    return menu;
}

QMenu* WndMainDesigner::createHelpMenu()
{
    auto* menu = new QMenu(M::helpMenu(), this);
    addCommands(menu, P::Help);
    return menu;
}

} // namespace Vexal
