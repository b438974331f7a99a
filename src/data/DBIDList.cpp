#include "data/DBIDList.h"

#include "data/DBID.h"

namespace Vexal {

DBIDList::DBIDList(const QString& table, const QString& where, QObject* parent)
    : DBTypedList(parent)
    , m_condition(where)
{
    static_cast<DBID*>(prototype())->setTableName(table);
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
