#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBDirectory;

// The directory entries of one project.
class DBDirectoryList : public DBProjectListBase
{
    Q_OBJECT
public:
    explicit DBDirectoryList(int projectId, QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another kind.
    DBDirectory* at(int index) const;
    DBDirectory* findById(int id) const;
    // The first record; on an empty list a new unsaved one of the list's project, appended.
    DBDirectory* firstOrCreate();
};

} // namespace Vexal
