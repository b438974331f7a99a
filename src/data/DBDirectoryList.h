#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "data/DBDirectory.h"

namespace Vexal {

// The directory entries of one project.
class DBDirectoryList final : public DBTypedList<DBDirectory, DBProjectListBase>
{
    Q_OBJECT
public:
    explicit DBDirectoryList(int projectId, QObject* parent = nullptr);

    // The first record; on an empty list a new unsaved one of the list's project, appended.
    DBDirectory* firstOrCreate();
};

} // namespace Vexal
