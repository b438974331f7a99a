#pragma once

#include "data/DBListBase.h"

class QAction;
class QMenu;

namespace Vexal {

class DBBookmark;

// All bookmarks, or the visible ones (those of the Bookmarks menu).
class DBBookmarkList : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeVisible = 1 };

    // All rows.
    explicit DBBookmarkList(QObject* parent = nullptr);
    // The visible rows; the flag itself is not read.
    DBBookmarkList(bool visibleOnly, QObject* parent);

    QString whereText() const override;

    // Null outside the list, and when the entry is no bookmark.
    DBBookmark* at(int index) const;
    DBBookmark* findById(int id) const;
    // The first bookmark; on an empty list a new unsaved one, appended.
    DBBookmark* firstOrCreate();

    // Adds the entry of the bookmark at the index to the menu: elided title,
    // icon, title and address as tooltip, the address as data, and the
    // marker user data of run-time entries. Null when there is no such
    // bookmark or no menu; the caller connects the action.
    QAction* addMenuItem(int index, QMenu* menu);
};

} // namespace Vexal
