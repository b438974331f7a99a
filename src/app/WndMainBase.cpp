#include "app/WndMainBase.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UserData.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBGUI.h"
#include "data/DBGUIList.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "data/DBWriteQueue.h"
#include "data/DBProject.h"
#include "data/DBProjectList.h"
#include "data/HistoryCleanup.h"
#include "shell/BaseTab.h"
#include "shell/NetworkAccessManager.h"
#include "widgets/UtilGui.h"
#include "shell/WidSearchBar.h"
#include "shell/WidStatusBar.h"
#include "shell/WidTabManager.h"
#include "sites/DBOnlineToolList.h"
#include "sites/SecurityManager.h"
#include "texts/LocaleBrowser.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"
#include "texts/UtilKeySequence.h"
#include "views/UtilRecordMenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QWebSettings>

namespace Vexal {

WndMainBase::WndMainBase(QWidget* parent)
    : WndMainDesigner(parent)
    , m_historyCleanup(new HistoryCleanup(this))
{
}

bool WndMainBase::loadData()
{
    restoreGuiState();
    if (!startUp())
        return false;
    // Shown once its menus and data are in place, so that the window is
    // painted at once instead of standing blank while they load.
    if (m_showMaximized)
        showMaximized();
    return true;
}

bool WndMainBase::startUp()
{
    QObject holder;
    DBOptions* options = loadOptions(&holder);
    if (!options) {
        UtilGui::critical(this, LocaleMessage::databaseLoadFailed());
        return false;
    }
    DBCache::setOptions(options);

    DBProject* project = m_checkedProject ? m_checkedProject.data() : loadCurrentProject(&holder);
    m_checkedProject.clear();
    if (!project) {
        UtilGui::critical(this, LocaleMessage::activeProjectLoadFailed());
        return false;
    }
    project->setParent(&holder);
    DBCache::setProject(project);

    DBCache::reloadLastFolder();
    DBCache::reloadShortcuts();
    applyWebSettings(options);
    applyProxies(options);
    updatePrivateBrowsingAction();

    refreshStatusBar();
    buildBookmarksMenu();
    finishAfterFirstPaint();
    return true;
}

void WndMainBase::reloadOptions()
{
    if (!DBCache::reloadOptions()) {
        UtilSignalManager::instance()->emitError(LocaleMessage::unexpectedError());
        return;
    }
    QObject holder;
    DBOptions* options = loadOptions(&holder);
    if (!options)
        return;
    applyWebSettings(options);
    applyProxies(options);
    updatePrivateBrowsingAction();
}

DBOptions* WndMainBase::loadOptions(QObject* parent)
{
    DBOptionsList list;
    if (!list.load()) {
        Logger::error(list.errorText());
        return nullptr;
    }
    DBOptions* options = list.firstOrCreate();
    if (!options) {
        Logger::error(LocaleMessage::invalidObjectState(QStringLiteral("options")));
        return nullptr;
    }
    options->setParent(parent);
    return options;
}

void WndMainBase::startOnProject(std::unique_ptr<DBProject> project)
{
    delete m_checkedProject.data();
    m_checkedProject = project.release();
    if (m_checkedProject)
        m_checkedProject->setParent(this);
}

DBProject* WndMainBase::loadCurrentProject(QObject* parent)
{
    DBProjectList list(true);
    if (!list.loadFirst()) {
        Logger::critical(LocaleMessage::activeProjectMissing());
        Logger::critical(list.errorText());
        return nullptr;
    }
    if (list.count() == 0) {
        DBProject* project = list.ensureDefault();
        project->setActive(true);
        if (!list.saveAll()) {
            Logger::critical(LocaleMessage::activeProjectMissing());
            Logger::critical(list.errorText());
            return nullptr;
        }
    }
    DBProject* project = list.at(0);
    if (!project)
        return nullptr;
    project->setParent(parent);
    return project;
}

void WndMainBase::applyWebSettings(const DBOptions* options)
{
    QWebSettings* settings = QWebSettings::globalSettings();
    // A missing folder would silently turn the icon database off. Opening it
    // again for the same folder costs more than the rest of the start-up.
    static QString iconFolder;
    const QString folder = ConstApp::webDataFolder();
    if (folder != iconFolder) {
        QWebSettings::setIconDatabasePath(ConstApp::ensureFolder(folder));
        iconFolder = folder;
    }
    settings->setAttribute(QWebSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebSettings::PluginsEnabled, options->enableFlash());
    settings->setAttribute(QWebSettings::AutoLoadImages, options->enableImages());
    settings->setAttribute(QWebSettings::JavascriptEnabled, options->enableJScript());

    // Setting the application palette restyles every widget: only when it changes.
    QPalette palette = QApplication::palette();
    const QBrush highlight(QColor(10, 120, 230, 255));
    const QBrush highlightedText(Qt::white);
    if (palette.brush(QPalette::Inactive, QPalette::Highlight) != highlight
        || palette.brush(QPalette::Inactive, QPalette::HighlightedText) != highlightedText) {
        palette.setBrush(QPalette::Inactive, QPalette::Highlight, highlight);
        palette.setBrush(QPalette::Inactive, QPalette::HighlightedText, highlightedText);
        QApplication::setPalette(palette);
    }
}

void WndMainBase::applyProxies(const DBOptions* options)
{
    if (!options)
        return;
    const NetworkAccessManager::ProxySettings proxy = NetworkAccessManager::proxySettings(*options);
    NetworkAccessManager::instance()->applyProxy(proxy);
    SecurityManager::setProxy(proxy);
}

void WndMainBase::updatePrivateBrowsingAction()
{
    if (m_privateBrowsingAction)
        m_privateBrowsingAction->setChecked(!DBCache::saveHistory());
}

void WndMainBase::deleteExpiredHistory()
{
    m_historyCleanup->start(DBCache::historyPeriod());
}

void WndMainBase::showHomeOnStart()
{
    if (DBCache::startup() != 2 || !m_tabManager)
        return;
    if (BaseTab* tab = m_tabManager->pageAt(m_tabManager->currentIndex()))
        tab->load(DBCache::homeUrl());
}

void WndMainBase::finishAfterFirstPaint()
{
    m_finishAfterPaint = true;
}

void WndMainBase::finishStartUp()
{
    buildOnlineToolsMenu();
    deleteExpiredHistory();
    showHomeOnStart();
}

bool WndMainBase::event(QEvent* event)
{
    if (m_finishAfterPaint && event->type() == QEvent::Paint) {
        m_finishAfterPaint = false;
        QMetaObject::invokeMethod(this, &WndMainBase::finishStartUp, Qt::QueuedConnection);
    }
    return WndMainDesigner::event(event);
}

void WndMainBase::updateProjectLabel()
{
    if (m_statusBarWidget)
        m_statusBarWidget->setProjectText(LocaleMenu::projectLabel(DBCache::projectName()));
}

void WndMainBase::refreshStatusBar()
{
    if (!m_statusBarWidget)
        return;
    updateProjectLabel();
    m_statusBarWidget->setLinkText(QString());
    if (BaseTab* tab = m_tabManager ? m_tabManager->pageAt(m_tabManager->currentIndex()) : nullptr)
        m_statusBarWidget->setTabStatus(tab->status());
}

static_assert(WndMainBase::bookmarksMenuLimit == UtilRecordMenu::bookmarkLimit, "one limit for the Bookmarks menu");

void WndMainBase::buildBookmarksMenu()
{
    if (!m_bookmarksMenu)
        return;
    for (QAction* action : UtilRecordMenu::buildBookmarks(m_bookmarksMenu)) {
        connect(action, &QAction::hovered, this, &WndMainBase::handleUrlHovered);
        connect(action, &QAction::triggered, this, &WndMainBase::slotUrlClicked);
    }
}

void WndMainBase::buildOnlineToolsMenu()
{
    if (!m_onlineToolsMenu)
        return;
    UtilGui::removeMarkedActions(m_onlineToolsMenu);
    DBOnlineToolList list;
    if (!list.load()) {
        Logger::error(list.errorText());
        return;
    }
    for (int i = 0; i < list.count(); ++i) {
        QAction* action = list.addMenuItem(i, m_onlineToolsMenu);
        if (!action)
            continue;
        connect(action, &QAction::triggered, this, &WndMainBase::slotUrlClicked);
        connect(action, &QAction::hovered, this, &WndMainBase::handleUrlHovered);
    }
}

QUrl WndMainBase::urlOfSender() const
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return QUrl();
    const QString text = action->data().toString();
    return text.isEmpty() ? QUrl() : QUrl(text);
}

