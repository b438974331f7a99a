#pragma once

#include "data/DBTypedList.h"
#include "data/DBOptions.h"

namespace Vexal {

// All rows of the single-row table "Options".
class DBOptionsList final : public DBTypedList<DBOptions>
{
    Q_OBJECT
public:
    // The first record is the table's one row; on an empty list firstOrCreate
    // gives a new one with the defaults, unsaved (the first save inserts it).
    using DBTypedList::DBTypedList;
    // firstOrCreate under the name the browser shell uses.
    DBOptions* options() { return firstOrCreate(); }
};

} // namespace Vexal
