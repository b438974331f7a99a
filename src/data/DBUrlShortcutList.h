#pragma once

#include "data/DBTypedList.h"
#include "data/DBUrlShortcut.h"

namespace Vexal {

// All URL shortcuts, with the built-in set that stands in for an empty table.
class DBUrlShortcutList final : public DBTypedList<DBUrlShortcut>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;

    // The first shortcut; on an empty list a new empty one, appended.
    DBUrlShortcut* firstOrNew() { return firstOrCreate(); }

    // Appends the seven built-in shortcuts as new records; stores nothing.
    void appendDefaults();
};

} // namespace Vexal