namespace {

// The one row of window state, loaded or created; null (logged) on failure.
DBGUI* loadGuiState(DBGUIList& list)
{
    if (!list.load()) {
        Logger::error(list.errorText());
        return nullptr;
    }
    return list.firstOrCreate();
}

} // namespace

void WndMainBase::saveGuiState()
{
    // Taken now; stored now or, while the database is held by someone else,
    // as soon as it is free (at the latest on the way out).
    const bool menuBarShown = menuBar()->isVisibleTo(this);
    const int engine = searchEngine();
    const bool statusBarShown = m_statusBarWidget && m_statusBarWidget->isVisibleTo(this);
    const bool maximized = isMaximized();
    const bool keepGeometry = !isMaximized() && !isFullScreen();
    const QRect rect = geometry();
    DBWriteQueue::submit(LocaleMessage::changeWindowLayout(), [=] {
        DBGUIList list;
        DBGUI* gui = loadGuiState(list);
        if (!gui)
            return false;
        gui->setMenuBar(menuBarShown);
        gui->setWebSearch(engine);
        gui->setStatusBar(statusBarShown);
        gui->setMaximized(maximized);
        if (keepGeometry) {
            gui->setX(rect.x());
            gui->setY(rect.y());
            gui->setWidth(rect.width());
            gui->setHeight(rect.height());
        }
        if (gui->save())
            return true;
        Logger::error(gui->errorText());
        return false;
    });
}

