#pragma once

#include <QPointer>
#include <QWebHitTestResult>
#include <QWebView>

class QMenu;

namespace Vexal {

// The widget layer of the web view: builds the page and the engine
// connections, the five context menus on first use, and declares the slots
// that WidWebView fills in. build() must be called once after construction.
class WidWebViewDesigner : public QWebView
{
    Q_OBJECT
public:
    explicit WidWebViewDesigner(QWidget* parent = nullptr);
    ~WidWebViewDesigner() override;

    void build();

    // The menu that a right-click on this hit shows: link and image, link,
    // image, selection, or page menu.
    QMenu* menuFor(const QWebHitTestResult& hit) const;

    QMenu* pageMenu() const { return menus().m_pageMenu; }
    QMenu* linkMenu() const { return menus().m_linkMenu; }
    QMenu* imageMenu() const { return menus().m_imageMenu; }
    QMenu* linkImageMenu() const { return menus().m_linkImageMenu; }
    QMenu* textMenu() const { return menus().m_textMenu; }

public slots:
    virtual void handleLoadStarted();
    virtual void handleLoadFinished(bool ok);
    virtual void handleTitleChanged(const QString& title);
    virtual void handleUrlChanged(const QUrl& url);
    virtual void handleIconChanged();
    virtual void slotOpenLink();
    virtual void slotQuickBookmarkLink();
    virtual void slotBookmarkLink();
    virtual void slotCopyLink();
    virtual void slotSaveLink();
    virtual void slotViewImage();
    virtual void slotCopyImage();
    virtual void slotCopyImageLocation();
    virtual void slotSaveImage();
    virtual void slotBack();
    virtual void slotForward();
    virtual void slotReload();
    virtual void slotStop();
    virtual void slotQuickBookmarkPage();
    virtual void slotBookmarkPage();
    virtual void slotSelectAll();
    virtual void slotPageSource();
    virtual void slotSavePage();
    virtual void handleCopyText();
    virtual void slotWebSearch();

protected:
    virtual void create();
    virtual void createMenus();
    virtual void connectSignals();

    void contextMenuEvent(QContextMenuEvent* event) override;

    // The hit test of the last context-menu click, read by the menu slots.
    QWebHitTestResult m_hitTest;
    QMenu* m_pageMenu = nullptr;
    QMenu* m_linkMenu = nullptr;
    QMenu* m_imageMenu = nullptr;
    QMenu* m_linkImageMenu = nullptr;
    QMenu* m_textMenu = nullptr;

private:
    QPointer<QWebPage> m_ownPage;

    // The view with its menus built: a tab that is never right-clicked
    // never builds them.
    const WidWebViewDesigner& menus() const;
    void addLinkItems(QMenu* menu);
    void addImageItems(QMenu* menu);
};

} // namespace Vexal
