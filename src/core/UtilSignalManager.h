#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <QUrl>

namespace Vexal {

// The process-wide hub that carries requests and notices from anywhere in the
// program to the main window. Senders call an emit operation on instance();
// the main window connects its slots once. The overloaded onBookmarkTab needs
// QOverload<>::of / QOverload<const QUrl&, const QString&, const QPixmap&>::of.
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

private:
    UtilSignalManager();
};

} // namespace Vexal
