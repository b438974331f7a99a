#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBUserTable;

// All rows of "UserTable": the tables the database browser offers.
class DBUserTableList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBUserTableList(QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another kind.
    DBUserTable* at(int index) const;
    DBUserTable* findById(int id) const;
    // The first record; on an empty list a new empty one, appended.
    DBUserTable* first();
};

} // namespace Vexal
