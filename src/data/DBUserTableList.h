#pragma once

#include "data/DBTypedList.h"
#include "data/DBUserTable.h"

namespace Vexal {

// All rows of "UserTable": the tables the database browser offers.
class DBUserTableList final : public DBTypedList<DBUserTable>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;

    // The first record; on an empty list a new empty one, appended.
    DBUserTable* first() { return firstOrCreate(); }
};

} // namespace Vexal
