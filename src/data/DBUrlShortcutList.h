#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBUrlShortcut;

// All URL shortcuts, with the built-in set that stands in for an empty table.
class DBUrlShortcutList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBUrlShortcutList(QObject* parent = nullptr);

    // Null outside the list, and when the entry is no shortcut.
    DBUrlShortcut* at(int index) const;
    DBUrlShortcut* findById(int id) const;
    // The first shortcut; on an empty list a new empty one, appended.
    DBUrlShortcut* firstOrNew();
    DBUrlShortcut* firstOrCreate() { return firstOrNew(); }

    // Appends the seven built-in shortcuts as new records; stores nothing.
    void appendDefaults();
};

} // namespace Vexal
