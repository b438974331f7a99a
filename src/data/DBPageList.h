#pragma once

#include "data/DBTypedList.h"

class QAction;
class QMenu;

namespace Vexal {

// A list of page records (bookmarks, visits) that the browser's menus show:
// all rows, or the kind's narrower set (filter mode 1) that a derived list
// selects by.
template <class Record>
class DBPageList : public DBTypedList<Record>
{
public:
    // All rows.
    explicit DBPageList(QObject* parent = nullptr)
        : DBTypedList<Record>(parent)
    {
    }
    // The narrower set; the flag itself is not read.
    DBPageList(bool narrow, QObject* parent)
        : DBTypedList<Record>(parent)
    {
        Q_UNUSED(narrow);
        this->setFilterMode(1);
    }

    // Adds the entry of the page at the index to the menu: elided title,
    // icon, title and address as tooltip, the address as data, and the
    // marker user data of run-time entries. Null when there is no such
    // record or no menu; the caller connects the action.
    QAction* addMenuItem(int index, QMenu* menu)
    {
        Record* page = this->at(index);
        if (!page || !menu)
            return nullptr;
        return page->addMenuItem(menu);
    }
};

} // namespace Vexal
