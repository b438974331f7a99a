#include "data/DBIDList.h"

#include "data/DBID.h"

namespace Vexal {

DBIDList::DBIDList(const QString& table, const QString& where, QObject* parent)
    : DBListBase(parent)
    , m_condition(where)
{
    auto* prototype = new DBID(this);
    prototype->setTableName(table);
    setPrototype(prototype);
}

QString DBIDList::whereText() const
{
    return m_condition;
}

DBID* DBIDList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBID*>(DBListBase::at(index));
}

DBID* DBIDList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBID*>(record);
    }
    return nullptr;
}

DBID* DBIDList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    return new DBID(this);
}

} // namespace Vexal
