#pragma once

#include "core/DBSql.h"
#include "data/DBOwnedListBase.h"
#include "data/DBTypedList.h"
#include "sites/DBAddress.h"

namespace Vexal {

// All addresses, or the addresses in one country.
class DBAddressList final : public DBTypedList<DBAddress, DBOwnedListBase>
{
    Q_OBJECT
public:
    // All rows.
    explicit DBAddressList(QObject* parent = nullptr)
        : DBTypedList(&DBSql::colCountryID, parent)
    {
    }
    explicit DBAddressList(int countryId, QObject* parent = nullptr)
        : DBTypedList(&DBSql::colCountryID, countryId, parent)
    {
    }

    int countryId() const { return ownerId(); }
};

} // namespace Vexal
