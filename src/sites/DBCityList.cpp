#include "sites/DBCityList.h"

#include "core/DBSql.h"
#include "sites/DBCity.h"

namespace Vexal {

DBCityList::DBCityList(QObject* parent)
    : DBListBase(parent)
    , m_countryId(-1)
{
    setPrototype(new DBCity(this));
    setFilterMode(ModeAll);
}

DBCityList::DBCityList(int countryId, QObject* parent)
    : DBListBase(parent)
    , m_countryId(countryId)
{
    setPrototype(new DBCity(this));
    setFilterMode(ModeOwner);
}

QString DBCityList::whereText() const
{
    if (filterMode() == ModeOwner)
        return QStringLiteral("%1 = %2").arg(DBSql::colCountryID(), QString::number(m_countryId));
    return DBListBase::whereText();
}

DBCity* DBCityList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBCity*>(DBListBase::at(index));
}

DBCity* DBCityList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBCity*>(record);
    }
    return nullptr;
}

DBCity* DBCityList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* city = new DBCity(this);
    if (filterMode() == ModeOwner)
        city->setCountryId(m_countryId);
    append(city);
    return city;
}

} // namespace Vexal
