#include "sites/DBCountryList.h"

#include "core/DBSql.h"
#include "sites/DBCountry.h"

namespace Vexal {

DBCountryList::DBCountryList(QObject* parent)
    : DBTypedList(parent)
{
    setPrototype(new DBCountry(this));
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
