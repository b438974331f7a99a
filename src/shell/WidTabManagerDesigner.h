#pragma once

#include <QTabWidget>

class QAction;
class QMenu;
class QToolButton;

namespace Vexal {

// The widget layer of the tab manager: builds the corner button, the tab-list
// menu and the tab context menu, and declares the slots that WidTabManager
// implements. The owner calls build() once after construction.
class WidTabManagerDesigner : public QTabWidget
{
    Q_OBJECT
public:
    explicit WidTabManagerDesigner(QWidget* parent = nullptr);
    ~WidTabManagerDesigner() override;

    // createWidgets, createContextMenu and createDefaultTab, in this order.
    void build();

public slots:
    virtual void slotContextNewTab();
    virtual void slotContextCloneTab();
    virtual void slotContextReload();
    virtual void slotContextReloadAllTabs();
    virtual void slotContextLockTab();
    virtual void slotContextNinjaTab();
    virtual void slotContextQuickBookmarkTab();
    virtual void slotContextBookmarkTab();
    virtual void slotContextBookmarkAllTabs();
    virtual void slotContextCloseOtherTabs();
    virtual void slotContextCloseTab();
    virtual void slotCloseTab(int index);
    virtual void handleTabChanged(int index);
    virtual void handleStateChaned(QWidget* sender);
    virtual void handleFocusTab();

protected:
    virtual void createWidgets();
    virtual void createContextMenu();
    virtual void createDefaultTab();

    // Items 1-15 of the context menu visible and the two bar items hidden
    // (tabItems true), or the reverse.
    void showContextItems(bool tabItems);

    QAction* m_lockAction = nullptr;
    QAction* m_ninjaAction = nullptr;
    QAction* m_menuBarAction = nullptr;
    QAction* m_statusBarAction = nullptr;
    QToolButton* m_newTabButton = nullptr;
    QMenu* m_tabListMenu = nullptr;
    int m_contextIndex = -1;
};

} // namespace Vexal
