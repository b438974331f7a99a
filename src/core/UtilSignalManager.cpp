#include "core/UtilSignalManager.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <utility>

namespace Vexal {

namespace {

// The record news not yet delivered, from any thread.
struct RecordNews
{
    QMutex mutex;
    RecordChanges changes;
    bool posted = false;
};

RecordNews& recordNews()
{
    static RecordNews* const news = new RecordNews;
    return *news;
}

} // namespace

UtilSignalManager::UtilSignalManager()
    : QObject(nullptr)
{
}

UtilSignalManager* UtilSignalManager::instance()
{
    static UtilSignalManager* const hub = [] {
        auto* made = new UtilSignalManager;
        // Its listeners are windows: it lives on their thread even when a
        // job's thread asks for it first.
        const QCoreApplication* app = QCoreApplication::instance();
        if (app && app->thread() != made->thread())
            made->moveToThread(app->thread());
        return made;
    }();
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

void UtilSignalManager::emitRecordsChanged(const RecordChanges& changes)
{
    if (changes.isEmpty())
        return;
    RecordNews& news = recordNews();
    {
        QMutexLocker lock(&news.mutex);
        news.changes.unite(changes);
        if (news.posted)
            return;
        news.posted = true;
    }
    QMetaObject::invokeMethod(this, &UtilSignalManager::deliverRecordsChanged, Qt::QueuedConnection);
}

void UtilSignalManager::deliverRecordsChanged()
{
    RecordChanges changes;
    {
        RecordNews& news = recordNews();
        QMutexLocker lock(&news.mutex);
        std::swap(changes, news.changes);
        news.posted = false;
    }
    if (!changes.isEmpty())
        emit onRecordsChanged(changes);
}

} // namespace Vexal
