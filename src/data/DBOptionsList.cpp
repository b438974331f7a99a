#include "data/DBOptionsList.h"

#include "data/DBOptions.h"

namespace Vexal {

DBOptionsList::DBOptionsList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBOptions(this));
}

DBOptions* DBOptionsList::firstOrCreate()
{
    if (count() == 0)
        append(new DBOptions(this));
    return qobject_cast<DBOptions*>(at(0));
}

} // namespace Vexal
