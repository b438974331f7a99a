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
    QMenu* menu = commandMenu(M::fileMenu(), P::File);
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

QMenu* WndMainDesigner::createEditMenu() { return commandMenu(M::editMenu(), P::Edit); }

QMenu* WndMainDesigner::createNavigateMenu() { return commandMenu(M::navigateMenu(), P::Navigate); }

QMenu* WndMainDesigner::createViewMenu()
{
    QMenu* menu = commandMenu(M::viewMenu(), P::View);
    m_viewMenuBarAction = commandItem(&W::slotMenuBar);
    m_viewStatusBarAction = commandItem(&W::slotStatusBar);

    // Holds the menu-bar key while the menu bar is hidden: the actions of a
    // hidden menu bar receive no shortcuts.
    m_windowMenuBarAction = new QAction(this);
    m_windowMenuBarAction->setCheckable(true);
    m_windowMenuBarAction->setChecked(false);
    m_windowMenuBarAction->setAutoRepeat(false);
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
    QMenu* menu = commandMenu(M::zoom(), P::Zoom);
    auto* alternate = new QAction(this);
    alternate->setShortcut(K::zoomInAlternate());
    addAction(alternate);
    connect(alternate, &QAction::triggered, this, &W::slotZoomIn);
    return menu;
}

QMenu* WndMainDesigner::createPageStyleMenu() { return commandMenu(M::pageStyle(), P::PageStyle); }

QMenu* WndMainDesigner::createEncodingMenu() { return commandMenu(M::characterEncoding(), P::Encoding); }

QMenu* WndMainDesigner::createHistoryMenu() { return commandMenu(M::historyMenu(), P::History); }

// The bookmarks follow the separator.
QMenu* WndMainDesigner::createBookmarksMenu()
{
    QMenu* menu = commandMenu(M::bookmarksMenu(), P::Bookmarks);
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

QMenu* WndMainDesigner::createDatabaseMenu() { return commandMenu(M::database(), P::Database); }

QMenu* WndMainDesigner::createWebMenu()
{
    QMenu* menu = commandMenu(M::webMenu(), P::Web);
    menu->addMenu(createTemplatesMenu());
    return menu;
}

QMenu* WndMainDesigner::createTemplatesMenu() { return commandMenu(M::templates(), P::Templates); }

QMenu* WndMainDesigner::createProjectMenu()
{
    QMenu* menu = commandMenu(M::projectsMenu(), P::Projects);
    menu->addSeparator();
    menu->addMenu(createArticlesMenu());
    menu->addMenu(createDirectoriesMenu());
    menu->addMenu(createSocialBookmarksMenu());
    return menu;
}

QMenu* WndMainDesigner::createArticlesMenu() { return commandMenu(M::articles(), P::Articles); }

QMenu* WndMainDesigner::createDirectoriesMenu() { return commandMenu(M::directories(), P::Directories); }

QMenu* WndMainDesigner::createSocialBookmarksMenu() { return commandMenu(M::socialBookmarks(), P::SocialBookmarks); }

QMenu* WndMainDesigner::createHelpMenu() { return commandMenu(M::helpMenu(), P::Help); }

} // namespace Vexal
