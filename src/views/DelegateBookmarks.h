#pragma once

#include "shell/DelegateBase.h"

#include <QPixmap>
#include <QUrl>

namespace Vexal {

class DBBookmark;

// The bookmark commands of the Bookmarks menu, the tab menu and the web
// pages. A stored bookmark starts hidden from the Bookmarks menu; the calling
// slot reports success and rebuilds the menu.
class DelegateBookmarks final : public DelegateBase
{
    Q_OBJECT
public:
    DelegateBookmarks(WidTabManager* tabManager, QObject* parent);

    // Opens the bookmark journal, or focuses the open one; the tab's index,
    // -1 without a tab manager.
    int openJournal();
    // Stores the current web tab without asking.
    bool quickBookmarkCurrentTab();
    // Stores the page without asking; an empty address stores nothing.
    bool quickBookmark(const QUrl& url, const QString& title, const QPixmap& icon);
    // Asks for the title of the current web tab's bookmark, then stores it.
    bool bookmarkCurrentTab();
    // Asks for the title, then stores; Cancel or an empty address stores
    // nothing. A failed store is named in a box and the dialog asks again
    // with the title typed.
    bool bookmarkWithDialog(const QUrl& url, const QString& title, const QPixmap& icon);
    // Stores every web tab that shows an address, in tab order; the first
    // failure ends the command with false (earlier bookmarks stay).
    bool bookmarkAllTabs();
    // Inserts one bookmark (Name and Title := title); a failure is reported.
    bool storeBookmark(const QUrl& url, const QString& title, const QPixmap& icon);

private:
    // Fills the bookmark and inserts it; false (the record says why) when
    // it is not stored.
    static bool insertBookmark(DBBookmark* bookmark, const QUrl& url, const QString& title, const QPixmap& icon);
    // The current tab when it is a web page; otherwise reported, null.
    BaseTab* currentWebPage() const;
};

} // namespace Vexal
