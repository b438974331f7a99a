#include "data/DBDirectoryList.h"

#include "data/DBDirectory.h"

namespace Vexal {

DBDirectoryList::DBDirectoryList(int projectId, QObject* parent)
    : DBTypedList(projectId, parent)
{
    setPrototype(new DBDirectory(this));
}

DBDirectory* DBDirectoryList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* entry = new DBDirectory(this);
    entry->setProjectId(projectId());
    append(entry);
    return entry;
}

} // namespace Vexal
