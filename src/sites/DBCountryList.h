#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBCountry;

// All countries.
class DBCountryList : public DBListBase
{
    Q_OBJECT
public:
    explicit DBCountryList(QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another class.
    DBCountry* at(int index) const;
    DBCountry* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBCountry* firstOrCreate();
};

} // namespace Vexal
