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
#include <QVector>

#include <algorithm>
#include <numeric>

namespace Vexal {

namespace {

template <class List>
QList<QAction*> build(QMenu* menu, List& list, int limit, bool sortByName)
{
    QList<QAction*> entries;
    if (!menu)
        return entries;
    UtilGui::removeMarkedActions(menu);
    if (!list.load()) {
        Logger::error(list.errorText());
        return entries;
    }
    QVector<int> order(list.count());
    std::iota(order.begin(), order.end(), 0);
    if (sortByName) {
        // Case-sensitive: every capital comes before every small letter.
        std::stable_sort(order.begin(), order.end(), [&list](int a, int b) {
            return QString::compare(list.at(a)->name(), list.at(b)->name(), Qt::CaseSensitive) < 0;
        });
    }
    const int count = qMin(order.size(), limit);
    for (int i = 0; i < count; ++i) {
        if (i == 0)
            UserData::attach(menu->addSeparator(), UserData());
        if (QAction* action = list.addMenuItem(order.at(i), menu))
            entries << action;
    }
    return entries;
}

} // namespace

QList<QAction*> UtilRecordMenu::buildBookmarks(QMenu* menu)
{
    DBBookmarkList list(true, nullptr);
    return build(menu, list, bookmarkLimit, true);
}

QList<QAction*> UtilRecordMenu::buildRecentHistory(QMenu* menu)
{
    DBHistoryList list(true, nullptr);
    return build(menu, list, DBHistoryList::recentLimit, false);
}

} // namespace Vexal
