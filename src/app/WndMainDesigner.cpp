#include "app/WndMainDesigner.h"

#include "core/ConstApp.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidNotificationBar.h"
#include "shell/WidReplace.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "sites/SecurityManager.h"
#include "texts/ConstIcon.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace Vexal {

WndMainDesigner::WndMainDesigner(QWidget* parent)
    : QMainWindow(parent)
{
}

WndMainDesigner::~WndMainDesigner() = default;

bool WndMainDesigner::initialize()
{
    // The server jobs' start-up requests wait for the proxy of the options
    // (loadData).
    SecurityManager::start(SecurityManager::RequestsAfterProxy);
    // On timeout the error is logged and the program goes on without server jobs.
    SecurityManager::waitUntilRunning();

    setupWindow();
    createWidgets();
    createMenus();
    if (!loadData())
        return false;
    connectSignals();
    return true;
}

void WndMainDesigner::setupWindow()
{
    UtilGui::centerWindow(this, 800, 500);
    setWindowTitle(ConstApp::title());
    setWindowIcon(QIcon(ConstIcon::appIcon()));
}

void WndMainDesigner::createWidgets()
{
    auto* central = new QWidget(this);
    QVBoxLayout* layout = UtilGui::createVBoxLayout(central, 2, 2);
    setMenuBar(new QMenuBar(this));
    setCentralWidget(central);

    m_notificationBar = new WidNotificationBar(central);
    m_notificationBar->init();
    m_notificationBar->setVisible(false);

    m_tabManager = new WidTabManager(central);
    m_tabManager->build();
    m_tabMenuBarAction = m_tabManager->menuBarAction();
    m_tabStatusBarAction = m_tabManager->statusBarAction();
    if (m_tabMenuBarAction)
        connect(m_tabMenuBarAction, &QAction::triggered, this, &WndMainDesigner::slotMenuBar);
    if (m_tabStatusBarAction)
        connect(m_tabStatusBarAction, &QAction::triggered, this, &WndMainDesigner::slotStatusBar);

    m_findBar = new WidFind(central);
    m_findBar->init();
    m_findBar->setVisible(false);
    m_replaceBar = new WidReplace(central);
    m_replaceBar->init();
    m_replaceBar->setVisible(false);
    m_gotoLineBar = new WidGotoLine(central);
    m_gotoLineBar->init();
    m_gotoLineBar->setVisible(false);

    m_statusBarWidget = new WidStatusBar(central);
    m_statusBarWidget->init();

    layout->addWidget(m_tabManager, 1);
    layout->addWidget(m_findBar, 0);
    layout->addWidget(m_replaceBar, 0);
    layout->addWidget(m_gotoLineBar, 0);
    layout->addWidget(m_notificationBar, 0);
    layout->addWidget(m_statusBarWidget, 0);
}

void WndMainDesigner::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->addMenu(createFileMenu());
    bar->addMenu(createEditMenu());
    bar->addMenu(createNavigateMenu());
    bar->addMenu(createViewMenu());
    bar->addMenu(createHistoryMenu());
    bar->addMenu(createBookmarksMenu());
    bar->addMenu(createToolsMenu());
    bar->addMenu(createWebMenu());
    bar->addMenu(createProjectMenu());
    bar->addMenu(createHelpMenu());
}

QAction* WndMainDesigner::addItem(QMenu* menu, const QString& text, const QKeySequence& key, Slot slot)
{
    QAction* action = menu->addAction(Utils::escapeMnemonic(text));
    action->setShortcut(key);
    // The window holds the item too: the items of a hidden menu bar get no
    // keys.
    addAction(action);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void WndMainDesigner::addCommands(QMenu* menu, MenuPlace place)
{
    for (const CommandEntry* entry : commandsAt(place)) {
        if (entry->has(CommandEntry::LineAbove))
            menu->addSeparator();
        QAction* action = addItem(menu, entry->text(), entry->key(), nullptr);
        if (entry->has(CommandEntry::Checkable)) {
            action->setCheckable(true);
            action->setChecked(entry->has(CommandEntry::Checked));
        }
        action->setEnabled(!entry->has(CommandEntry::Disabled));
        action->setAutoRepeat(entry->has(CommandEntry::Repeats));
        action->setVisible(!entry->has(CommandEntry::Hidden));
        if (entry->run)
            connect(action, &QAction::triggered, this, [this, entry] { runCommand(*entry); });
        m_commandItems.insert(entry, action);
    }
}

QMenu* WndMainDesigner::commandMenu(const QString& title, MenuPlace place)
{
    auto* menu = new QMenu(title, this);
    addCommands(menu, place);
    return menu;
}

QAction* WndMainDesigner::commandItem(Slot slot) const
{
    return m_commandItems.value(commandOfSlot(slot));
}

} // namespace Vexal
