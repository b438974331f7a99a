#pragma once

#include "data/DBTypedList.h"
#include "sites/DBCountry.h"

namespace Vexal {

// All countries.
class DBCountryList final : public DBTypedList<DBCountry>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
