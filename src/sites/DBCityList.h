#pragma once

#include "data/DBOwnedListBase.h"
#include "sites/DBCity.h"

namespace Vexal {

// All cities, or the cities of one country.
class DBCityList final : public DBOwnedList<DBCity, &DBSql::colCountryID>
{
    Q_OBJECT
public:
    using DBOwnedList::DBOwnedList;

    qint64 countryId() const { return ownerId(); }
};

} // namespace Vexal
