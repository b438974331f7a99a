#include "shell/WidTabManager.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "shell/BaseTab.h"
#include "shell/BaseTabObject.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidWebTab.h"
#include "texts/LocaleBrowser.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QTabBar>
#include <QWebView>

namespace Vexal {

namespace {
WidTabManager::WebTabFactory& webTabFactory()
{
    static WidTabManager::WebTabFactory factory;
    return factory;
}
} // namespace

void WidTabManager::setWebTabFactory(WebTabFactory factory)
{
    webTabFactory() = std::move(factory);
}

WidTabManager::WidTabManager(QWidget* parent)
    : WidTabManagerDesigner(parent)
{
}

BaseTab* WidTabManager::addTab(BaseTab* page, Init* init, bool reuseSameClass, bool focus)
{
    if (!page) {
        delete init;
        reportInvalidObject(QStringLiteral("tab"));
        return nullptr;
    }
    QWidget* pageWidget = page->widget();
    if (!pageWidget) {
        delete init;
        reportInvalidObject(QStringLiteral("tabWidget"));
        return nullptr;
    }
    // A page that is already held is not added a second time.
    const int held = indexOf(pageWidget);
    if (held >= 0) {
        delete init;
        setCurrentIndex(held);
        return page;
    }

    const int same = findTabOfClass(QString::fromLatin1(pageWidget->metaObject()->className()));
    if (same >= 0 && reuseSameClass) {
        setCurrentIndex(same);
        delete init;
        delete pageWidget;
        return pageAt(same);
    }

    if (!belowLimit()) {
        warnLimit();
        delete init;
        delete pageWidget;
        return nullptr;
    }

    pageWidget->setParent(this);
    page->setTabManager(this);
    page->prepare();
    page->setInit(init);
    const int index = insertTab(count(), pageWidget, QString());
    refreshTab(index, page, true);
    page->open();
    if (focus)
        setCurrentWidget(pageWidget);
    return page;
}

BaseTab* WidTabManager::addFocusedTab(BaseTab* page, Init* init)
{
    return addTab(page, init, false, true);
}

BaseTab* WidTabManager::addUniqueTab(BaseTab* page, Init* init)
{
    return addTab(page, init, true, true);
}

QWebView* WidTabManager::newPopupTab()
{
    const bool focus = DBCache::focusPopups();
    BaseTab* page = addTab(newWebTab(), nullptr, false, focus);
    if (!page || !page->widget())
        return nullptr;
    return page->widget()->findChild<QWebView*>();
}

void WidTabManager::createDefaultTab()
{
    addTab(newWebTab(), nullptr, false, true);
}

bool WidTabManager::closeTab(int index, bool silent)
{
    if (count() < 2) {
        UtilSignalManager::instance()->emitWarning(LocaleBrowser::cannotCloseTab());
        return false;
    }
    BaseTab* page = pageAt(index);
    if (!page) {
        reportInvalidObject(QStringLiteral("tab"));
        return false;
    }
    if (page->isLocked()) {
        if (!silent)
            UtilSignalManager::instance()->emitWarning(LocaleBrowser::cannotCloseLockedTab());
        return false;
    }
    if (page->isModified()) {
        if (silent)
            return false;
        if (!UtilGui::question(this, LocaleBrowser::confirmLoseUnsavedData()))
            return false;
    }

    QWidget* pageWidget = page->widget();
    page->aboutToClose();
    // The question may have let other events run: look the tab up again.
    const int current = indexOf(pageWidget);
    if (current < 0)
        return false;
    removeTab(current);
    if (QAction* entry = listEntryOf(page->id()))
        delete entry;
    disconnect(page->tabObject(), nullptr, this, nullptr);
    pageWidget->hide();
    pageWidget->deleteLater();
    return true;
}

int WidTabManager::findTabOfClass(const QString& className) const
{
    for (int i = 0; i < count(); ++i) {
        const QWidget* page = widget(i);
        if (page && QLatin1String(page->metaObject()->className()) == className)
            return i;
    }
    return -1;
}

int WidTabManager::countModified() const
{
    int modified = 0;
    for (int i = 0; i < count(); ++i) {
        const BaseTab* page = pageAt(i);
        if (page && page->isModified())
            ++modified;
    }
    return modified;
}

void WidTabManager::refreshTab(int index, BaseTab* page, bool isNew)
{
    if (!page || index < 0 || index >= count())
        return;
    const QString title = page->title();
    const QIcon icon(page->icon());
    const QString toolTip = page->toolTip();
    setTabText(index, Utils::escapeMnemonic(Utils::elideText(title, 35, true)));
    setTabIcon(index, icon);
    setTabToolTip(index, toolTip);

    if (isNew)
        connect(page->tabObject(), &BaseTabObject::onStateChanged, this, &WidTabManager::handleStateChaned);

    const QString entryText = Utils::escapeMnemonic(Utils::elideText(title, 35, false));
    if (!m_tabListMenu)
        return;
    QAction* entry = listEntryOf(page->id());
    if (!entry) {
        entry = new QAction(m_tabListMenu);
        entry->setData(page->id());
        connect(entry, &QAction::triggered, this, &WidTabManager::handleFocusTab);
        m_tabListMenu->addAction(entry);
    }
    entry->setText(entryText);
    entry->setIcon(icon);
    entry->setToolTip(toolTip);
}

BaseTab* WidTabManager::pageAt(int index) const
{
    return dynamic_cast<BaseTab*>(widget(index));
}

QAction* WidTabManager::menuBarAction() const
{
    return m_menuBarAction;
}

QAction* WidTabManager::statusBarAction() const
{
    return m_statusBarAction;
}

void WidTabManager::slotContextNewTab()
{
    setContext(LocaleBrowser::newTab());
    if (!belowLimit()) {
        warnLimit();
        return;
    }
    addTab(newWebTab(), nullptr, false, true);
}

void WidTabManager::slotContextCloneTab()
{
    setContext(LocaleBrowser::cloneTab());
    BaseTab* page = pageAt(m_contextIndex);
    if (!page) {
        reportInvalidObject(QStringLiteral("tab"));
        return;
    }
    if (!page->isWebPage())
        return;
    if (!belowLimit()) {
        warnLimit();
        return;
    }
    addTab(newWebTab(), new Init(page->url(), nullptr), false, true);
}

void WidTabManager::slotContextReload()
{
    setContext(LocaleBrowser::reload());
    BaseTab* page = pageAt(m_contextIndex);
    if (!page) {
        reportInvalidObject(QStringLiteral("tab"));
        return;
    }
    page->reload();
}

void WidTabManager::slotContextReloadAllTabs()
{
    setContext(LocaleBrowser::reloadAllTabs());
    if (!UtilGui::question(this, LocaleBrowser::confirmManyTabs()))
        return;
    for (int i = 0; i < count(); ++i) {
        if (BaseTab* page = pageAt(i))
            page->reload();
    }
}

void WidTabManager::slotContextLockTab()
{
    setContext(LocaleBrowser::lockedTab());
    if (BaseTab* page = pageAt(m_contextIndex))
        page->setLocked(m_lockAction->isChecked());
}

void WidTabManager::slotContextNinjaTab()
{
    setContext(LocaleBrowser::ninjaTab());
    if (BaseTab* page = pageAt(m_contextIndex))
        page->setNinja(m_ninjaAction->isChecked());
}

BaseTab* WidTabManager::contextWebPage() const
{
    BaseTab* page = pageAt(m_contextIndex);
    if (!page) {
        reportInvalidObject(QStringLiteral("tab"));
        return nullptr;
    }
    if (!page->isWebPage()) {
        UtilSignalManager::instance()->emitWarning(LocaleBrowser::webTabsOnly());
        return nullptr;
    }
    return page;
}

void WidTabManager::slotContextQuickBookmarkTab()
{
    setContext(LocaleBrowser::quickBookmark());
    BaseTab* page = contextWebPage();
    if (!page)
        return;
    const QPixmap icon = page->icon();
    const QString title = page->title();
    UtilSignalManager::instance()->emitQuickBookmark(page->url(), title, icon);
}

void WidTabManager::slotContextBookmarkTab()
{
    setContext(LocaleBrowser::bookmarkThisTab());
    BaseTab* page = contextWebPage();
    if (!page)
        return;
    const QPixmap icon = page->icon();
    const QString title = page->title();
    UtilSignalManager::instance()->emitBookmarkTab(page->url(), title, icon);
}

void WidTabManager::slotContextBookmarkAllTabs()
{
    setContext(LocaleBrowser::bookmarkAllTabs());
    UtilSignalManager::instance()->emitBookmarkAllTabs();
}

void WidTabManager::slotContextCloseOtherTabs()
{
    setContext(LocaleBrowser::closeOtherTabs());
    if (m_contextIndex < 0 || count() < 2)
        return;
    BaseTab* kept = pageAt(m_contextIndex);
    if (!kept)
        return;
    if (DBCache::warnTabsClosing() && !UtilGui::question(this, LocaleBrowser::confirmCloseOtherTabs()))
        return;
    const QWidget* keptWidget = kept->widget();
    int i = 0;
    while (i < count()) {
        if (widget(i) == keptWidget || !closeTab(i, true))
            ++i;
    }
}

void WidTabManager::slotContextCloseTab()
{
    setContext(LocaleBrowser::closeTab());
    if (m_contextIndex >= 0)
        closeTab(m_contextIndex, false);
}

void WidTabManager::slotCloseTab(int index)
{
    setContext(LocaleBrowser::closeTab());
    if (index >= 0)
        closeTab(index, false);
}

void WidTabManager::handleTabChanged(int)
{
    UtilSignalManager::instance()->emitUpdateTabStatus();
}

void WidTabManager::handleStateChaned(QWidget* sender)
{
    const int index = indexOf(sender);
    if (index < 0)
        return;
    if (BaseTab* page = pageAt(index))
        refreshTab(index, page, false);
}

void WidTabManager::handleFocusTab()
{
    const QAction* entry = qobject_cast<QAction*>(sender());
    if (!entry)
        return;
    const QString id = entry->data().toString();
    if (id.isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        const BaseTab* page = pageAt(i);
        if (page && page->id() == id) {
            setCurrentIndex(i);
            return;
        }
    }
}

void WidTabManager::mousePressEvent(QMouseEvent* event)
{
    m_contextIndex = -1;
    setContextMenuPolicy(Qt::PreventContextMenu);
    if (!m_lockAction)
        return;
    const QTabBar* bar = tabBar();
    const QPoint pos = bar->mapFrom(this, event->pos());
    for (int i = 0; i < count(); ++i) {
        if (!bar->tabRect(i).contains(pos))
            continue;
        const BaseTab* page = pageAt(i);
        if (!page)
            return;
        m_contextIndex = i;
        m_lockAction->setChecked(page->isLocked());
        m_ninjaAction->setChecked(page->isNinja());
        showContextItems(true);
        return;
    }
    if (QRect(0, 0, bar->width(), bar->height()).contains(pos))
        showContextItems(false);
}

BaseTab* WidTabManager::newWebTab()
{
    const WebTabFactory& factory = webTabFactory();
    if (factory)
        return factory(this);
    return new WidWebTab(this);
}

bool WidTabManager::belowLimit() const
{
    return count() < DBCache::maxOpenedTabs();
}

void WidTabManager::setContext(const QString& operation) const
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), operation);
}

void WidTabManager::reportInvalidObject(const QString& object) const
{
    Logger::error(LocaleBrowser::invalidObjectState(object));
    UtilSignalManager::instance()->emitError(LocaleBrowser::unexpectedError());
}

void WidTabManager::warnLimit() const
{
    UtilSignalManager::instance()->emitWarning(LocaleBrowser::tabLimitReached());
}

QAction* WidTabManager::listEntryOf(const QString& id) const
{
    const QList<QAction*> entries = m_tabListMenu ? m_tabListMenu->actions() : QList<QAction*>();
    for (QAction* entry : entries) {
        if (entry->data().toString() == id)
            return entry;
    }
    return nullptr;
}

} // namespace Vexal
