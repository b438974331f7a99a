#include "data/DBUserTableList.h"

#include "data/DBUserTable.h"

namespace Vexal {

DBUserTableList::DBUserTableList(QObject* parent)
    : DBTypedList(parent)
{
    setPrototype(new DBUserTable(this));
}

DBUserTable* DBUserTableList::first()
{
    if (count() > 0)
        return at(0);
    auto* table = new DBUserTable(this);
    append(table);
    return table;
}

} // namespace Vexal
