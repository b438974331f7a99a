#pragma once

#include "data/DBBase.h"
#include "data/DBListBase.h"

namespace Vexal {

// A list whose entries are all of one record class. Callers get that class
// back without casting, and a bad index or a missing id gives null rather
// than a crash, so list code can test the result instead of count().
template <class Record, class Base = DBListBase>
class DBTypedList : public Base
{
public:
    using Base::Base;

    // Null outside the list, and when the entry is of another class.
    Record* at(int index) const
    {
        if (index < 0 || index >= this->count())
            return nullptr;
        return qobject_cast<Record*>(Base::at(index));
    }

    // Null when no entry has that id.
    Record* findById(int id) const
    {
        for (DBBase* record : this->records()) {
            if (record && record->id() == id)
                return qobject_cast<Record*>(record);
        }
        return nullptr;
    }
};

} // namespace Vexal
