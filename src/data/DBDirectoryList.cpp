#include "data/DBDirectoryList.h"

#include "data/DBDirectory.h"

namespace Vexal {

DBDirectoryList::DBDirectoryList(int projectId, QObject* parent)
    : DBProjectListBase(projectId, parent)
{
    setPrototype(new DBDirectory(this));
}

DBDirectory* DBDirectoryList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBDirectory*>(DBListBase::at(index));
}

DBDirectory* DBDirectoryList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBDirectory*>(record);
    }
    return nullptr;
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
