#pragma once

#include <QList>

class QAction;
class QMenu;

namespace Vexal {

// Fills a menu with record entries built at run time: the visible bookmarks
// of the Bookmarks menu, or the newest visits. Each build first removes the
// marked entries of the previous one (the menu's fixed commands stay), then
// adds a marked separator and the entries, each with the address as data.
// The caller connects the returned entries (hovered, triggered). A failed
// load is logged as an error and adds nothing.
class UtilRecordMenu final
{
public:
    // Indexes 0 to 20 of the bookmarks sorted by Name.
    static constexpr int bookmarkLimit = 21;

    UtilRecordMenu() = delete;

    static QList<QAction*> buildBookmarks(QMenu* menu);
    // Newest first, at most DBHistoryList::recentLimit entries.
    static QList<QAction*> buildRecentHistory(QMenu* menu);
};

} // namespace Vexal
