#include "views/DelegateBookmarks.h"

#include "core/Init.h"
#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "data/DBBookmark.h"
#include "views/DlgBookmark.h"
#include "views/UtilDialog.h"
#include "views/WidBookmarkJournal.h"

namespace Vexal {

DelegateBookmarks::DelegateBookmarks(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

int DelegateBookmarks::openJournal()
{
    return openUniqueTab<WidBookmarkJournal>();
}

BaseTab* DelegateBookmarks::currentWebPage() const
{
    BaseTab* tab = currentTab();
    if (!tab)
        return nullptr;
    if (!tab->isWebPage()) {
        warnWebTabsOnly();
        return nullptr;
    }
    return tab;
}

bool DelegateBookmarks::quickBookmarkCurrentTab()
{
    BaseTab* tab = currentWebPage();
    return tab && quickBookmark(tab->url(), tab->title(), tab->icon());
}

bool DelegateBookmarks::quickBookmark(const QUrl& url, const QString& title, const QPixmap& icon)
{
    if (url.isEmpty())
        return false;
    return storeBookmark(url, title, icon);
}

bool DelegateBookmarks::bookmarkCurrentTab()
{
    BaseTab* tab = currentWebPage();
    return tab && bookmarkWithDialog(tab->url(), tab->title(), tab->icon());
}

bool DelegateBookmarks::bookmarkWithDialog(const QUrl& url, const QString& title, const QPixmap& icon)
{
    if (url.isEmpty())
        return false;
    DlgBookmark dialog;
    dialog.build(nullptr);
    dialog.setTitle(title);
    return UtilDialog::execUntilStored(&dialog, [&](QString& error, QString& cause) {
        DBBookmark bookmark(nullptr);
        if (insertBookmark(&bookmark, url, dialog.title(), icon))
            return true;
        error = bookmark.errorText();
        cause = bookmark.failureCause();
        return false;
    });
}

bool DelegateBookmarks::bookmarkAllTabs()
{
    WidTabManager* manager = tabManager();
    if (!manager)
        return false;
    for (int i = 0; i < manager->count(); ++i) {
        BaseTab* page = manager->pageAt(i);
        if (!page || !page->isWebPage() || page->url().isEmpty())
            continue;
        if (!storeBookmark(page->url(), page->title(), page->icon()))
            return false;
    }
    return true;
}

bool DelegateBookmarks::storeBookmark(const QUrl& url, const QString& title, const QPixmap& icon)
{
    DBBookmark bookmark(nullptr);
    if (!insertBookmark(&bookmark, url, title, icon)) {
        reportRecordError(&bookmark);
        return false;
    }
    return true;
}

bool DelegateBookmarks::insertBookmark(DBBookmark* bookmark, const QUrl& url, const QString& title,
                                       const QPixmap& icon)
{
    bookmark->setName(title);
    bookmark->setTitle(title);
    bookmark->setIcon(icon);
    bookmark->setUrl(url.toString());
    return bookmark->save();
}

} // namespace Vexal
