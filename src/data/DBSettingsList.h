#pragma once

#include "data/DBTypedList.h"
#include "data/DBSettings.h"

namespace Vexal {

// All rows of the single-row table "Settings".
class DBSettingsList final : public DBTypedList<DBSettings>
{
    Q_OBJECT
public:
    // The first record is the table's one row; on an empty list firstOrCreate
    // gives a new one with the defaults, unsaved (the first save inserts it).
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
