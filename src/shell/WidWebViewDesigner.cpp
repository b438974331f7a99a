#include "shell/WidWebViewDesigner.h"

#include "shell/WidWebPage.h"
#include "texts/LocaleWebTab.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWebFrame>

namespace Vexal {

WidWebViewDesigner::WidWebViewDesigner(QWidget* parent)
    : QWebView(parent)
{
}

WidWebViewDesigner::~WidWebViewDesigner()
{
    // The page goes down with QWebView's destructor and may still report a
    // load it breaks off; the slots of the derived layers are gone by then.
    disconnect(this, nullptr, this, nullptr);
    if (m_ownPage)
        m_ownPage->disconnect(this);
}

void WidWebViewDesigner::build()
{
    create();
}

QMenu* WidWebViewDesigner::menuFor(const QWebHitTestResult& hit) const
{
    const bool link = !hit.linkUrl().isEmpty();
    const bool image = !hit.imageUrl().isEmpty();
    if (link && image)
        return linkImageMenu();
    if (link)
        return linkMenu();
    if (image)
        return imageMenu();
    if (hit.isContentSelected())
        return textMenu();
    return pageMenu();
}

const WidWebViewDesigner& WidWebViewDesigner::menus() const
{
    if (!m_pageMenu)
        const_cast<WidWebViewDesigner*>(this)->createMenus();
    return *this;
}

void WidWebViewDesigner::handleLoadStarted() {}
void WidWebViewDesigner::handleLoadFinished(bool) {}
void WidWebViewDesigner::handleTitleChanged(const QString&) {}
void WidWebViewDesigner::handleUrlChanged(const QUrl&) {}
void WidWebViewDesigner::handleIconChanged() {}
void WidWebViewDesigner::slotOpenLink() {}
void WidWebViewDesigner::slotQuickBookmarkLink() {}
void WidWebViewDesigner::slotBookmarkLink() {}
void WidWebViewDesigner::slotCopyLink() {}
void WidWebViewDesigner::slotSaveLink() {}
void WidWebViewDesigner::slotViewImage() {}
void WidWebViewDesigner::slotCopyImage() {}
void WidWebViewDesigner::slotCopyImageLocation() {}
void WidWebViewDesigner::slotSaveImage() {}
void WidWebViewDesigner::slotBack() {}
void WidWebViewDesigner::slotForward() {}
void WidWebViewDesigner::slotReload() {}
void WidWebViewDesigner::slotStop() {}
void WidWebViewDesigner::slotQuickBookmarkPage() {}
void WidWebViewDesigner::slotBookmarkPage() {}
void WidWebViewDesigner::slotSelectAll() {}
void WidWebViewDesigner::slotPageSource() {}
void WidWebViewDesigner::slotSavePage() {}
void WidWebViewDesigner::handleCopyText() {}
void WidWebViewDesigner::slotWebSearch() {}

void WidWebViewDesigner::create()
{
    m_ownPage = new WidWebPage(this);
    setPage(m_ownPage);
    connectSignals();
}

void WidWebViewDesigner::createMenus()
{
    using D = WidWebViewDesigner;

    m_pageMenu = new QMenu(this);
    m_pageMenu->addAction(LocaleWebTab::back(), this, &D::slotBack);
    m_pageMenu->addAction(LocaleWebTab::forward(), this, &D::slotForward);
    m_pageMenu->addAction(LocaleWebTab::reload(), this, &D::slotReload);
    m_pageMenu->addAction(LocaleWebTab::stop(), this, &D::slotStop);
    m_pageMenu->addSeparator();
    m_pageMenu->addAction(LocaleWebTab::quickBookmark(), this, &D::slotQuickBookmarkPage);
    m_pageMenu->addAction(LocaleWebTab::bookmarkThisTab(), this, &D::slotBookmarkPage);
    m_pageMenu->addSeparator();
    m_pageMenu->addAction(LocaleWebTab::selectAll(), this, &D::slotSelectAll);
    m_pageMenu->addAction(LocaleWebTab::pageSource(), this, &D::slotPageSource);
    m_pageMenu->addSeparator();
    m_pageMenu->addAction(LocaleWebTab::save(), this, &D::slotSavePage);

    m_linkMenu = new QMenu(this);
    addLinkItems(m_linkMenu);

    m_imageMenu = new QMenu(this);
    addImageItems(m_imageMenu);

    m_linkImageMenu = new QMenu(this);
    addLinkItems(m_linkImageMenu);
    m_linkImageMenu->addSeparator();
    addImageItems(m_linkImageMenu);

    m_textMenu = new QMenu(this);
    m_textMenu->addAction(LocaleWebTab::copy(), this, &D::handleCopyText);
    m_textMenu->addAction(LocaleWebTab::selectAll(), this, &D::slotSelectAll);
    m_textMenu->addSeparator();
    m_textMenu->addAction(LocaleWebTab::webSearch(), this, &D::slotWebSearch);
}

void WidWebViewDesigner::addLinkItems(QMenu* menu)
{
    using D = WidWebViewDesigner;
    menu->addAction(LocaleWebTab::openLinkInNewTab(), this, &D::slotOpenLink);
    menu->addSeparator();
    menu->addAction(LocaleWebTab::quickBookmarkThisLink(), this, &D::slotQuickBookmarkLink);
    menu->addAction(LocaleWebTab::bookmarkThisLink(), this, &D::slotBookmarkLink);
    menu->addSeparator();
    menu->addAction(LocaleWebTab::copyLinkLocation(), this, &D::slotCopyLink);
    QAction* saveLink = menu->addAction(LocaleWebTab::saveLinkAs(), this, &D::slotSaveLink);
    saveLink->setEnabled(false);
}

void WidWebViewDesigner::addImageItems(QMenu* menu)
{
    using D = WidWebViewDesigner;
    menu->addAction(LocaleWebTab::viewImage(), this, &D::slotViewImage);
    menu->addSeparator();
    menu->addAction(LocaleWebTab::copyImage(), this, &D::slotCopyImage);
    menu->addAction(LocaleWebTab::copyImageLocation(), this, &D::slotCopyImageLocation);
    menu->addAction(LocaleWebTab::saveImageAs(), this, &D::slotSaveImage);
}

void WidWebViewDesigner::connectSignals()
{
    connect(this, &QWebView::loadStarted, this, &WidWebViewDesigner::handleLoadStarted);
    connect(this, &QWebView::loadFinished, this, &WidWebViewDesigner::handleLoadFinished);
    connect(this, &QWebView::titleChanged, this, &WidWebViewDesigner::handleTitleChanged);
    connect(this, &QWebView::urlChanged, this, &WidWebViewDesigner::handleUrlChanged);
    connect(this, &QWebView::iconChanged, this, &WidWebViewDesigner::handleIconChanged);
}

void WidWebViewDesigner::contextMenuEvent(QContextMenuEvent* event)
{
    if (!page() || !page()->mainFrame())
        return;
    m_hitTest = page()->mainFrame()->hitTestContent(event->pos());
    if (m_hitTest.isNull())
        return;
    if (QMenu* menu = menuFor(m_hitTest))
        menu->exec(mapToGlobal(event->pos()));
}

} // namespace Vexal
