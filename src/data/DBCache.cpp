#include "data/DBCache.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBOptions.h"
#include "data/DBOptionsList.h"
#include "data/DBProject.h"
#include "data/DBSettings.h"
#include "data/DBSettingsList.h"
#include "data/DBUrlShortcut.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBWriteQueue.h"
#include "texts/LocaleMessage.h"

#include <QDir>

namespace Vexal {

DBCache::DBCache()
{
    resetValues();
}

void DBCache::resetValues()
{
    m_projectId = -1;
    m_projectName.clear();
    m_projectUrl.clear();
    m_homeUrl = QUrl(ConstApp::homeUrl());
    m_lastFolder.clear();
    m_defaultFolder.clear();
    m_maxOpenedTabs = 10;
    m_warnTabsClosing = true;
    m_startup = 4;
    m_reloadAllTabs = false;
    m_focusNewTab = true;
    m_saveHistory = true;
    m_crossSessionImport = false;
    m_overrideOnImport = false;
    m_historyPeriod = 0;
    m_blockPopups = false;
    m_focusPopups = false;
    m_keepLastFolder = false;
    m_httpProxy = false;
    delete m_shortcuts;
    m_shortcuts = nullptr;
}

DBCache* DBCache::instance()
{
    static DBCache* cache = new DBCache;
    return cache;
}

void DBCache::reset()
{
    instance()->resetValues();
}

void DBCache::setProject(const DBProject* project)
{
    if (!project)
        return;
    DBCache* cache = instance();
    cache->m_projectId = project->id();
    cache->m_projectName = project->name();
    cache->m_projectUrl = project->url();
}

void DBCache::setOptions(const DBOptions* options)
{
    if (!options)
        return;
    DBCache* cache = instance();
    cache->m_homeUrl = QUrl(options->homeUrl());
    cache->m_maxOpenedTabs = options->maxOpenedTabs();
    cache->m_warnTabsClosing = options->warnTabsClosing();
    cache->m_startup = options->startup();
    cache->m_reloadAllTabs = options->reloadAllTabs();
    cache->m_saveHistory = options->saveHistory();
    cache->m_focusNewTab = options->focusNewTab();
    cache->m_crossSessionImport = options->crossSessionImport();
    cache->m_overrideOnImport = options->overrideOnImport();
    cache->m_historyPeriod = options->historyPeriod();
    cache->m_blockPopups = options->blockPopups();
    cache->m_focusPopups = options->focusPopups();
    cache->m_keepLastFolder = options->keepLastFolder();
    cache->m_defaultFolder = options->defaultFolder();
    cache->m_httpProxy = options->httpProxy();
}

void DBCache::setSaveHistory(bool saveHistory)
{
    instance()->m_saveHistory = saveHistory;
}

bool DBCache::reloadOptions()
{
    DBOptionsList list;
    if (!list.load()) {
        Logger::error(list.errorText());
        return false;
    }
    setOptions(list.firstOrCreate());
    return true;
}

void DBCache::reloadShortcuts()
{
    DBCache* cache = instance();
    delete cache->m_shortcuts;
    cache->m_shortcuts = new DBUrlShortcutList(cache);
    if (!cache->m_shortcuts->load())
        Logger::error(cache->m_shortcuts->errorText());
    if (cache->m_shortcuts->count() == 0)
        cache->m_shortcuts->appendDefaults();
}

void DBCache::reloadLastFolder()
{
    DBSettingsList list;
    if (!list.load()) {
        Logger::error(list.errorText());
        return;
    }
    if (const DBSettings* settings = list.firstOrCreate())
        instance()->m_lastFolder = settings->lastFolder();
}

qint64 DBCache::projectId() { return instance()->m_projectId; }
QString DBCache::projectName() { return instance()->m_projectName; }
QString DBCache::projectUrl() { return instance()->m_projectUrl; }
QUrl DBCache::homeUrl() { return instance()->m_homeUrl; }
int DBCache::maxOpenedTabs() { return instance()->m_maxOpenedTabs; }
bool DBCache::warnTabsClosing() { return instance()->m_warnTabsClosing; }
int DBCache::startup() { return instance()->m_startup; }
bool DBCache::reloadAllTabs() { return instance()->m_reloadAllTabs; }
bool DBCache::focusNewTab() { return instance()->m_focusNewTab; }
bool DBCache::saveHistory() { return instance()->m_saveHistory; }
bool DBCache::crossSessionImport() { return instance()->m_crossSessionImport; }
bool DBCache::overrideOnImport() { return instance()->m_overrideOnImport; }
int DBCache::historyPeriod() { return instance()->m_historyPeriod; }
bool DBCache::blockPopups() { return instance()->m_blockPopups; }
bool DBCache::focusPopups() { return instance()->m_focusPopups; }
bool DBCache::httpProxy() { return instance()->m_httpProxy; }

QString DBCache::lastFolder()
{
    DBCache* cache = instance();
    if (cache->m_defaultFolder.isEmpty())
        cache->m_defaultFolder = QDir::homePath();
    if (!cache->m_keepLastFolder)
        return cache->m_defaultFolder;
    if (cache->m_lastFolder.isEmpty())
        cache->m_lastFolder = cache->m_defaultFolder;
    return cache->m_lastFolder;
}

void DBCache::setLastFolder(const QString& folder)
{
    DBCache* cache = instance();
    if (!cache->m_keepLastFolder)
        return;
    cache->m_lastFolder = folder;
    // A cut path names another folder: keep the stored one instead.
    if (folder.size() > DBSettings::lastFolderLimit)
        return;

    // Never worth a frozen window: while a job holds the database the folder
    // is stored once it lets go.
    DBWriteQueue::submit(LocaleMessage::changeLastFolder(), [folder] {
        DBSettingsList list;
        if (!list.load()) {
            Logger::error(list.errorText());
            return false;
        }
        DBSettings* settings = list.firstOrCreate();
        if (!settings)
            return false;
        settings->setLastFolder(folder);
        if (list.saveAll())
            return true;
        Logger::error(list.errorText());
        return false;
    });
}

QString DBCache::resolveShortcut(const QString& text)
{
    const DBUrlShortcutList* shortcuts = instance()->m_shortcuts;
    if (!shortcuts)
        return QString();
    for (int i = 0; i < shortcuts->count(); ++i) {
        const DBUrlShortcut* shortcut = shortcuts->at(i);
        if (shortcut && shortcut->shortcut() == text)
            return shortcut->url();
    }
    return QString();
}

} // namespace Vexal
