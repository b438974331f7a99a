#include "sites/DBCountryList.h"

#include "core/DBSql.h"
#include "sites/DBCountry.h"

namespace Vexal {

DBCountryList::DBCountryList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBCountry(this));
}

DBCountry* DBCountryList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBCountry*>(DBListBase::at(index));
}

DBCountry* DBCountryList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBCountry*>(record);
    }
    return nullptr;
}

DBCountry* DBCountryList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* country = new DBCountry(this);
    append(country);
    return country;
}

} // namespace Vexal
