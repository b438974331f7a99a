#pragma once

#include "data/DBBookmark.h"
#include "data/DBPageList.h"

namespace Vexal {

// All bookmarks, the visible ones, or the entries of the Bookmarks menu.
class DBBookmarkList final : public DBPageList<DBBookmark>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeVisible = 1, ModeMenu = 2 };
    // The Bookmarks menu shows indexes 0 to 20.
    static constexpr int menuLimit = 21;

    // All rows, or (with the flag) the visible ones.
    using DBPageList::DBPageList;

    // From the next load on, only the entries of the Bookmarks menu: the
    // first menuLimit visible bookmarks by Name, case-sensitive (in the order
    // of the characters' numbers, as the journal sorts), equal names in the
    // order they were stored. The database sorts and cuts, so a collection
    // of any size costs the menu only the rows and icons it shows.
    void restrictToMenu() { setFilterMode(ModeMenu); }

    QString whereText() const override;
    QString orderText() const override;
};

} // namespace Vexal
