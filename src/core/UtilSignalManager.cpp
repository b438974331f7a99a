#include "core/UtilSignalManager.h"

namespace Vexal {

UtilSignalManager::UtilSignalManager()
    : QObject(nullptr)
{
}

UtilSignalManager* UtilSignalManager::instance()
{
    static UtilSignalManager* const hub = new UtilSignalManager;
    return hub;
}

void UtilSignalManager::emitError(const QString& message, bool untilClosed)
{
    emit onError(message, untilClosed);
}

void UtilSignalManager::emitWarning(const QString& message)
{
    emit onWarning(message);
}

void UtilSignalManager::emitInfo(const QString& message)
{
    emit onInfo(message);
}

void UtilSignalManager::emitRestoreBookmarksMenu()
{
    emit onRestoreBookmarksMenu();
}

void UtilSignalManager::emitUpdateSearchEngine(int searchEngine)
{
    emit onUpdateSearchEngine(searchEngine);
}

void UtilSignalManager::emitUpdateOptions()
{
    emit onUpdateOptions();
}

void UtilSignalManager::emitUpdateProject()
{
    emit onUpdateProject();
}

void UtilSignalManager::emitUpdateTabStatus()
{
    emit onUpdateTabStatus();
}

void UtilSignalManager::emitLoad(const QUrl& url, bool newTab, bool focus)
{
    emit onLoad(url, newTab, focus);
}

void UtilSignalManager::emitWebSearch(const QString& text, bool newTab, bool focus)
{
    emit onWebSearch(text, newTab, focus);
}

void UtilSignalManager::emitLinkHovered(const QString& value)
{
    emit onLinkHovered(value);
}

void UtilSignalManager::emitQuickBookmark(const QUrl& url, const QString& title, const QPixmap& icon)
{
    emit onQuickBookmark(url, title, icon);
}

void UtilSignalManager::emitBookmarkTab()
{
    emit onBookmarkTab();
}

void UtilSignalManager::emitBookmarkTab(const QUrl& url, const QString& title, const QPixmap& icon)
{
    emit onBookmarkTab(url, title, icon);
}

void UtilSignalManager::emitBookmarkAllTabs()
{
    emit onBookmarkAllTabs();
}

void UtilSignalManager::emitOpenSpinnedArticles(const QString& articleID)
{
    emit onOpenSpinnedArticles(articleID);
}

void UtilSignalManager::emitPageSource(const QString& title, const QString& source)
{
    emit onPageSource(title, source);
}

} // namespace Vexal
