#pragma once

#include "data/DBOwnedListBase.h"
#include "sites/DBAddress.h"

namespace Vexal {

// All addresses, or the addresses in one country.
class DBAddressList final : public DBOwnedList<DBAddress, &DBSql::colCountryID>
{
    Q_OBJECT
public:
    using DBOwnedList::DBOwnedList;

    qint64 countryId() const { return ownerId(); }
};

} // namespace Vexal
