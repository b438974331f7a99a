#include "data/DBUserTableList.h"

#include "data/DBUserTable.h"

namespace Vexal {

DBUserTableList::DBUserTableList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBUserTable(this));
}

DBUserTable* DBUserTableList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBUserTable*>(DBListBase::at(index));
}

DBUserTable* DBUserTableList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBUserTable*>(record);
    }
    return nullptr;
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
