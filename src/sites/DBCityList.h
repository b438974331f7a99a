#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "sites/DBCity.h"

namespace Vexal {

// All cities, or the cities of one country.
class DBCityList final : public DBTypedList<DBCity, DBOwnedListBase>
{
    Q_OBJECT
public:
    // All rows.
    explicit DBCityList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colCountryID, parent)
    {
    }
    explicit DBCityList(int countryId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colCountryID, countryId, parent)
    {
    }

    int countryId() const { return ownerId(); }
};

} // namespace Vexal
