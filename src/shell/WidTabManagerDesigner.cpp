#include "shell/WidTabManagerDesigner.h"

#include "shell/BaseTab.h"
#include "shell/BaseTabObject.h"
#include "texts/ConstIcon.h"
#include "shell/WidTabBar.h"
#include "texts/LocaleBrowser.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace Vexal {

WidTabManagerDesigner::WidTabManagerDesigner(QWidget* parent)
    : QTabWidget(parent)
{
    setTabBar(new WidTabBar(this));
}

WidTabManagerDesigner::~WidTabManagerDesigner()
{
    // The pages die in QWidget's destructor, when the slots of the derived
    // layers are gone: nothing may reach them from then on.
    disconnect(this, nullptr, this, nullptr);
    for (int i = 0; i < count(); ++i) {
        if (BaseTab* page = dynamic_cast<BaseTab*>(widget(i)))
            disconnect(page->tabObject(), nullptr, this, nullptr);
    }
}

void WidTabManagerDesigner::build()
{
    createWidgets();
    createContextMenu();
    createDefaultTab();
}

void WidTabManagerDesigner::slotContextNewTab() {}
void WidTabManagerDesigner::slotContextCloneTab() {}
void WidTabManagerDesigner::slotContextReload() {}
void WidTabManagerDesigner::slotContextReloadAllTabs() {}
void WidTabManagerDesigner::slotContextLockTab() {}
void WidTabManagerDesigner::slotContextNinjaTab() {}
void WidTabManagerDesigner::slotContextQuickBookmarkTab() {}
void WidTabManagerDesigner::slotContextBookmarkTab() {}
void WidTabManagerDesigner::slotContextBookmarkAllTabs() {}
void WidTabManagerDesigner::slotContextCloseOtherTabs() {}
void WidTabManagerDesigner::slotContextCloseTab() {}
void WidTabManagerDesigner::slotCloseTab(int) {}
void WidTabManagerDesigner::handleTabChanged(int) {}
void WidTabManagerDesigner::handleStateChaned(QWidget*) {}
void WidTabManagerDesigner::handleFocusTab() {}

void WidTabManagerDesigner::createWidgets()
{
    setTabsClosable(true);
    setMovable(true);
    setDocumentMode(true);
    setContextMenuPolicy(Qt::PreventContextMenu);

    m_tabListMenu = new QMenu(this);
    m_newTabButton = new QToolButton(this);
    m_newTabButton->setAutoRaise(true);
    const QPixmap add = ConstIcon::add(24);
    m_newTabButton->setIcon(QIcon(add));
    m_newTabButton->setIconSize(add.size());
    m_newTabButton->setPopupMode(QToolButton::MenuButtonPopup);
    m_newTabButton->setMenu(m_tabListMenu);

    connect(m_newTabButton, &QToolButton::clicked, this, &WidTabManagerDesigner::slotContextNewTab);
    setCornerWidget(m_newTabButton, Qt::TopRightCorner);
    connect(this, &QTabWidget::tabCloseRequested, this, &WidTabManagerDesigner::slotCloseTab);
    connect(this, &QTabWidget::currentChanged, this, &WidTabManagerDesigner::handleTabChanged);
}

void WidTabManagerDesigner::createContextMenu()
{
    auto item = [this](const QString& text, void (WidTabManagerDesigner::*slot)()) {
        QAction* action = new QAction(text, this);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    auto separator = [this]() {
        QAction* action = new QAction(this);
        action->setSeparator(true);
        addAction(action);
    };

    item(LocaleBrowser::newTab(), &WidTabManagerDesigner::slotContextNewTab);
    item(LocaleBrowser::cloneTab(), &WidTabManagerDesigner::slotContextCloneTab);
    separator();
    item(LocaleBrowser::reloadTab(), &WidTabManagerDesigner::slotContextReload);
    item(LocaleBrowser::reloadAllTabs(), &WidTabManagerDesigner::slotContextReloadAllTabs);
    separator();
    m_lockAction = item(LocaleBrowser::lockedTab(), &WidTabManagerDesigner::slotContextLockTab);
    m_lockAction->setCheckable(true);
    m_ninjaAction = item(LocaleBrowser::ninjaTab(), &WidTabManagerDesigner::slotContextNinjaTab);
    m_ninjaAction->setCheckable(true);
    separator();
    item(LocaleBrowser::quickBookmark(), &WidTabManagerDesigner::slotContextQuickBookmarkTab);
    item(LocaleBrowser::bookmarkThisTab(), &WidTabManagerDesigner::slotContextBookmarkTab);
    item(LocaleBrowser::bookmarkAllTabs(), &WidTabManagerDesigner::slotContextBookmarkAllTabs);
    separator();
    item(LocaleBrowser::closeOtherTabs(), &WidTabManagerDesigner::slotContextCloseOtherTabs);
    item(LocaleBrowser::closeTab(), &WidTabManagerDesigner::slotContextCloseTab);
    m_menuBarAction = item(LocaleBrowser::menuBar(), nullptr);
    m_menuBarAction->setCheckable(true);
    m_statusBarAction = item(LocaleBrowser::statusBar(), nullptr);
    m_statusBarAction->setCheckable(true);
}

void WidTabManagerDesigner::createDefaultTab() {}

void WidTabManagerDesigner::showContextItems(bool tabItems)
{
    const QList<QAction*> all = actions();
    for (QAction* action : all) {
        const bool barItem = action == m_menuBarAction || action == m_statusBarAction;
        action->setVisible(barItem != tabItems);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace Vexal