void WndMainBase::restoreGuiState()
{
    // Follows the engine chosen in any search bar from now on.
    connect(UtilSignalManager::instance(), &UtilSignalManager::onUpdateSearchEngine, this,
            &WndMainBase::handleSearchEngineChanged, Qt::UniqueConnection);

    DBGUIList list;
    DBGUI* gui = loadGuiState(list);
    if (!gui)
        return;
    for (QAction* action : {m_viewMenuBarAction, m_tabMenuBarAction})
        if (action)
            action->setChecked(gui->menuBar());
    for (QAction* action : {m_viewStatusBarAction, m_tabStatusBarAction})
        if (action)
            action->setChecked(gui->statusBar());
    if (m_windowMenuBarAction)
        m_windowMenuBarAction->setChecked(gui->menuBar());
    menuBar()->setVisible(gui->menuBar());
    if (m_statusBarWidget)
        m_statusBarWidget->setVisible(gui->statusBar());
    UtilKeySequence::assignMenuBarKeys(m_viewMenuBarAction, m_windowMenuBarAction, gui->menuBar());

    handleSearchEngineChanged(gui->webSearch());
    UtilSignalManager::instance()->emitUpdateSearchEngine(gui->webSearch());

    setGeometry(gui->x(), gui->y(), gui->width(), gui->height());
    m_showMaximized = gui->maximized();
}

BaseTab* WndMainBase::currentTab() const
{
    BaseTab* tab = m_tabManager ? m_tabManager->pageAt(m_tabManager->currentIndex()) : nullptr;
    if (!tab) {
        Logger::error(LocaleMessage::invalidObjectState(QStringLiteral("tab")));
        UtilSignalManager::instance()->emitError(LocaleMessage::unexpectedError());
    }
    return tab;
}

int WndMainBase::searchEngine()
{
    return WidSearchBar::currentEngine();
}

void WndMainBase::handleSearchEngineChanged(int code)
{
    // Also while no search bar is open, so that the next one starts with it.
    WidSearchBar::setCurrentEngine(code);
}

void WndMainBase::closeEvent(QCloseEvent* event)
{
    if (!m_exitRequested && m_tabManager) {
        bool asked = false;
        if (m_tabManager->countModified() != 0) {
            asked = true;
            if (!UtilGui::question(this, LocaleMessage::confirmLoseUnsavedData())) {
                event->ignore();
                return;
            }
        }
        if (!asked && DBCache::warnTabsClosing() && m_tabManager->count() > 1
            && !UtilGui::question(this, LocaleMessage::confirmCloseAllTabs())) {
            event->ignore();
            return;
        }
    }
    logDroppedEdits();
    m_historyCleanup->stop();
    // What the closing writes, and what waited behind a lock, is written
    // now; what cannot be is named while the window still shows.
    DBWriteQueue::beginExit();
    saveGuiState();
    DBWriteQueue::finish(this);
    event->accept();
}

bool WndMainBase::confirmDropUnsavedEdits()
{
    if (!m_tabManager)
        return true;
    for (int i = 0; i < m_tabManager->count(); ++i) {
        BaseTab* page = m_tabManager->pageAt(i);
        if (!page || !page->isModified())
            continue;
        m_tabManager->setCurrentIndex(i);
        if (!UtilGui::question(this, LocaleBrowser::confirmLoseUnsavedData()))
            return false;
    }
    return true;
}

void WndMainBase::logDroppedEdits() const
{
    if (!m_tabManager)
        return;
    for (int i = 0; i < m_tabManager->count(); ++i) {
        const BaseTab* page = m_tabManager->pageAt(i);
        if (page && page->isModified())
            Logger::warning(LocaleMessage::unsavedEditsDropped(page->title()));
    }
}

} // namespace Vexal
