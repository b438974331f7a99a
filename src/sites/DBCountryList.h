#pragma once

#include "data/DBTypedList.h"
#include "sites/DBCountry.h"

namespace Vexal {

// All countries.
class DBCountryList final : public DBTypedList<DBCountry>
{
    Q_OBJECT
public:
    explicit DBCountryList(QObject* parent = nullptr);

    // The first record; on an empty list a new unsaved one, appended.
    DBCountry* firstOrCreate();
};

} // namespace Vexal
