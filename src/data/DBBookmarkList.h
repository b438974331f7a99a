#pragma once

#include "data/DBTypedList.h"
#include "data/DBBookmark.h"

class QAction;
class QMenu;

namespace Vexal {

// All bookmarks, the visible ones, or the entries of the Bookmarks menu.
class DBBookmarkList final : public DBTypedList<DBBookmark>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeVisible = 1, ModeMenu = 2 };
    // The Bookmarks menu shows indexes 0 to 20.
    static constexpr int menuLimit = 21;

    // All rows.
    explicit DBBookmarkList(QObject* parent = nullptr);
    // The visible rows; the flag itself is not read.
    DBBookmarkList(bool visibleOnly, QObject* parent);

    // From the next load on, only the entries of the Bookmarks menu: the
    // first menuLimit visible bookmarks by Name, case-sensitive (in the order
    // of the characters' numbers, as the journal sorts), equal names in the
    // order they were stored. The database sorts and cuts, so a collection
    // of any size costs the menu only the rows and icons it shows.
    void restrictToMenu() { setFilterMode(ModeMenu); }

    QString whereText() const override;
    QString orderText() const override;

    // Adds the entry of the bookmark at the index to the menu: elided title,
    // icon, title and address as tooltip, the address as data, and the
    // marker user data of run-time entries. Null when there is no such
    // bookmark or no menu; the caller connects the action.
    QAction* addMenuItem(int index, QMenu* menu);
};

} // namespace Vexal
