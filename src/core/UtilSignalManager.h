#pragma once

#include "core/RecordChanges.h"

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace Vexal {

// The process-wide hub that carries requests and notices from anywhere in the
// program to the main window. Senders call an emit operation on instance();
// the main window connects its slots once. The overloaded onBookmarkTab needs
// QOverload<>::of / QOverload<const QUrl&, const QString&, const QPixmap&>::of.
//
// Rows stored, changed or deleted anywhere in the program are news for every
// list that shows them (journals, choosers): the data layer tells the hub the
// rows, by table, that a committed transaction changed (emitRecordsChanged),
// and the lists listen to onRecordsChanged.
class UtilSignalManager final : public QObject
{
    Q_OBJECT
public:
    // Created on first call (in the calling thread), never destroyed.
    static UtilSignalManager* instance();

    // An error that stays on the notification bar until the user closes it
    // when untilClosed (a failed save, whose edits are not stored); the
    // others hide themselves after a while.
    void emitError(const QString& message, bool untilClosed = false);
    void emitWarning(const QString& message);
    void emitInfo(const QString& message);
    void emitRestoreBookmarksMenu();
    void emitUpdateSearchEngine(int searchEngine);
    void emitUpdateOptions();
    void emitUpdateProject();
    void emitUpdateTabStatus();
    void emitLoad(const QUrl& url, bool newTab, bool focus);
    void emitWebSearch(const QString& text, bool newTab, bool focus);
    void emitLinkHovered(const QString& value);
    void emitQuickBookmark(const QUrl& url, const QString& title, const QPixmap& icon);
    void emitBookmarkTab();
    void emitBookmarkTab(const QUrl& url, const QString& title, const QPixmap& icon);
    void emitBookmarkAllTabs();
    void emitOpenSpinnedArticles(const QString& articleID);
    void emitPageSource(const QString& title, const QString& source);
    // News that rows were stored (inserted, changed, deleted) and committed.
    // Callable from any thread. Nothing is emitted at once: the news that
    // come in until the hub's thread (the GUI thread) next runs its events
    // arrive there together, as one onRecordsChanged, so that a job or a loop
    // storing a thousand rows makes an open list look once.
    void emitRecordsChanged(const RecordChanges& changes);
    // Emits onRecordsChanged now, on the hub's thread, with the news kept
    // so far (nothing when there are none), rather than at the next turn:
    // a window command that stored rows shows them before it returns.
    void deliverRecordsChanged();

signals:
    void onError(const QString& message, bool untilClosed);
    void onWarning(const QString& message);
    void onInfo(const QString& message);
    void onRestoreBookmarksMenu();
    void onUpdateSearchEngine(int searchEngine);
    void onUpdateOptions();
    void onUpdateProject();
    void onUpdateTabStatus();
    void onLoad(const QUrl& url, bool newTab, bool focus);
    void onWebSearch(const QString& text, bool newTab, bool focus);
    void onLinkHovered(const QString& value);
    void onQuickBookmark(const QUrl& url, const QString& title, const QPixmap& icon);
    void onBookmarkTab();
    void onBookmarkTab(const QUrl& url, const QString& title, const QPixmap& icon);
    void onBookmarkAllTabs();
    void onOpenSpinnedArticles(const QString& articleID);
    void onPageSource(const QString& title, const QString& source);
    // The rows, by table (named as the schema declares it), that changed
    // since the last onRecordsChanged; never empty.
    void onRecordsChanged(const RecordChanges& changes);

private:
    UtilSignalManager();
};

} // namespace Vexal
