#include "data/DBIDList.h"

#include "data/DBID.h"

namespace Vexal {

DBIDList::DBIDList(const QString& table, const QString& where, QObject* parent)
    : DBTypedList(parent)
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

DBID* DBIDList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    return new DBID(this);
}

} // namespace Vexal
