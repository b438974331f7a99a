#include "views/UtilRecordMenu.h"

#include "core/Logger.h"
#include "core/UserData.h"
#include "widgets/UtilGui.h"
#include "data/DBBookmark.h"
#include "data/DBBookmarkList.h"
#include "data/DBHistory.h"
#include "data/DBHistoryList.h"

#include <QAction>
#include <QMenu>

namespace Vexal {

static_assert(UtilRecordMenu::bookmarkLimit == DBBookmarkList::menuLimit, "one limit for the Bookmarks menu");

namespace {

// The list asks the database for the entries in menu order and no more.
template <class List>
QList<QAction*> build(QMenu* menu, List& list, int limit)
{
    QList<QAction*> entries;
    if (!menu)
        return entries;
    UtilGui::removeMarkedActions(menu);
    if (!list.load()) {
        Logger::error(list.errorText());
        return entries;
    }
    const int count = qMin(list.count(), limit);
    for (int i = 0; i < count; ++i) {
        if (i == 0)
            UserData::attach(menu->addSeparator(), UserData());
        if (QAction* action = list.addMenuItem(i, menu))
            entries << action;
    }
    return entries;
}

} // namespace

QList<QAction*> UtilRecordMenu::buildBookmarks(QMenu* menu)
{
    DBBookmarkList list(true, nullptr);
    list.restrictToMenu();
    return build(menu, list, bookmarkLimit);
}

QList<QAction*> UtilRecordMenu::buildRecentHistory(QMenu* menu)
{
    DBHistoryList list(true, nullptr);
    return build(menu, list, DBHistoryList::recentLimit);
}

} // namespace Vexal
