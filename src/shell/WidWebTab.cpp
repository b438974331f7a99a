#include "shell/WidWebTab.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "shell/BaseTabObject.h"
#include "shell/BaseWebExtension.h"
#include "widgets/UtilGui.h"
#include "shell/WidNavigationBar.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebView.h"
#include "texts/LocaleBrowser.h"

#include <QSplitter>
#include <QVBoxLayout>
#include <QWebPage>

namespace Vexal {

WidWebTab::WidWebTab(QWidget* parent)
    : QWidget(parent)
{
}

WidWebTab::~WidWebTab()
{
    // The children outlive this part of the tab; a view that reports while
    // it is torn down must not reach the tab's slots.
    if (m_webView)
        disconnect(m_webView, nullptr, this, nullptr);
    if (m_navigationBar)
        disconnect(m_navigationBar, nullptr, this, nullptr);
}

QString WidWebTab::title() const
{
    return m_webView ? m_webView->title() : BaseTab::title();
}

QString WidWebTab::toolTip() const
{
    return m_webView ? m_webView->toolTip() : BaseTab::toolTip();
}

QPixmap WidWebTab::icon() const
{
    return m_webView ? m_webView->icon() : BaseTab::icon();
}

QUrl WidWebTab::url() const
{
    return m_webView ? m_webView->url() : BaseTab::url();
}

bool WidWebTab::isWebPage() const
{
    return true;
}

QString WidWebTab::selectedText() const
{
    return m_webView ? m_webView->selectedText() : QString();
}

void WidWebTab::open()
{
    if (!m_webView)
        return;
    m_webView->setTabManager(tabManager());
    Init* start = init();
    if (!start)
        return;
    if (!start->url().isEmpty()) {
        m_webView->setUrl(start->url());
        m_webView->load(start->url());
    }
    if (!start->text().isEmpty() && m_navigationBar)
        m_navigationBar->search(start->text());
}

void WidWebTab::back()
{
    if (m_webView)
        m_webView->slotBack();
}

void WidWebTab::forward()
{
    if (m_webView)
        m_webView->slotForward();
}

void WidWebTab::reload()
{
    if (m_webView)
        m_webView->slotReload();
}

void WidWebTab::stop()
{
    if (m_webView)
        m_webView->slotStop();
}

void WidWebTab::save()
{
    if (m_webView)
        m_webView->slotSavePage();
}

void WidWebTab::copy()
{
    if (m_webView)
        m_webView->handleCopyText();
}

void WidWebTab::selectAll()
{
    if (m_webView)
        m_webView->slotSelectAll();
}

void WidWebTab::find(const QString& text, bool forward, bool matchCase)
{
    if (!m_webView || text.isEmpty())
        return;
    QWebPage::FindFlags flags;
    if (!forward)
        flags |= QWebPage::FindBackward;
    if (matchCase)
        flags |= QWebPage::FindCaseSensitively;
    m_webView->findText(text, flags);
}

void WidWebTab::findAll(const QString& text, bool matchCase)
{
    if (!m_webView)
        return;
    QWebPage::FindFlags flags = QWebPage::HighlightAllOccurrences;
    if (matchCase)
        flags |= QWebPage::FindCaseSensitively;
    m_webView->findText(text, flags);
}

void WidWebTab::load(const QUrl& url)
{
    slotLoad(url);
}

void WidWebTab::zoomIn()
{
    if (m_webView)
        m_webView->zoomIn(isZoomTextOnly());
}

void WidWebTab::zoomOut()
{
    if (m_webView)
        m_webView->zoomOut(isZoomTextOnly());
}

void WidWebTab::zoomReset()
{
    if (m_webView)
        m_webView->zoomReset();
}

bool WidWebTab::isLocked() const
{
    return m_webView && m_webView->isLocked();
}

bool WidWebTab::isNinja() const
{
    return m_webView && m_webView->isNinja();
}

void WidWebTab::setLocked(bool locked)
{
    if (m_webView)
        m_webView->setLocked(locked);
}

void WidWebTab::setNinja(bool ninja)
{
    if (m_webView)
        m_webView->setNinja(ninja);
}

void WidWebTab::setInit(QObject* init)
{
    BaseTab::setInit(init);
    if (!m_webView)
        connectSignals();
}

void WidWebTab::connectSignals()
{
    QVBoxLayout* layout = UtilGui::createVBoxLayout(this, 1, 1);

    m_navigationBar = new WidNavigationBar(this);
    m_navigationBar->build();
    connect(m_navigationBar, &WidNavigationBar::onBack, this, &WidWebTab::slotBack);
    connect(m_navigationBar, &WidNavigationBar::onForward, this, &WidWebTab::slotForward);
    connect(m_navigationBar, &WidNavigationBar::onReload, this, &WidWebTab::slotReload);
    connect(m_navigationBar, &WidNavigationBar::onStop, this, &WidWebTab::slotStop);
    connect(m_navigationBar, &WidNavigationBar::onLoad, this, &WidWebTab::slotLoad);

    m_webView = new WidWebView(this);
    m_webView->build();
    m_webView->setMinimumWidth(200);
    connect(m_webView, &WidWebView::onStateChanged, this, &WidWebTab::handleStateChanged);

    m_splitter = new QSplitter(this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_webView);

    layout->addWidget(m_navigationBar, 0);
    layout->addWidget(m_splitter, 1);
}

QString WidWebTab::pageHtml() const
{
    return m_webView ? m_webView->pageHtml() : QString();
}

void WidWebTab::webSearch(const QString& words)
{
    if (m_navigationBar)
        m_navigationBar->search(words);
}

void WidWebTab::focusSearch()
{
    if (m_navigationBar)
        m_navigationBar->focusSearch();
}

void WidWebTab::focusLocation()
{
    if (m_navigationBar)
        m_navigationBar->focusLocation();
}

void WidWebTab::setExtension(BaseWebExtension* extension)
{
    if (!extension)
        return;
    if (!m_splitter) {
        // No body to hold it yet; the tab owns what it is handed.
        if (QWidget* panel = extension->widget())
            panel->deleteLater();
        return;
    }
    // Attaching the panel already shown must not delete it.
    if (extension == m_extension && m_extensionWidget)
        return;
    handleCloseExtension();

    m_extension = extension;
    extension->beforeAttach();
    extension->setWebTab(this);
    m_extensionWidget = extension->widget();
    m_splitter->insertWidget(0, m_extensionWidget);
    extension->afterAttach();
    if (BaseTabObject* object = extension->tabObject())
        connect(object, &BaseTabObject::onClose, this, &WidWebTab::handleCloseExtension);
}

void WidWebTab::handleCloseExtension()
{
    if (!m_extension)
        return;
    m_extension = nullptr;
    QWidget* panel = m_extensionWidget;
    m_extensionWidget = nullptr;
    if (!panel)
        return;
    panel->hide();
    // Out of the splitter at once; deleted later, since the request may come
    // from one of the panel's own buttons.
    panel->setParent(nullptr);
    panel->deleteLater();
}

void WidWebTab::slotBack()
{
    back();
}

void WidWebTab::slotForward()
{
    forward();
}

void WidWebTab::slotReload()
{
    reload();
}

void WidWebTab::slotStop()
{
    stop();
}

void WidWebTab::slotLoad(const QUrl& url)
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleBrowser::load());
    if (url.isEmpty() || !m_webView)
        return;
    m_webView->setUrl(url);
    m_webView->load(url);
}

void WidWebTab::handleStateChanged()
{
    if (!m_webView)
        return;
    if (m_navigationBar) {
        m_navigationBar->setUrl(m_webView->url());
        m_navigationBar->setIcon(m_webView->stateIcon());
        m_navigationBar->setLoading(m_webView->state() == WidWebView::StateLoading);
    }
    if (BaseTabObject* object = tabObject())
        object->emitOnStateChanged(this);
}

} // namespace Vexal
