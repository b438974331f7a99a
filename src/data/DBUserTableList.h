#pragma once

#include "data/DBTypedList.h"
#include "data/DBUserTable.h"

namespace Vexal {

// All rows of "UserTable": the tables the database browser offers.
class DBUserTableList final : public DBTypedList<DBUserTable>
{
    Q_OBJECT
public:
    explicit DBUserTableList(QObject* parent = nullptr);

    // The first record; on an empty list a new empty one, appended.
    DBUserTable* first();
};

} // namespace Vexal
