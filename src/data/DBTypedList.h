#pragma once

#include "data/DBBase.h"
#include "data/DBListBase.h"

#include <utility>

namespace Vexal {

// A list whose entries are all of one record class. Callers get that class
// back without casting, and a bad index or a missing id gives null rather
// than a crash, so list code can test the result instead of count().
template <class Record, class Base = DBListBase>
class DBTypedList : public Base
{
public:
    // Takes the base's arguments; the prototype is a new Record.
    template <class... Args>
    explicit DBTypedList(Args&&... args)
        : Base(std::forward<Args>(args)...)
    {
        this->setPrototype(new Record(this));
    }

    // Null outside the list, and when the entry is of another class.
    Record* at(int index) const
    {
        if (index < 0 || index >= this->count())
            return nullptr;
        return qobject_cast<Record*>(Base::at(index));
    }

    // Null when no entry has that id.
    Record* findById(qint64 id) const
    {
        for (DBBase* record : this->records()) {
            if (record && record->id() == id)
                return qobject_cast<Record*>(record);
        }
        return nullptr;
    }

    // The first record; on an empty list a new unsaved one that holds the
    // values the filter selects by (fillNew), appended.
    Record* firstOrCreate()
    {
        if (this->count() > 0)
            return at(0);
        auto* record = new Record(this);
        this->fillNew(record);
        this->append(record);
        return record;
    }
};

} // namespace Vexal
