#include "sites/DBCityList.h"

#include "core/DBSql.h"
#include "sites/DBCity.h"

namespace Vexal {

DBCityList::DBCityList(QObject* parent)
    : DBTypedList(parent)
    , m_countryId(-1)
{
    setPrototype(new DBCity(this));
    setFilterMode(ModeAll);
}

DBCityList::DBCityList(int countryId, QObject* parent)
    : DBTypedList(parent)
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
